#include "journal/journal_report.h"
#include "tests/journal/journal_fixture.h"

namespace corvander {

TEST_F(JournalTest, ReportQuotesCommasQuotesAndLineBreaks) {
    const auto journal = RunJournal::begin(runStart());
    const auto [plainSource, plainCopy] = sourceAndCopy(QStringLiteral("plain.pdf"), "%PDF a");
    journal->record(
        FileRecord::copied(plainSource, plainCopy, QStringLiteral("words 1-3 of page 2")));
    // Names with a comma, quotes and a line break, and a letter outside ASCII.
    const auto [oddSource, oddCopy] =
        sourceAndCopy(QStringLiteral("Smith, \"J\"\nRéport.pdf"), "%PDF b");
    journal->record(FileRecord::copied(
        oddSource, oddCopy, QStringLiteral("%a = Author from the document information")));
    journal->record(FileRecord::skipped(QStringLiteral("/in/cr\rname.pdf"),
                                        QStringLiteral("too few words, 2 of 3"), QString()));
    journal->end(false, 3, 3);

    const std::optional<QByteArray> csv = journalCsv(journal->path());
    ASSERT_TRUE(csv);
    const QString expected =
        QStringLiteral("source,new name,status,reason,provenance\r\n"
                       "%1,plain.pdf,copied,,words 1-3 of page 2\r\n"
                       "\"%2\",\"Smith, \"\"J\"\"\nRéport.pdf\",copied,,"
                       "%a = Author from the document information\r\n"
                       "\"/in/cr\rname.pdf\",,skipped,\"too few words, 2 of 3\",\r\n")
            .arg(plainSource, QString(oddSource).replace("\"", "\"\""));
    EXPECT_EQ(*csv, expected.toUtf8());

    EXPECT_EQ(journalCsv(sources.filePath(QStringLiteral("no journal"))), std::nullopt);
}

} // namespace corvander
