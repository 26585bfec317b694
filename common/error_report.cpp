#include "common/error_report.h"

#include "common/app_title.h"
#include "common/dialogs.h"
#include <QCoreApplication>

namespace corvander {

void raiseError(const QString& description) {
    throw AppError(description);
}

QString errorReportText(const QString& description, const QString& stamp, const QString& procedure,
                        int line) {
    return description + QStringLiteral("\r\n") +
           QCoreApplication::translate("corvander::ErrorReport", "in ") + stamp + procedure +
           QStringLiteral(" ") + QCoreApplication::translate("corvander::ErrorReport", "at line ") +
           QString::number(line) + QStringLiteral("\r\r") +
           QCoreApplication::translate("corvander::ErrorReport",
                                       "Please email screenshot of this message to ") +
           QString::fromLatin1(kSupportAddress);
}

TrappedProcedure::TrappedProcedure(Dialogs& dialogs, QString procedure, QString stamp)
    : m_dialogs(dialogs), m_procedure(std::move(procedure)), m_stamp(std::move(stamp)) {}

void TrappedProcedure::report(const QString& description, int line) {
    ++m_reports;
    m_dialogs.showWarning(
        errorReportText(description, m_stamp, m_procedure, line),
        QCoreApplication::translate("corvander::ErrorReport", "Application Error"));
}

} // namespace corvander
