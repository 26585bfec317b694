// The quick look that enables the window's Undo and Save Report agrees with reading the whole
// journal, however the journal looks: what the menu offers is what an undo or report then finds.
#include "journal/journal_glance.h"
#include "journal/journal_lines.h"
#include "tests/journal/journal_fixture.h"

namespace corvander {

TEST_F(JournalTest, AGlanceSeesWhatTheWholeJournalSays) {
    const QByteArray start = startLine(runStart(), 4242);
    FileRecord copied =
        FileRecord::copied(QStringLiteral("/in/a.pdf"), QStringLiteral("/out/a.pdf"),
                           QStringLiteral("content: words 1-3"));
    copied.size = 8;
    copied.sha256 = QByteArray(64, 'a');
    const QByteArray copy = fileLine(copied);
    const QByteArray skip =
        fileLine(FileRecord::skipped(QStringLiteral("/in/b.pdf"), QStringLiteral("no text"), {}));
    const QByteArray undoneNamed = fileLine(
        FileRecord::skipped(QStringLiteral("/in/undone.pdf"), QStringLiteral("no text"), {}));
    const QByteArray end = endLine(QDateTime::currentDateTimeUtc(), false, 2, 2);
    const QByteArray undone = undoneLine(QDateTime::currentDateTimeUtc(), 1, 0);

    const QList<std::pair<const char*, QByteArray>> journals = {
        {"copies", start + skip + copy + end},
        {"skips only", start + skip + skip + end},
        {"undone", start + copy + end + undone},
        {"undone, then a torn line", start + copy + end + undone + "{\"type\":\"fi"},
        {"a file named undone", start + undoneNamed + copy + end},
        {"torn start", QByteArray("{\"type\":\"st\n") + start + copy},
        {"no start", skip + copy + end},
        {"empty", QByteArray()},
        {"not a journal", QByteArray("%PDF-1.4\n")},
        {"long lines", start + skip.repeated(3000) + copy.repeated(3000) + end + undone},
        {"a last line longer than a block",
         start + copy + end + undone.chopped(2) + QByteArray(200000, ' ') + "}\n"},
    };
    for (const auto& [label, bytes] : journals) {
        const QString path = state.filePath(QString::fromLatin1(label) + QStringLiteral(".jsonl"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        const std::optional<JournalContent> whole = readJournal(path);
        const std::optional<JournalGlance> glance = glanceAtJournal(path);
        ASSERT_EQ(glance.has_value(), whole.has_value()) << label;
        if (!whole)
            continue;
        EXPECT_EQ(glance->copies, whole->copies() > 0) << label;
        EXPECT_EQ(glance->undone, whole->undone) << label;
    }
    // The undo's mark is looked for at the end, where an undo puts it; one that a hand put
    // elsewhere is told by the undo itself.
    const QString edited = state.filePath(QStringLiteral("edited.jsonl"));
    QFile file(edited);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(start + copy + undone + copy + end);
    file.close();
    EXPECT_FALSE(glanceAtJournal(edited)->undone);

    // A link is not followed, as a journal is never read through one.
    const QString link = state.filePath(QStringLiteral("link.jsonl"));
    ASSERT_TRUE(QFile::link(state.filePath(QStringLiteral("copies.jsonl")), link));
    EXPECT_FALSE(glanceAtJournal(link));
}

} // namespace corvander
