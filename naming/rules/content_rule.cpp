#include "naming/rules/content_rule.h"

#include "extract/ocr_pages.h"
#include "extract/reason_texts.h"
#include "extract/text_reading.h"
#include "naming/content_words.h"
#include "naming/rules/naming_rules.h"
#include "naming/rules/plan_steps.h"
#include "naming/rules/rule_options.h"
#include <QCoreApplication>

#include <algorithm>

namespace corvander {

namespace {

// Whether the reading saw the whole range. A rule that asks for no words is met at once, however
// the document reads: its skip is the count's, never the document's.
bool readToTheEnd(const ExtractRequest& asked, const ExtractResult& extracted) {
    if (asked.stop.kind == StopRule::Kind::Words && asked.stop.count < 1)
        return false;
    return asked.stop.kind == StopRule::Kind::None ||
           (extracted.pageCount >= 0 && extracted.pagesRead >= extracted.pageCount);
}

// Too few words, or none at all where the mode reads: "no text" is said only of a document that
// has none anywhere, which a reading of one page of several cannot tell.
void skipWithoutWords(PlannedFile& planned, const ExtractResult& extracted) {
    if (pageHasWords(extracted.text) || extracted.textOffset > 0 || extracted.wordOffset > 0 ||
        !readToTheEnd(planned.provenance.request, extracted)) {
        planned.skip = SkipReason::TooFewWords;
        return;
    }
    const ExtractRequest& asked = planned.provenance.request;
    const bool onePage = asked.lastPageOnly || asked.firstPage > 0 || asked.lastPage > 0;
    if (!onePage || extracted.pageCount == 1) {
        planned.skip = SkipReason::NoText;
        return;
    }
    planned.skip = SkipReason::NoTextOnPage;
    const int page = asked.lastPageOnly ? extracted.pageCount : std::max(asked.firstPage, 1);
    planned.skipDetail = reasons::noTextOnPage(page);
}

} // namespace

FileArguments ContentRule::argumentsFor(const RunParameters& answers) const {
    const QString zero = QStringLiteral("0");
    if (answers.second.isEmpty())
        return {answers.first, zero, QString(), QString()};
    return {answers.first, answers.second, QString(), QString()};
}

WordPick ContentRule::pick(const QString& text, const RuleArguments& arguments,
                           const QString&) const {
    return firstWordsPick(text, arguments.count);
}

PlannedFile ContentRule::plan(const QString& path, const RuleArguments& arguments,
                              const std::optional<ExtractResult>& extracted) const {
    PlannedFile planned;
    planned.source = path;
    planned.provenance.mode = comboIndexOf(id());
    if (const auto asked = request(path, arguments))
        planned.provenance.request = *asked;
    if (!extracted) {
        planned.skip = missingAnswer();
        return planned;
    }
    planned.provenance.pageCount = extracted->pageCount;
    planned.readIdentity = readIdentityOf(path, *extracted);
    if (!extracted->hasText()) {
        skipAsFailed(planned, *extracted);
        return planned;
    }
    const QString text = decodeExtractedText(extracted->text);
    planned.provenance.pick = pick(text, arguments, path);
    WordPick& picked = planned.provenance.pick;
    // The text may begin after the start of the document: the search text's place, and the
    // numbers of the words before it, count from there.
    if (picked.hitOffset >= 0)
        picked.hitOffset += extracted->textOffset;
    if (numbersFromTextStart()) {
        for (int& number : picked.wordNumbers)
            number += int(extracted->wordOffset);
    }
    // Form feeds alone make a "word" that cleaning empties: a document read to its end without
    // words has no text, unless the mode stands in the file's own name. A reading that stopped
    // early (its rule met by such "words") has not seen the end, and names as the whole would.
    if (picked.text.isEmpty() ||
        (!picked.ownName && readToTheEnd(planned.provenance.request, *extracted) &&
         !pageHasWords(extracted->text))) {
        // A page OCR could not finish is why words are missing.
        if (!extracted->ocrTimedOut.isEmpty())
            planned.skip = SkipReason::OcrTimedOut;
        else
            skipWithoutWords(planned, *extracted);
        return planned;
    }
    nameFrom(planned, picked.text, false);
    return planned;
}

std::optional<RunParameters> FirstWordsOfRule::ask(Dialogs& dialogs) const {
    const std::optional<QString> x =
        askNumber(dialogs, QCoreApplication::translate("corvander::NamingRules", "Enter X"),
                  QCoreApplication::translate("corvander::NamingRules", "Input X"));
    if (!x)
        return std::nullopt;
    RunParameters answers;
    answers.first = *x;
    return answers;
}

std::optional<QString> FirstWordsOfRule::readOptions(const OptionValues& values,
                                                     RunParameters& answers) const {
    return readWordCount(values, answers);
}

} // namespace corvander
