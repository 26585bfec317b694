#pragma once

#include <QProgressBar>

namespace corvander {

// A progress bar that draws exactly the text the program gives it: "%" in a file name must not
// be taken for one of the bar's own placeholders.
class TextProgressBar : public QProgressBar {
    Q_OBJECT
public:
    using QProgressBar::QProgressBar;
    QString text() const override { return m_text; }
    void setText(const QString& text) {
        m_text = text;
        // A screen reader hears the bar's name and value; the file being read comes as this.
        setAccessibleDescription(text);
        update();
    }

private:
    QString m_text;
};

} // namespace corvander
