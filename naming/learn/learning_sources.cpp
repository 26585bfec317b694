#include "naming/learn/learning_sources.h"

#include "naming/template/template_printer.h"

#include <QRegularExpression>

#include <cmath>

namespace corvander {

namespace {

// How many places of a name piece are looked at in the document.
constexpr int kOccurrences = 4;

// A piece of text as a pattern that also takes other values of its shape: digits as any
// digits, letters as any letters, white space as any blanks of one line.
QString shapePattern(QStringView text) {
    QString pattern;
    qsizetype at = 0;
    while (at < text.size()) {
        const QChar character = text.at(at);
        qsizetype end = at + 1;
        const auto runWhile = [&](auto test) {
            while (end < text.size() && test(text.at(end)))
                ++end;
        };
        if (character.isDigit()) {
            runWhile([](QChar c) { return c.isDigit(); });
            pattern += QStringLiteral("[0-9]+");
        } else if (character.isLetter()) {
            runWhile([](QChar c) { return c.isLetter(); });
            pattern += QStringLiteral("\\p{L}+");
        } else if (isTemplateSpace(character)) {
            runWhile([](QChar c) { return isTemplateSpace(c); });
            pattern += QStringLiteral("\\h+");
        } else {
            pattern += QRegularExpression::escape(text.mid(at, 1));
        }
        at = end;
    }
    return pattern;
}

// The same text with only its digits made any digits: a label that may hold a number.
QString labelPattern(QStringView text) {
    QString pattern;
    qsizetype at = 0;
    while (at < text.size()) {
        qsizetype end = at + 1;
        if (text.at(at).isDigit()) {
            while (end < text.size() && text.at(end).isDigit())
                ++end;
            pattern += QStringLiteral("[0-9]+");
        } else if (isTemplateSpace(text.at(at))) {
            while (end < text.size() && isTemplateSpace(text.at(end)))
                ++end;
            pattern += QStringLiteral("\\h+");
        } else {
            pattern += QRegularExpression::escape(text.mid(at, 1));
        }
        at = end;
    }
    return pattern;
}

} // namespace

double labelRank(const QString& label, double signedRank, double plainRank) {
    const bool endsInSign = !label.isEmpty() && !label.back().isLetterOrNumber();
    const qsizetype words = label.count(QLatin1Char(' ')) + 1;
    return (endsInSign ? signedRank : plainRank) - source_rank::kLongerLabel * double(words);
}

SourceFinder::SourceFinder(const LearningIndex& index, const FieldEvaluator& evaluator,
                           DateOrder runOrder, const std::vector<const PreparedDocument*>& kin)
    : m_index(index), m_evaluator(evaluator), m_runOrder(runOrder), m_kin(kin) {
    for (const FieldKind kind :
         {FieldKind::Title, FieldKind::Author, FieldKind::Subject, FieldKind::Keywords,
          FieldKind::Creator, FieldKind::Producer, FieldKind::File, FieldKind::Folder}) {
        Alternative alternative;
        alternative.kind = kind;
        if (const std::optional<QString> value = valueOf(alternative))
            m_information.append({alternative, foldedForm(nameForm(*value), Folding::Name)});
    }
}

std::optional<QString> SourceFinder::valueOf(const Alternative& alternative) const {
    const QString key = printAlternative(alternative);
    auto found = m_values.find(key);
    if (found == m_values.end()) {
        const std::optional<FieldResult> result =
            m_evaluator.evaluate(alternative, m_index.document());
        found = m_values.insert(key, result ? std::optional<QString>(result->value)
                                            : std::optional<QString>());
    }
    return *found;
}

bool SourceFinder::admit(Alternative alternative, double rank, const QString& piece,
                         QList<Source>& into, qsizetype dateStart, bool wholeDate) const {
    const std::optional<QString> value = valueOf(alternative);
    if (!value)
        return false;
    const std::optional<QList<Modifier>> modifiers = modifiersFor(*value, piece);
    if (!modifiers)
        return false;
    alternative.modifiers = *modifiers;
    if (!modifiers->isEmpty())
        rank += source_rank::kModifier;
    for (const PreparedDocument* other : m_kin) {
        if (!m_evaluator.evaluate(alternative, *other)) {
            rank += source_rank::kMissingInKin;
            break;
        }
    }
    into.append({alternative, rank, dateStart, wholeDate});
    return true;
}

QList<Source> SourceFinder::textSources(const QString& piece, const QString& folded) const {
    QList<Source> sources;
    const QString& text = m_index.text();
    for (const TextSpan& span : m_index.occurrences(folded, kOccurrences)) {
        const bool endsAtWord = span.end == text.size() || isTemplateSpace(text.at(span.end));
        const bool startsAtWord = m_index.wordStartingAt(span.start) >= 0;
        if (endsAtWord) {
            addLabelled(piece, span, sources);
            if (startsAtWord)
                addPositions(piece, span, sources);
        }
        // A pattern also for a whole word: where no label stands before it, what does still
        // tells it apart better than its position.
        addPattern(piece, span, sources);
    }
    return sources;
}

QList<Source> SourceFinder::informationSources(const QString& piece, const QString& folded) const {
    QList<Source> sources;
    for (const auto& [alternative, value] : m_information) {
        if (value != folded)
            continue;
        const FieldKind kind = alternative.kind;
        const double rank = kind == FieldKind::File || kind == FieldKind::Folder
                                ? source_rank::kFileName
                            : kind == FieldKind::Creator || kind == FieldKind::Producer
                                ? source_rank::kToolInformation
                                : source_rank::kInformation;
        admit(alternative, rank, piece, sources);
    }
    return sources;
}

bool SourceFinder::informationBeginsWith(const QString& folded) const {
    for (const auto& each : m_information) {
        if (each.second.startsWith(folded))
            return true;
    }
    return false;
}

void SourceFinder::addLabelled(const QString& piece, const TextSpan& span,
                               QList<Source>& into) const {
    const qsizetype count = wordsIn(m_index.text(), span).size();
    const bool oneLine =
        m_index.lineIndexAt(span.start) == m_index.lineIndexAt(std::max(span.start, span.end - 1));
    const bool endsLine = m_index.endsLine(span.end);
    Alternative after;
    after.kind = FieldKind::After;
    for (const QString& label : m_index.labelsBefore(span.start)) {
        after.text = label;
        const double rank = labelRank(label, source_rank::kSignedLabel, source_rank::kPlainLabel);
        // A value that ends its line may be longer or shorter on another document: the rest of
        // the line takes it whole.
        if (oneLine && endsLine) {
            after.restOfLine = true;
            after.count = 0;
            admit(after, rank, piece, into);
        }
        after.restOfLine = false;
        after.count = int(count);
        admit(after, rank + (endsLine ? source_rank::kWordsWhereLineEnds : 0), piece, into);
    }
    after.restOfLine = false;
    after.count = int(count);
    for (const QString& label : m_index.labelsAbove(span.start)) {
        after.text = label;
        admit(after,
              labelRank(label, source_rank::kSignedLabelAbove, source_rank::kPlainLabelAbove),
              piece, into);
    }
}

void SourceFinder::addPositions(const QString& piece, const TextSpan& span,
                                QList<Source>& into) const {
    const qsizetype first = m_index.wordStartingAt(span.start);
    const qsizetype last = m_index.wordFrom(span.end) - 1;
    const int page = m_index.pageOfWord(first);
    if (last < first || m_index.pageOfWord(last) != page)
        return;
    Alternative words;
    words.kind = FieldKind::Words;
    words.first = m_index.numberOnPage(first);
    words.last = m_index.numberOnPage(last);
    if (page > 1)
        words.page = PageRef{page, false};
    admit(words, source_rank::kWords, piece, into);

    // The same words on the page's word boxes: a zone around them.
    const PageWords* boxes = m_index.document().pageWords(PageRef{page, false});
    if (boxes == nullptr)
        return;
    QStringList wanted;
    for (qsizetype word = first; word <= last; ++word) {
        const TextSpan& each = m_index.words().at(word);
        wanted << foldedForm(QStringView(m_index.text()).mid(each.start, each.end - each.start),
                             Folding::Search);
    }
    for (qsizetype at = 0; at + wanted.size() <= boxes->words.size(); ++at) {
        bool same = true;
        for (qsizetype i = 0; same && i < wanted.size(); ++i)
            same = foldedForm(boxes->words.at(at + i).text, Folding::Search) == wanted.at(i);
        if (!same)
            continue;
        double left = boxes->words.at(at).xMin, top = boxes->words.at(at).yMin;
        double right = boxes->words.at(at).xMax, bottom = boxes->words.at(at).yMax;
        for (qsizetype i = 1; i < wanted.size(); ++i) {
            const WordBox& box = boxes->words.at(at + i);
            left = std::min(left, box.xMin);
            top = std::min(top, box.yMin);
            right = std::max(right, box.xMax);
            bottom = std::max(bottom, box.yMax);
        }
        Alternative zone;
        zone.kind = FieldKind::Zone;
        zone.page = PageRef{page, false};
        zone.zone.x = std::floor(left) - 1;
        zone.zone.y = std::floor(top) - 1;
        zone.zone.width = std::ceil(right) + 1 - zone.zone.x;
        zone.zone.height = std::ceil(bottom) + 1 - zone.zone.y;
        admit(zone, source_rank::kZone, piece, into);
        return;
    }
}

void SourceFinder::addPattern(const QString& piece, const TextSpan& span,
                              QList<Source>& into) const {
    const QString& text = m_index.text();
    const TextSpan line = m_index.lines().at(m_index.lineIndexAt(span.start));
    if (span.end > line.end)
        return;
    // Digits or letters that run on across an end of the value: a pattern of its shape would
    // take them too.
    const auto runsOn = [&](qsizetype before, qsizetype after) {
        if (before < 0 || after >= text.size())
            return false;
        const QChar a = text.at(before), b = text.at(after);
        return (a.isDigit() && b.isDigit()) || (a.isLetter() && b.isLetter());
    };
    if (runsOn(span.start - 1, span.start) || runsOn(span.end - 1, span.end))
        return;
    // What stands before the value on its line, up to three words of it, tells where it is.
    QStringView before = QStringView(text).mid(line.start, span.start - line.start);
    const bool glued = !before.isEmpty() && !isTemplateSpace(before.back());
    const QList<TextSpan> context = wordsBefore(before, before.size(), 3);
    QString pattern;
    if (context.isEmpty()) {
        pattern = QStringLiteral("^\\h*");
    } else {
        pattern = labelPattern(
            before.mid(context.first().start, context.last().end - context.first().start));
        if (!glued)
            pattern += QStringLiteral("\\h+");
    }
    pattern += QLatin1Char('(') +
               shapePattern(QStringView(text).mid(span.start, span.end - span.start)) +
               QLatin1Char(')');
    Alternative match;
    match.kind = FieldKind::Match;
    match.text = pattern;
    const bool anchored = !context.isEmpty() && hasLetter(before.mid(context.first().start));
    admit(match, anchored ? source_rank::kLabelledPattern : source_rank::kLineStartPattern, piece,
          into);
}

} // namespace corvander
