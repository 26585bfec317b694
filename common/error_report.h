#pragma once

#include <QString>
#include <stdexcept>
#include <utility>

namespace corvander {

class Dialogs;

// Stamps that open the procedure label of an error report.
inline constexpr char kMainStamp[] = "Quarnex2021/08/31.";
inline constexpr char kFolderStamp[] = "Tolvane2021/08/31.";

// An error with a user-facing description, raised by any step of a trapping procedure.
class AppError : public std::runtime_error {
public:
    explicit AppError(const QString& description)
        : std::runtime_error(description.toStdString()), m_description(description) {}
    const QString& description() const { return m_description; }

private:
    QString m_description;
};

[[noreturn]] void raiseError(const QString& description);

// The text of the "Application Error" box.
QString errorReportText(const QString& description, const QString& stamp, const QString& procedure,
                        int line);

// Runs a procedure's statements as numbered steps (100, 102, ...). A step that throws shows the
// "Application Error" box naming the procedure and the step, then the procedure goes on with the
// next step, as the user was told it would.
class TrappedProcedure {
public:
    TrappedProcedure(Dialogs& dialogs, QString procedure,
                     QString stamp = QString::fromLatin1(kMainStamp));

    // Runs the next step; its number is two above the previous one.
    template <typename Step> void step(Step&& body) { at(m_next, std::forward<Step>(body)); }

    // Runs a step under an explicit number; numbering goes on from there.
    template <typename Step> void at(int line, Step&& body) {
        m_next = line + 2;
        try {
            body();
        } catch (const AppError& error) {
            report(error.description(), line);
        } catch (const std::exception& error) {
            report(QString::fromLocal8Bit(error.what()), line);
        }
    }

    int reportCount() const { return m_reports; }

private:
    void report(const QString& description, int line);

    Dialogs& m_dialogs;
    QString m_procedure;
    QString m_stamp;
    int m_next = 100;
    int m_reports = 0;
};

} // namespace corvander
