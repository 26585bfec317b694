#include "run/repeated_reports.h"

namespace corvander {

void RepeatedReports::showWarning(const QString& text, const QString& title) {
    for (Kind& kind : m_kinds) {
        if (kind.report == text) {
            ++kind.repeats;
            return;
        }
    }
    m_kinds.append({text, 0});
    m_shown.showWarning(text, title);
}

QString RepeatedReports::summary() const {
    QString lines;
    for (const Kind& kind : m_kinds) {
        if (kind.repeats == 0)
            continue;
        // The description is the report's first line; the rest names the place.
        const QString description = kind.report.section(QStringLiteral("\r\n"), 0, 0);
        lines += QStringLiteral("\r\n%1 more files could not be copied: %2")
                     .arg(kind.repeats)
                     .arg(description);
    }
    return lines;
}

} // namespace corvander
