#include "naming/file_planner.h"

#include "common/path_helpers.h"
#include "common/text_helpers.h"
#include "extract/metadata.h"
#include "extract/text_reading.h"
#include "naming/clean_name.h"
#include "naming/content_request.h"
#include "naming/metadata_name.h"

#include <QFile>

namespace corvander {

namespace {

// The state of the file the worker read, named as the plan names its source.
std::optional<FileIdentity> readIdentityOf(const QString& path, const ExtractResult& extracted) {
    std::optional<FileIdentity> identity = extracted.file;
    if (identity)
        identity->path = QFile::encodeName(path);
    return identity;
}

// What an answer that brought no usable text says about the file.
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

SkipReason missingParameter(int mode) {
    if (mode == 4)
        return SkipReason::NoWordList;
    if (mode == 5 || mode == 6)
        return SkipReason::NoSearchText;
    return SkipReason::NoMode;
}

WordPick pickFor(int mode, const QString& text, int count, const QString& wordList,
                 const QString& searchText, const QString& path) {
    if (mode == 4)
        return listedWordsPick(text, count, wordList);
    if (mode == 5 || mode == 6)
        return aroundSearchPick(text, count, searchText, mode == 5,
                                StripExtension(FileNameOf(path)));
    return firstWordsPick(text, count);
}

// Names the file, or says that its name came out empty.
void nameFrom(PlannedFile& planned, const QString& nameText, bool removePercent) {
    planned.name = CleanName(nameText, removePercent);
    if (planned.name.isEmpty())
        planned.skip = SkipReason::EmptyName;
}

} // namespace

PlannedFile planByContent(int mode, const QString& path, int count, int page,
                          const QString& wordList, const QString& searchText,
                          const std::optional<ExtractResult>& extracted) {
    PlannedFile planned;
    planned.source = path;
    planned.provenance.mode = mode;
    if (const auto request = contentRequest(mode, path, count, page, wordList, searchText))
        planned.provenance.request = *request;
    if (!extracted) {
        planned.skip = missingParameter(mode);
        return planned;
    }
    planned.provenance.pageCount = extracted->pageCount;
    planned.readIdentity = readIdentityOf(path, *extracted);
    if (!extracted->hasText()) {
        planned.skip = failureOf(*extracted);
        return planned;
    }
    const QString text = decodeExtractedText(extracted->text);
    planned.provenance.pick = pickFor(mode, text, count, wordList, searchText, path);
    WordPick& pick = planned.provenance.pick;
    // The text may begin after the start of the document: the search text's place, and the
    // numbers of the words before it, count from there.
    if (pick.hitOffset >= 0)
        pick.hitOffset += extracted->textOffset;
    if (mode == 6) {
        for (int& number : pick.wordNumbers)
            number += int(extracted->wordOffset);
    }
    if (pick.text.isEmpty()) {
        // A page OCR could not finish is why words are missing.
        if (!extracted->ocrTimedOut.isEmpty())
            planned.skip = SkipReason::OcrTimedOut;
        else
            planned.skip = pick.wordCount == 0 ? SkipReason::NoText : SkipReason::TooFewWords;
        return planned;
    }
    nameFrom(planned, pick.text, false);
    return planned;
}

PlannedFile planByMetadata(const QString& format, const QString& path,
                           const std::optional<ExtractResult>& extracted) {
    PlannedFile planned;
    planned.source = path;
    planned.provenance.metadata = true;
    if (!extracted) {
        planned.provenance.ownName = true;
        nameFrom(planned, StripExtension(FileNameOf(path)), true);
        return planned;
    }
    planned.readIdentity = readIdentityOf(path, *extracted);
    const QStringList lines = documentInfoLines(*extracted);
    const qsizetype xmlFrom = lines.indexOf(QStringLiteral("Metadata:"));
    const QString name = composeMetadataName(format, [&](const QString& label) {
        const QString key = label + QLatin1Char(':');
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (!lines.at(i).contains(key, Qt::CaseInsensitive))
                continue;
            planned.provenance.fields.append({{}, label, xmlFrom >= 0 && i > xmlFrom, true});
            return LookupInfoField(lines, label);
        }
        planned.provenance.fields.append({{}, label, false, false});
        return QString();
    });
    // The placeholders, in the order composeMetadataName asked for them.
    qsizetype next = 0;
    for (const QString& part : format.split(QLatin1Char('-'))) {
        const QString token = trimBlanks(part);
        if (metadataLabel(token).isEmpty())
            continue;
        if (next < planned.provenance.fields.size())
            planned.provenance.fields[next++].placeholder = token;
    }
    // A document that could not be read has no fields at all; say why rather than "empty name".
    if (name.isEmpty() && !extracted->hasText()) {
        planned.skip = failureOf(*extracted);
        return planned;
    }
    nameFrom(planned, name, true);
    return planned;
}

} // namespace corvander
