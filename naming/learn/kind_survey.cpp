#include "naming/learn/kind_survey.h"

#include <QRegularExpression>

namespace corvander {

namespace {

// Two documents are of one kind when at least this share of the first page's lines of the
// shorter one are the other's too.
constexpr double kKinShare = 0.5;
constexpr int kMarkerWords = 6;
constexpr int kMarkerLetters = 5;
constexpr int kFirstPageLines = 80;

QStringView firstPage(const QString& text) {
    const QList<TextSpan> pages = pageSpans(text);
    return pages.isEmpty() ? QStringView()
                           : QStringView(text).mid(pages.first().start,
                                                   pages.first().end - pages.first().start);
}

// The lines of the first page as their kind writes them: folded, each number a "#".
QSet<QString> lineShapes(const std::optional<QString>& text) {
    static const QRegularExpression number(QStringLiteral("[0-9]+"));
    QSet<QString> shapes;
    if (!text)
        return shapes;
    const QStringView page = firstPage(*text);
    for (const QStringView line : page.split(QRegularExpression(QStringLiteral("[\\r\\n]+")))) {
        QString shape = foldedForm(line, Folding::Search);
        shape.replace(number, QStringLiteral("#"));
        int letters = 0;
        for (const QChar character : std::as_const(shape))
            letters += character.isLetter() ? 1 : 0;
        if (letters >= 3)
            shapes.insert(shape);
    }
    return shapes;
}

// Whether the text holds the legal form of a firm ("GmbH", "SARL", "Inc."): a sender's name
// more likely than the recipient's, who is often a person or the user's own office.
bool namesAFirm(const QString& text) {
    static const QSet<QString> forms = {
        QStringLiteral("ab"),      QStringLiteral("ag"),  QStringLiteral("as"),
        QStringLiteral("bv"),      QStringLiteral("co"),  QStringLiteral("corp"),
        QStringLiteral("gmbh"),    QStringLiteral("inc"), QStringLiteral("kg"),
        QStringLiteral("limited"), QStringLiteral("llc"), QStringLiteral("llp"),
        QStringLiteral("ltd"),     QStringLiteral("nv"),  QStringLiteral("oy"),
        QStringLiteral("plc"),     QStringLiteral("sa"),  QStringLiteral("sarl"),
        QStringLiteral("sas"),     QStringLiteral("sl"),  QStringLiteral("spa"),
        QStringLiteral("srl"),     QStringLiteral("ug")};
    const QString folded = foldedForm(text, Folding::Name);
    for (const QStringView word : wordRuns(folded)) {
        if (forms.contains(word.toString()))
            return true;
    }
    return false;
}

int letterCount(QStringView text) {
    int letters = 0;
    for (const QChar character : text)
        letters += character.isLetter() ? 1 : 0;
    return letters;
}

} // namespace

KindSurvey::KindSurvey(const TemplateDocument& example,
                       const QList<const TemplateDocument*>& others) {
    const QSet<QString> shapes = lineShapes(example.text);
    for (const TemplateDocument* document : others) {
        if (document == nullptr || document == &example ||
            (!example.path.isEmpty() && document->path == example.path))
            continue;
        Other other;
        other.document = document;
        if (document->text) {
            other.searchText = foldedForm(*document->text, Folding::Search);
            for (const QStringView word : wordRuns(foldedForm(*document->text, Folding::Name)))
                other.words.insert(word.toString());
        }
        const QSet<QString> theirs = lineShapes(document->text);
        const qsizetype fewer = std::min(shapes.size(), theirs.size());
        other.kin = fewer > 0 && double(QSet<QString>(shapes).intersect(theirs).size()) >=
                                     kKinShare * double(fewer);
        m_others << other;
    }
}

std::vector<const TemplateDocument*> KindSurvey::kin() const {
    std::vector<const TemplateDocument*> documents;
    for (const Other& other : m_others) {
        if (other.kin)
            documents.push_back(other.document);
    }
    return documents;
}

bool KindSurvey::kinHold(const QString& folded) const {
    bool anyKin = false;
    for (const Other& other : m_others) {
        if (!other.kin)
            continue;
        anyKin = true;
        if (other.words.contains(folded))
            return true;
    }
    return !anyKin;
}

std::optional<QString> KindSurvey::markerText(const LearningIndex& index,
                                              const QSet<QString>& valueWords,
                                              const QSet<QString>& nameWords) const {
    const QString& text = index.text();
    const QList<TextSpan>& pages = index.document().pages();
    if (pages.isEmpty())
        return std::nullopt;
    const bool kinKnown = std::any_of(m_others.cbegin(), m_others.cend(),
                                      [](const Other& other) { return other.kin; });
    std::optional<QString> best;
    int bestScore = 0;
    const qsizetype lines = std::min<qsizetype>(index.lines().size(), kFirstPageLines);
    for (qsizetype lineIndex = 0; lineIndex < lines; ++lineIndex) {
        const TextSpan line = index.lines().at(lineIndex);
        if (line.start >= pages.first().end)
            break;
        const QList<TextSpan> words = wordsIn(text, line);
        // Runs of words that hold letters, no digits and no value of the name.
        QList<TextSpan> run;
        const auto offer = [&] {
            const QString candidate = joinedWords(text, run.mid(0, kMarkerWords));
            run.clear();
            if (letterCount(candidate) < kMarkerLetters)
                return;
            const QString searched = foldedForm(candidate, Folding::Search);
            qsizetype holders = 0;
            bool heldByKin = false;
            for (const Other& other : m_others) {
                if (!other.searchText.contains(searched))
                    continue;
                if (!other.kin)
                    return;
                heldByKin = true;
                ++holders;
            }
            // What every other document holds marks nothing.
            if (m_others.size() > 1 && holders == m_others.size())
                return;
            // The topmost text, unless the documents of the kind lack it (then it changes from
            // document to document) or a lower one holds a word the user typed as it stands
            // (a sender's name typed in the name marks the sender). A text that documents of
            // another kind hold as well as this one's may look like kin, so the count of
            // holders decides nothing.
            // A label ("Project:") is no name, even when the user typed its word.
            bool named = false;
            for (const QStringView word : wordRuns(foldedForm(candidate, Folding::Name)))
                named = named || nameWords.contains(word.toString());
            named = named && !candidate.endsWith(QLatin1Char(':'));
            const int score = (!kinKnown || heldByKin ? 4 : 0) + (named ? 2 : 0) +
                              (namesAFirm(candidate) ? 1 : 0);
            if (!best || score > bestScore) {
                best = candidate;
                bestScore = score;
            }
        };
        // Words of signs only ("&", "-") join the words around them but begin or end nothing.
        qsizetype joiners = 0;
        for (const TextSpan& word : words) {
            const QStringView written = QStringView(text).mid(word.start, word.end - word.start);
            bool usable = hasLetter(written) && !hasDigit(written);
            for (const QStringView part : wordRuns(foldedForm(written, Folding::Name)))
                usable = usable && !valueWords.contains(part.toString());
            if (usable) {
                run << word;
                joiners = 0;
            } else if (!run.isEmpty() && !hasDigit(written) && wordRuns(written).isEmpty()) {
                run << word;
                ++joiners;
            } else if (!run.isEmpty()) {
                run.resize(run.size() - joiners);
                joiners = 0;
                offer();
            }
        }
        run.resize(run.size() - joiners);
        if (!run.isEmpty())
            offer();
    }
    return best;
}

} // namespace corvander
