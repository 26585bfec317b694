#include "naming/learn/name_cover.h"

#include "naming/template/template_printer.h"

#include <QSet>

#include <algorithm>
#include <limits>

namespace corvander {

namespace {

constexpr qsizetype kLongestPiece = 24; // tokens of a name looked up as one piece
constexpr qsizetype kLongestDate = 9;   // "12 de marzo de 2024" and shorter
constexpr double kLiteralPiece = 1;
// Literal text that the document holds too: it may be a value that changes from document to
// document, more so when the other documents of the kind lack it.
constexpr double kLiteralWordInDocument = 5;
constexpr double kLiteralWordNotInKin = 25;
constexpr double kLiteralWordInCode = 20; // "AB" of the text's "AB-12": a part of a value
// Words that stand together in the text as they do in the name are constant text more likely
// than a value that happens to begin with one of them.
constexpr double kPhraseWord = 3;
constexpr double kTextForDate = 10;     // a date taken as plain words, not as a date
constexpr double kOtherDate = 3;        // a year (or month) of another date than the name's own
constexpr double kPerCharacter = 0.001; // among equals, the shorter template
constexpr double kNever = std::numeric_limits<double>::infinity();

struct Segment {
    qsizetype from = 0, to = 0; // tokens
    QList<Source> sources;
};

struct PartTable {
    QString part;
    QList<NameToken> tokens;
    QList<Segment> segments;
    QSet<std::pair<qsizetype, qsizetype>> phrases;     // pieces of several words the text holds
    QList<std::pair<qsizetype, qsizetype>> datePieces; // pieces that may be a date
    // Token boundaries inside a date that the name writes whole: a date is found as one, never
    // put together from fields of different dates (the year of one, the day of another).
    QList<bool> insideDate;
};

QString tokenText(const PartTable& table, qsizetype from, qsizetype to) {
    const qsizetype start = table.tokens.at(from).start;
    return table.part.mid(start, table.tokens.at(to - 1).end - start);
}

PartTable tableOf(const QString& part, const LearningIndex& index, const SourceFinder& finder,
                  const DateFinder& dates) {
    PartTable table{part, nameTokens(part), {}, {}, {}, {}};
    const QList<NameToken>& tokens = table.tokens;
    table.insideDate = QList<bool>(tokens.size() + 1, false);
    for (qsizetype from = 0; from < tokens.size(); ++from) {
        if (tokens.at(from).kind != NameToken::Kind::Word)
            continue;
        for (qsizetype to = from + 1; to <= tokens.size() && to - from <= kLongestDate; ++to) {
            if (tokens.at(to - 1).kind != NameToken::Kind::Word ||
                dates.readingsOf(tokenText(table, from, to)).isEmpty())
                continue;
            for (qsizetype inside = from + 1; inside < to; ++inside)
                table.insideDate[inside] = true;
        }
    }
    for (qsizetype from = 0; from < tokens.size(); ++from) {
        if (tokens.at(from).kind == NameToken::Kind::Blank)
            continue;
        bool words = false;
        bool digits = false;
        for (qsizetype to = from + 1; to <= tokens.size() && to - from <= kLongestPiece; ++to) {
            const NameToken& last = tokens.at(to - 1);
            words = words || last.kind == NameToken::Kind::Word;
            digits = digits || last.digits;
            const QString piece = tokenText(table, from, to);
            const QString folded = foldedForm(piece, Folding::Name);
            const bool inText = !folded.isEmpty() && index.contains(folded);
            // A longer piece holds this one: once the text lacks it, only a date written
            // another way or the document information can still give it.
            const bool inInformation = finder.informationBeginsWith(folded);
            if (!inText && !inInformation && to - from > kLongestDate)
                break;
            if (inText && words && to - from > 2)
                table.phrases.insert({from, to});
            if (last.kind == NameToken::Kind::Blank || !words)
                continue;
            QList<Source> sources = inText ? finder.textSources(piece, folded) : QList<Source>{};
            if (inInformation)
                sources += finder.informationSources(piece, folded);
            if (digits && to - from <= kLongestDate) {
                table.datePieces.append({from, to});
                const QList<Source> dates = finder.dateSources(piece);
                // A number that could be a month is no reason to doubt a value of the text.
                const bool date = std::any_of(dates.cbegin(), dates.cend(),
                                              [](const Source& each) { return !each.monthOnly; });
                for (Source& source : sources)
                    source.rank += date ? kTextForDate : 0;
                sources += dates;
            }
            if (!sources.isEmpty())
                table.segments.append({from, to, sources});
        }
    }
    return table;
}

// A year or a month goes with the date that the name writes whole, when it writes one: that
// date's sources are added (it may be no date the search tried first), the others' made worse.
void preferTheNamesDate(QList<PartTable>& tables, const SourceFinder& finder) {
    double best = kNever;
    qsizetype preferred = -1;
    for (const PartTable& table : std::as_const(tables)) {
        for (const Segment& segment : table.segments) {
            for (const Source& source : segment.sources) {
                if (source.wholeDate && source.dateStart >= 0 && source.rank < best) {
                    best = source.rank;
                    preferred = source.dateStart;
                }
            }
        }
    }
    if (preferred < 0)
        return;
    for (PartTable& table : tables) {
        for (const auto& [from, to] : std::as_const(table.datePieces)) {
            const QList<Source> added = finder.dateSources(tokenText(table, from, to), preferred);
            if (added.isEmpty())
                continue;
            auto segment = std::find_if(
                table.segments.begin(), table.segments.end(),
                [&](const Segment& each) { return each.from == from && each.to == to; });
            if (segment == table.segments.end())
                table.segments.append({from, to, added});
            else
                segment->sources += added;
        }
        for (Segment& segment : table.segments) {
            for (Source& source : segment.sources) {
                if (!source.wholeDate && source.dateStart >= 0 && source.dateStart != preferred)
                    source.rank += kOtherDate;
            }
        }
    }
}

// Why the part cannot be covered: the first word, reached by no piece, that holds a digit.
QString failureOf(const PartTable& table, const QList<double>& best, const LearningIndex& index,
                  const DateFinder& dates, DateOrder runOrder) {
    qsizetype reached = 0;
    for (qsizetype at = 0; at < best.size(); ++at) {
        if (best.at(at) < kNever)
            reached = at;
    }
    qsizetype token = reached;
    while (token < table.tokens.size() && !table.tokens.at(token).digits)
        ++token;
    if (token == table.tokens.size())
        token = reached;
    // The words of the part, and the one that holds the token.
    const QStringList words = table.part.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const qsizetype wordIndex =
        table.part.left(table.tokens.at(token).start).count(QLatin1Char(' '));
    const QString word = words.value(wordIndex);
    // A date of one to three words that holds it.
    for (qsizetype size = 3; size >= 1; --size) {
        for (qsizetype first = std::max<qsizetype>(wordIndex - size + 1, 0);
             first <= wordIndex && first + size <= words.size(); ++first) {
            const QList<FoundDate> readings = dates.readingsOf(words.mid(first, size).join(u' '));
            if (readings.isEmpty())
                continue;
            const FoundDate& reading =
                readings.size() > 1 && runOrder != DateOrder::Dmy ? readings.at(1) : readings.at(0);
            const QString iso = reading.date.toString(Qt::ISODate);
            for (const TextDate& found : index.dates()) {
                for (const DateReading& each : found.readings) {
                    if (each.date == reading.date)
                        return QStringLiteral("the date %1 is in the document, but no date format "
                                              "writes it as \"%2\"")
                            .arg(iso, words.mid(first, size).join(u' '));
                }
            }
            return QStringLiteral("the date %1 is not in the document in any form").arg(iso);
        }
    }
    if (index.contains(foldedForm(word, Folding::Name)))
        return QStringLiteral("the part \"%1\" is in the document, but no field gives it exactly")
            .arg(word);
    return QStringLiteral("the part \"%1\" is not in the document").arg(word);
}

// The cheapest cover of one part, or why there is none.
std::optional<QList<NamePiece>> coverPart(const PartTable& table, const LearningIndex& index,
                                          const std::function<bool(const QString&)>& kinHold,
                                          QList<double>& best) {
    const qsizetype count = table.tokens.size();
    QList<double> literalCost;
    for (const NameToken& token : table.tokens) {
        double cost = 0;
        if (token.digits) {
            cost = kNever;
        } else if (token.kind == NameToken::Kind::Word) {
            const QString folded = foldedForm(
                QStringView(table.part).mid(token.start, token.end - token.start), Folding::Name);
            switch (index.useOf(folded)) {
            case LearningIndex::WordUse::None:
                break;
            case LearningIndex::WordUse::Word:
                cost = kinHold(folded) ? kLiteralWordInDocument : kLiteralWordNotInKin;
                break;
            case LearningIndex::WordUse::InCode:
                cost = kLiteralWordInCode;
                break;
            }
        }
        literalCost << cost + kPerCharacter * double(token.end - token.start);
    }
    QList<QList<const Segment*>> startingAt(count);
    for (const Segment& segment : table.segments)
        startingAt[segment.from] << &segment;

    struct Step {
        qsizetype from = -1;
        const Source* source = nullptr; // nothing: literal text
    };
    best = QList<double>(count + 1, kNever);
    QList<Step> steps(count + 1);
    best[0] = 0;
    const auto offer = [&](qsizetype to, double cost, Step step) {
        if (cost < best.at(to) && !table.insideDate.at(to)) {
            best[to] = cost;
            steps[to] = step;
        }
    };
    for (qsizetype from = 0; from < count; ++from) {
        if (best.at(from) == kNever || table.insideDate.at(from))
            continue;
        double literal = best.at(from) + kLiteralPiece;
        int phraseWords = 0;
        for (qsizetype to = from + 1; to <= count && literal < kNever; ++to) {
            literal += literalCost.at(to - 1);
            phraseWords += table.tokens.at(to - 1).kind == NameToken::Kind::Word ? 1 : 0;
            const bool phrase = table.phrases.contains({from, to});
            offer(to, literal - (phrase ? kPhraseWord * (phraseWords - 1) : 0), {from, nullptr});
        }
        for (const Segment* segment : startingAt.at(from)) {
            for (const Source& source : segment->sources) {
                const double printed = double(printAlternative(source.alternative).size() + 2);
                offer(segment->to, best.at(from) + source.rank + kPerCharacter * printed,
                      {from, &source});
            }
        }
    }
    if (best.at(count) == kNever)
        return std::nullopt;

    QList<NamePiece> pieces;
    for (qsizetype to = count; to > 0; to = steps.at(to).from) {
        const Step& step = steps.at(to);
        if (step.source != nullptr) {
            pieces.prepend({QString(), step.source->alternative});
        } else if (!pieces.isEmpty() && !pieces.first().field) {
            pieces.first().literal.prepend(tokenText(table, step.from, to));
        } else {
            pieces.prepend({tokenText(table, step.from, to), std::nullopt});
        }
    }
    return pieces;
}

} // namespace

NameCover coverName(const QStringList& parts, const LearningIndex& index,
                    const SourceFinder& finder, const DateFinder& dates, DateOrder runOrder,
                    const std::function<bool(const QString&)>& kinHold) {
    QList<PartTable> tables;
    for (const QString& part : parts)
        tables << tableOf(part, index, finder, dates);
    preferTheNamesDate(tables, finder);
    NameCover cover;
    for (const PartTable& table : std::as_const(tables)) {
        QList<double> best;
        std::optional<QList<NamePiece>> pieces = coverPart(table, index, kinHold, best);
        if (!pieces) {
            cover.parts.clear();
            cover.failure = failureOf(table, best, index, dates, runOrder);
            return cover;
        }
        cover.parts << *pieces;
    }
    return cover;
}

} // namespace corvander
