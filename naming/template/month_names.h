#pragma once

#include <QHash>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace corvander {

// The month names a date may be written with, from Qt's own locale data: the long and short names,
// in their standalone and in-a-date forms ("März", "Mär", "marzo", "févr", "марта"), any letter
// case.
class MonthNames {
public:
    // English, German, French, Spanish, Italian, Dutch and Portuguese, and the extra languages:
    // locale names ("de_AT") or OCR language codes ("deu", "chi_sim"); "eng+fra" lists two.
    // Where two languages give one name to different months, the extra languages win, the first
    // given first: the user named them because the documents are written in them.
    explicit MonthNames(const QStringList& extraLanguages = {});

    // The month (1-12) a whole word names, in any letter case; 0 when it names none.
    int monthOf(QStringView word) const;

private:
    void addLocale(const QLocale& locale, bool withPlainLetters);
    void add(const QString& name, int month);

    QHash<QString, int> m_months; // case-folded name -> month
};

} // namespace corvander
