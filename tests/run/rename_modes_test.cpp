#include "tests/run/rename_fixture.h"

namespace corvander {

namespace {

const QStringList kThreePages = {QStringLiteral("Invoice No 4711 Date 2021"),
                                 QStringLiteral("Second page words here"),
                                 QStringLiteral("Last page final words")};

} // namespace

// Every content mode on a real three-page document, from the click to the copy.
TEST_F(RenameTest, EachContentModeNamesTheCopy) {
    const struct {
        int mode;
        QStringList answers;
        const char* copy; // empty: the file is skipped
    } cases[] = {
        {0, {"3"}, "Invoice No 4711.pdf"},
        {0, {"2.5"}, "Invoice No.pdf"}, // halves round to even
        // Each page ends in an empty line and a form feed: an empty word, then one that the
        // cleaning removes.
        {0, {"9"}, "Invoice No 4711 Date 2021  Second page words.pdf"},
        {0, {"18"}, ""},
        {1, {"2"}, "Second page.pdf"},
        {2, {"2"}, "Last page.pdf"},
        {3, {"3", "3"}, "Last page final.pdf"},
        {3, {"1", "4"}, ""}, // beyond the last page
        {4, {"2,4"}, "No Date.pdf"},
        {4, {"10,11"}, ""},
        {5, {"no", "2"}, "4711 Date.pdf"},
        {5, {"absent", "2"}, "three.pdf"},
        {5, {"", "1"}, ""}, // no search text
        {6, {"DATE", "2"}, "No 4711.pdf"},
    };
    const QString source = addPdf(QStringLiteral("three.pdf"), kThreePages);
    for (const auto& c : cases) {
        const QString what = QStringLiteral("mode %1, %2").arg(c.mode).arg(c.answers.join('|'));
        runMode(c.mode, c.answers);

        const QString copy = QString::fromLatin1(c.copy);
        EXPECT_EQ(dialogs.unusedAnswers(), 0) << what.toStdString();
        EXPECT_TRUE(dialogs.warnings().isEmpty()) << what.toStdString();
        ASSERT_EQ(dialogs.messages().size(), 1) << what.toStdString();
        if (copy.isEmpty()) {
            EXPECT_TRUE(resultNames().isEmpty()) << what.toStdString();
            EXPECT_EQ(dialogs.messages().first(),
                      QStringLiteral("Done.\r\nThe following files were skipped because they "
                                     "could not be read or renamed:\r\n") +
                          source)
                << what.toStdString();
        } else {
            EXPECT_EQ(resultNames(), QStringList{copy}) << what.toStdString();
            EXPECT_EQ(fileBytes(results.filePath(copy)), fileBytes(source)) << what.toStdString();
            EXPECT_EQ(dialogs.messages().first(), QStringLiteral("Done.")) << what.toStdString();
        }
    }
}

TEST_F(RenameTest, SecondPageOfAOnePageDocumentSkipsIt) {
    const QString one = addPdf(QStringLiteral("one.pdf"), {QStringLiteral("Only page")});
    setMode(1);
    dialogs.answerInput(QStringLiteral("1"));
    startRun();
    EXPECT_TRUE(resultNames().isEmpty());
    EXPECT_TRUE(dialogs.messages().last().endsWith(QStringLiteral("\r\n") + one));
}

TEST_F(RenameTest, PromptsOfEachModeAndNumericReasking) {
    using Kind = ScriptedDialogs::Kind;
    addPdf(QStringLiteral("twelve.pdf"),
           {QStringLiteral("w1 w2 w3 w4 w5 w6 w7 w8 w9 w10 w11 w12")});
    const struct {
        int mode;
        QStringList answers;
        QStringList prompts; // prompt|title|default for each box, "!" for "Must be numeric."
        const char* copy;
    } cases[] = {
        {0,
         {"x", "", "1e0"},
         {"Enter X|Input X|1", "!", "Enter X|Input X|1", "!", "Enter X|Input X|1"},
         "w1.pdf"},
        {3,
         {"2", "a", "1"},
         {"Enter X|Input X|1", "Enter Y|Input Y|1", "!", "Enter Y|Input Y|1"},
         "w1 w2.pdf"},
        {4,
         {"a, 11", "", "10, 11"},
         {"Please enter word numbers (for example 10, 11 will use the tenth and eleventh word "
          "on the first page):|Input X1, X2, X3|10,11",
          "!",
          "Please enter word numbers (for example 10, 11 will use the tenth and eleventh word "
          "on the first page):|Input X1, X2, X3|10,11",
          "!",
          "Please enter word numbers (for example 10, 11 will use the tenth and eleventh word "
          "on the first page):|Input X1, X2, X3|10,11"},
         "w10 w11.pdf"},
        {5,
         {"W3", "-", " 2 "},
         {"Enter string to search for:|Input X|String", "Enter number of words to get:|Input N|1",
          "!", "Enter number of words to get:|Input N|1"},
         "w4 w5.pdf"},
        {6,
         {"w3", "1"},
         {"Enter string to search for:|Input X|String", "Enter number of words to get:|Input N|1"},
         "w2.pdf"},
    };
    for (const auto& c : cases) {
        runMode(c.mode, c.answers);

        QStringList shown;
        for (const auto& box : dialogs.shown()) {
            if (box.kind == Kind::Input)
                shown.append(box.text + '|' + box.title + '|' + box.defaultText);
            else if (box.kind == Kind::Message && box.text == QStringLiteral("Must be numeric."))
                shown.append(QStringLiteral("!"));
        }
        EXPECT_EQ(shown, c.prompts) << "mode " << c.mode;
        EXPECT_EQ(resultNames(), QStringList{QString::fromLatin1(c.copy)}) << "mode " << c.mode;
        EXPECT_EQ(dialogs.messages().last(), QStringLiteral("Done.")) << "mode " << c.mode;
    }
}

} // namespace corvander
