#pragma once

#include "naming/learn/learning_index.h"
#include "naming/template/field_evaluation.h"

#include <QHash>
#include <QStringList>

#include <optional>
#include <vector>

namespace corvander {

// A field that gives one piece of the wanted name from the example, and how much the learner
// likes it: lower is better. What survives another document of the same kind ranks best (a
// value after its label, a labelled date), word positions worst.
struct Source {
    Alternative alternative;
    double rank = 0;
    qsizetype dateStart = -1; // a date's source: where that date stands in the text
    bool wholeDate = false;   // a date's source that writes day, month and year
    bool monthOnly = false;   // a date's source that writes its month and nothing else
};

namespace source_rank {
constexpr double kSignedLabel = 5; // after a label that ends in a sign: "No.:", "Ref."
constexpr double kPlainLabel = 14; // after a label of words only
constexpr double kSignedLabelAbove = 9;
constexpr double kPlainLabelAbove = 16;
constexpr double kWordsWhereLineEnds = 2; // N words where the rest of the line would do
constexpr double kInformation = 8;
constexpr double kToolInformation = 20; // creator, producer
constexpr double kFileName = 25;
constexpr double kLabelledPattern = 20;
constexpr double kLineStartPattern = 35;
constexpr double kZone = 30;
constexpr double kWords = 40;
constexpr double kLabelledDate = 6;
constexpr double kPlainLabelledDate = 8;
constexpr double kDateBelowLabel = 9;
constexpr double kFirstDate = 12;
constexpr double kInformationDate = 18;
constexpr double kMonthOnly = 6; // a number 01-12 is a month less surely than a whole date
constexpr double kModifier = 1;
constexpr double kMissingInKin = 5;   // no value on another document of the same kind
constexpr double kLongerLabel = 0.05; // per word: the whole label reads better and is safer
} // namespace source_rank

// The rank of a source after `label`: `signedRank` for a label that ends in a sign ("No.:"),
// `plainRank` for one of words only, a little better for each word of the label.
double labelRank(const QString& label, double signedRank, double plainRank);

// The formats that write `date` exactly as `written` ("%d.%m.%Y" for "12.03.2024"), each
// writing the year, or the day and the month; never the year, day, month order, which nobody
// writes.
QStringList formatsWriting(const QDate& date, const QString& written);

// Finds the sources of pieces of the wanted name in the example. Each source is checked on the
// example by the template's own evaluator before it is offered.
class SourceFinder {
public:
    // `kin`: other documents of the example's kind, on which a source should have a value too.
    SourceFinder(const LearningIndex& index, const FieldEvaluator& evaluator, DateOrder runOrder,
                 const std::vector<const PreparedDocument*>& kin);

    // `piece` as the name writes it, `folded` its folded form (Folding::Name): sources in the
    // text's words.
    QList<Source> textSources(const QString& piece, const QString& folded) const;
    // Sources in the document information and the file's own name and folder.
    QList<Source> informationSources(const QString& piece, const QString& folded) const;
    // Whether a value of the document information (or the file's name) begins with `folded`.
    bool informationBeginsWith(const QString& folded) const;
    // Sources that write a date of the document (or of its information) as `piece`: the first
    // few dates that can be written so, or only the date that begins at `dateStart`.
    QList<Source> dateSources(const QString& piece, qsizetype dateStart = -1) const;

private:
    void addLabelled(const QString& piece, const TextSpan& span, QList<Source>& into) const;
    void addPositions(const QString& piece, const TextSpan& span, QList<Source>& into) const;
    void addPattern(const QString& piece, const TextSpan& span, QList<Source>& into) const;
    void addDateFields(const QString& piece, const TextDate& date, const QString& format,
                       std::optional<DateOrder> order, QList<Source>& into) const;
    // Adds the alternative when it gives exactly `piece` on the example (with a modifier if
    // letter case asks for one); true when it does.
    bool admit(Alternative alternative, double rank, const QString& piece, QList<Source>& into,
               qsizetype dateStart = -1, bool wholeDate = false) const;
    std::optional<QString> valueOf(const Alternative& alternative) const;

    const LearningIndex& m_index;
    const FieldEvaluator& m_evaluator;
    DateOrder m_runOrder;
    std::vector<const PreparedDocument*> m_kin;
    QList<std::pair<Alternative, QString>> m_information; // with their values, folded
    mutable QHash<QString, std::optional<QString>> m_values;
};

} // namespace corvander
