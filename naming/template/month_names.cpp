#include "naming/template/month_names.h"

#include <optional>

namespace corvander {

namespace {

// The seven languages every finder knows, with the countries whose names differ ("Sept", "Jänner").
constexpr const char* kBaseLocales[] = {"en_US", "en_GB", "de_DE", "de_AT", "fr_FR",
                                        "es_ES", "it_IT", "nl_NL", "pt_BR", "pt_PT"};

// A name a date can hold as one word: letters and their marks only. Qt's short names end in a dot
// in some languages ("févr."); the dot is optional in the text, so it is no part of the name.
// Names with digits ("3月") or blanks ("de gener") do not stand as a word between a day and a year.
QString asWord(QString name) {
    if (name.endsWith(QLatin1Char('.')))
        name.chop(1);
    if (name.isEmpty())
        return {};
    for (const char32_t c : name.toUcs4()) {
        if (!QChar::isLetter(c) && !QChar::isMark(c))
            return {};
    }
    return name;
}

// The name with its accents left out ("fevrier", "aout", "Marz"), as typed on a plain keyboard or
// read by OCR from a poor scan.
QString withoutAccents(const QString& name) {
    QString plain;
    const QString decomposed = name.normalized(QString::NormalizationForm_D);
    plain.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (!c.isMark())
            plain += c;
    }
    return plain.normalized(QString::NormalizationForm_C);
}

// The locale a language entry names, or nothing for an entry Qt does not know.
std::optional<QLocale> localeOf(const QString& entry) {
    if (entry.isEmpty())
        return std::nullopt;
    QLocale locale(entry);
    if (locale.language() == QLocale::C || locale.language() == QLocale::AnyLanguage) {
        // OCR codes such as "chi_sim" name the language before the underscore.
        const QLocale::Language language = QLocale::codeToLanguage(
            entry.section(QLatin1Char('_'), 0, 0), QLocale::AnyLanguageCode);
        if (language == QLocale::AnyLanguage || language == QLocale::C)
            return std::nullopt;
        locale = QLocale(language);
    }
    return locale;
}

} // namespace

MonthNames::MonthNames(const QStringList& extraLanguages) {
    for (const QString& listed : extraLanguages) {
        for (const QString& entry : listed.split(QLatin1Char('+'), Qt::SkipEmptyParts)) {
            if (const std::optional<QLocale> locale = localeOf(entry.trimmed()))
                addLocale(*locale, false);
        }
    }
    for (const char* name : kBaseLocales)
        addLocale(QLocale(QString::fromLatin1(name)), true);
}

int MonthNames::monthOf(QStringView word) const {
    return m_months.value(word.toString().toCaseFolded(), 0);
}

void MonthNames::addLocale(const QLocale& locale, bool withPlainLetters) {
    for (int month = 1; month <= 12; ++month) {
        for (const QLocale::FormatType type : {QLocale::LongFormat, QLocale::ShortFormat}) {
            for (const QString& name :
                 {locale.monthName(month, type), locale.standaloneMonthName(month, type)}) {
                const QString word = asWord(name);
                if (word.isEmpty())
                    continue;
                add(word, month);
                if (withPlainLetters)
                    add(withoutAccents(word), month);
            }
        }
    }
}

void MonthNames::add(const QString& name, int month) {
    // The first language to give a name keeps it.
    const QString key = name.toCaseFolded();
    if (!m_months.contains(key))
        m_months.insert(key, month);
}

} // namespace corvander
