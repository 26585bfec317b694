#include "naming/rules/plan_steps.h"

#include "naming/clean_name.h"

#include <QFile>

namespace corvander {

std::optional<FileIdentity> readIdentityOf(const QString& path, const ExtractResult& extracted) {
    std::optional<FileIdentity> identity = extracted.file;
    if (identity)
        identity->path = QFile::encodeName(path);
    return identity;
}

SkipReason failureOf(const ExtractResult& extracted) {
    if (extracted.outcome == ExtractResult::Outcome::TimedOut)
        return SkipReason::TimedOut;
    if (extracted.outcome != ExtractResult::Outcome::Answered)
        return SkipReason::Unreadable;
    if (extracted.needsPassword)
        return SkipReason::PasswordNeeded;
    // A page past the last opens the document but has no text at all.
    if (extracted.status == 99)
        return SkipReason::NoText;
    return SkipReason::Unreadable;
}

void nameFrom(PlannedFile& planned, const QString& nameText, bool removePercent) {
    planned.name = CleanName(nameText, removePercent);
    if (planned.name.isEmpty())
        planned.skip = SkipReason::EmptyName;
}

} // namespace corvander
