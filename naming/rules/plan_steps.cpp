#include "naming/rules/plan_steps.h"

#include "extract/reason_texts.h"
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
        return extracted.passwordRejected ? SkipReason::WrongPassword : SkipReason::PasswordNeeded;
    // A page past the last opens the document but has no text at all.
    if (extracted.status == 99)
        return SkipReason::TooFewPages;
    return SkipReason::Unreadable;
}

void skipAsFailed(PlannedFile& planned, const ExtractResult& extracted) {
    planned.skip = failureOf(extracted);
    if (planned.skip == SkipReason::TooFewPages && extracted.pageCount >= 0)
        planned.skipDetail = reasons::tooFewPages(extracted.pageCount);
}

void nameFrom(PlannedFile& planned, const QString& nameText, bool removePercent) {
    planned.name = CleanName(nameText, removePercent);
    if (planned.name.isEmpty())
        planned.skip = SkipReason::EmptyName;
}

} // namespace corvander
