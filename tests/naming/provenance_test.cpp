// Where a planned name came from, in the words a tool tip and the journal show.
#include "naming/file_planner.h"

#include <gtest/gtest.h>

namespace corvander {

namespace {

ExtractResult answered(const QByteArray& text, int pages = 3) {
    ExtractResult result;
    result.outcome = ExtractResult::Outcome::Answered;
    result.status = 0;
    result.pageCount = pages;
    result.text = text;
    return result;
}

TEST(Provenance, ContentPicksSayWhichWordsOfWhichPages) {
    const QByteArray text = "Invoice No 4711 Date 2021\r\n\r\n\f";
    const struct {
        int mode;
        int count;
        int page;
        const char* wordList;
        const char* searchText;
        std::optional<ExtractResult> extracted;
        const char* described;
    } cases[] = {
        {0, 3, 0, "", "", answered(text), "words 1-3 of the document"},
        {1, 1, 0, "", "", answered(text), "word 1 of page 2"},
        {2, 2, 0, "", "", answered(text, 7), "words 1-2 of the last page (page 7)"},
        {3, 2, 5, "", "", answered(text), "words 1-2 of page 5"},
        {4, 2, 0, "2,4", "", answered(text), "words 2, 4 of page 1"},
        {5, 1, 0, "", "no", answered(text),
         "word 1 after the search text, found at character 9 of the document"},
        {6, 2, 0, "", "date", answered(text),
         "words 2-3 before the search text, found at character 17 of the document"},
        {5, 1, 0, "", "absent", answered(text),
         "the file's own name (the search text is not in the document)"},
        // Skipped files still say what was looked at.
        {5, 9, 0, "", "no", answered(text),
         "no words after the search text, found at character 9 "
         "of the document"},
        {0, 9, 0, "", "", answered(text), "the document"},
        {1, 1, 0, "", "", std::nullopt, "page 2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.described);
        const corvander::PlannedFile planned = corvander::planByContent(
            c.mode, QStringLiteral("/in/scan.pdf"), c.count, c.page,
            QString::fromLatin1(c.wordList), QString::fromLatin1(c.searchText), c.extracted);
        EXPECT_EQ(planned.provenance.describe(), QString::fromLatin1(c.described));
        EXPECT_EQ(planned.provenance.family(),
                  QStringLiteral("rename by content, mode %1").arg(c.mode));
    }
}

TEST(Provenance, MetadataSaysWhereEachPlaceholderFoundItsValue) {
    ExtractResult info = answered({});
    info.info = "Author:          Jane Roe\nPages:           1\n";
    info.xml = "<dc:title>Title: From XML</dc:title>\n";
    const corvander::PlannedFile planned = corvander::planByMetadata(
        QStringLiteral("%a - %t - %s"), QStringLiteral("/in/a.pdf"), info);
    EXPECT_EQ(planned.provenance.describe(),
              QStringLiteral("%a = Author from the document information; %t = Title from the XML "
                             "metadata; %s = Subject not in the document"));
    EXPECT_EQ(planned.provenance.family(), QStringLiteral("rename by metadata"));
    EXPECT_EQ(
        corvander::planByMetadata(QStringLiteral(" "), QStringLiteral("/in/a.pdf"), std::nullopt)
            .provenance.describe(),
        QStringLiteral("the file's own name (the format is blank)"));
}

} // namespace

} // namespace corvander
