#include "cli/command_ports.h"

#include "cli/terminal_progress.h"

namespace corvander {

void CommandDialogs::showWarning(const QString& text, const QString&) {
    // A report is the description, then "in PROCEDURE at line N" and a plea for a screenshot.
    const qsizetype place = text.lastIndexOf(QStringLiteral("\r\nin "));
    QString description = place >= 0 ? text.left(place) : text;
    description.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_lastError = description;
    tellError(m_progress, description);
}

} // namespace corvander
