// Rename by template in the window: the family among the others, the template box and its
// mistakes, the names that follow the template, what is remembered, and the command line's
// agreement with the window.
#include "naming/template/dates.h"
#include "tests/app/template_window_fixture.h"
#include "tests/cli/program_runner.h"

namespace corvander {

namespace {

using Kind = ScriptedDialogs::Kind;

const QString kAlder = QStringLiteral(R"({if "Alder"}{date after "Invoice date:"} Alder & Finch )"
                                      R"({after "Invoice No.:" 1})");
const QString kBolt = QStringLiteral(R"(Bolt/{date after "Datum:" "%Y"}/{after "Nr." 1})");

TEST_F(TemplateWindow, TheFamilyIsExclusiveWithTheOtherTwoAndEverythingIsRemembered) {
    ui.Option3->click();
    EXPECT_TRUE(ui.Option3->isChecked());
    EXPECT_FALSE(ui.Option1->isChecked());
    EXPECT_FALSE(ui.Option2->isChecked());
    EXPECT_TRUE(window->renameControls().templateSelected());
    EXPECT_FALSE(window->renameControls().contentSelected());
    EXPECT_EQ(settings.get(QStringLiteral("Option1")), QStringLiteral("False"));
    EXPECT_EQ(settings.get(QStringLiteral("Option3")), QStringLiteral("True"));

    ui.Option2->click();
    EXPECT_FALSE(ui.Option3->isChecked());
    EXPECT_FALSE(window->renameControls().templateSelected());
    EXPECT_EQ(settings.get(QStringLiteral("Option3")), QStringLiteral("False"));
    EXPECT_EQ(settings.get(QStringLiteral("Option2")), QStringLiteral("True"));

    // The field buttons write at the cursor.
    ui.Option3->click();
    ui.Text3->setPlainText(QStringLiteral("Invoice "));
    ui.Text3->moveCursor(QTextCursor::End);
    ui.PushButton17->click();
    ui.PushButton21->click();
    EXPECT_EQ(ui.Text3->toPlainText(), QStringLiteral("Invoice {date}{file}"));
    ui.Text3->setPlainText(QStringLiteral("{words 1-2}\n\n{title}"));
    ui.mnuDateMdy->trigger();
    EXPECT_EQ(settings.get(QStringLiteral("DateOrder")), QStringLiteral("mdy"));

    window.reset();
    load();
    EXPECT_EQ(dialogs.warnings(), QStringList());
    EXPECT_EQ(dialogs.messages(), QStringList());
    EXPECT_TRUE(ui.Option3->isChecked());
    EXPECT_FALSE(ui.Option1->isChecked());
    EXPECT_FALSE(ui.Option2->isChecked());
    EXPECT_EQ(ui.Text3->toPlainText(), QStringLiteral("{words 1-2}\n\n{title}"));
    EXPECT_EQ(window->renameControls().templateLines(),
              (QStringList{"{words 1-2}", "", "{title}"}));
    EXPECT_TRUE(ui.mnuDateMdy->isChecked());
    EXPECT_FALSE(ui.mnuDateDmy->isChecked());
    EXPECT_EQ(window->renameControls().dateOrder(), QStringLiteral("mdy"));

    // An order that is none of the three leaves the locale's; so does none at all.
    const QString locales = corvander::dateOrderText(corvander::defaultDateOrder());
    for (const QString& stored : {QStringLiteral("xyz"), QString()}) {
        settings.save(QStringLiteral("DateOrder"), stored);
        load();
        EXPECT_EQ(window->renameControls().dateOrder(), locales) << stored.toStdString();
    }
}

TEST_F(TemplateWindow, AMistakeShowsUnderTheBoxAndNeitherRunNorPreviewBeginsUntilItIsMended) {
    addPdf(QStringLiteral("a.pdf"), {QStringLiteral("Alpha Beta Gamma")});
    ui.Option3->click();
    typeTemplate(QStringLiteral("{words 1-2} {wrods 1}"));
    EXPECT_TRUE(ui.Label2->text().contains(QStringLiteral("wrods")))
        << ui.Label2->text().toStdString();
    EXPECT_TRUE(ui.Label2->text().contains(QStringLiteral("character 14")))
        << ui.Label2->text().toStdString();

    dialogs.clear();
    startRun();
    ui.mnuPreview->trigger();
    ASSERT_EQ(dialogs.messages().size(), 2) << messagesText().toStdString();
    for (const QString& message : dialogs.messages())
        EXPECT_EQ(message, QStringLiteral("The template has a mistake: ") + ui.Label2->text());
    EXPECT_TRUE(resultTree().isEmpty());
    EXPECT_EQ(ui.ListView1->columnCount(), 1);

    // Among several lines, the first with a mistake is named; blank lines are none.
    ui.Text3->setPlainText(QStringLiteral("{words 1}\n\n{title"));
    EXPECT_TRUE(ui.Label2->text().startsWith(QStringLiteral("Line 3: ")))
        << ui.Label2->text().toStdString();

    // Another family runs whatever the box holds.
    ui.Option1->click();
    dialogs.clear();
    dialogs.answerInput(QStringLiteral("1"));
    startRun();
    EXPECT_EQ(resultTree(), QStringList{"Alpha.pdf"});

    ui.Option3->click();
    ui.Text3->setPlainText(QStringLiteral("\n{words 2-3}\n"));
    EXPECT_TRUE(ui.Label2->text().isEmpty());
    dialogs.clear();
    startRun();
    EXPECT_TRUE(dialogs.shownOf(Kind::Input).isEmpty()) << "the template carries everything";
    EXPECT_EQ(resultTree(), (QStringList{"Alpha.pdf", "Beta Gamma.pdf"}));
}

TEST_F(TemplateWindow, TheNameColumnFollowsTheTemplateAsItIsTyped) {
    PdfDocument report = pdfOfPages({QStringLiteral("Alpha Beta Gamma")});
    report.info.insert(QStringLiteral("Title"), QStringLiteral("Report"));
    addPdf(QStringLiteral("a.pdf"), report);
    addPdf(QStringLiteral("b.pdf"), {QStringLiteral("Delta")});
    addPdf(QStringLiteral("c.pdf"), report);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));

    ui.Option3->click();
    typeTemplate(QStringLiteral("{words 1-2}"));
    EXPECT_EQ(nameOnceShown(0, QStringLiteral("Alpha Beta.pdf")), QStringLiteral("Alpha Beta.pdf"));
    EXPECT_EQ(nameOnceShown(1, QStringLiteral("(skipped: no value for {words 1-2})")),
              QStringLiteral("(skipped: no value for {words 1-2})"));
    // Two files of one name: the second gets the mark its copy would get.
    EXPECT_EQ(nameOnceShown(2, QStringLiteral("Alpha Beta!.pdf")),
              QStringLiteral("Alpha Beta!.pdf"));
    EXPECT_TRUE(resultTree().isEmpty()) << "the names are only shown";

    QTest::keyClicks(ui.Text3, QStringLiteral(R"( {title|"untitled"})"));
    EXPECT_EQ(nameOnceShown(0, QStringLiteral("Alpha Beta Report.pdf")),
              QStringLiteral("Alpha Beta Report.pdf"));
    ui.Text3->setPlainText(QStringLiteral("{words 1}\n{words 1} {title|\"untitled\"}"));
    EXPECT_EQ(nameOnceShown(1, QStringLiteral("Delta.pdf")), QStringLiteral("Delta.pdf"));
    const QString tip = ui.ListView1->topLevelItem(0)->toolTip(1);
    EXPECT_TRUE(tip.contains(QStringLiteral(" = Alpha (")) && tip.contains(QStringLiteral("word")))
        << tip.toStdString();

    // A mistake, and then another family, take the template's names away.
    QTest::keyClicks(ui.Text3, QStringLiteral(" {"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return ui.ListView1->columnCount() == 1; }, 30000));
    ui.Text3->setPlainText(QStringLiteral("{words 1}"));
    EXPECT_EQ(nameOnceShown(0, QStringLiteral("Alpha.pdf")), QStringLiteral("Alpha.pdf"));
    ui.Option2->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return ui.ListView1->columnCount() == 1; }, 30000));
}

TEST_F(TemplateWindow, TheWindowAndTheCommandLineGiveTheSameNames) {
    const QStringList alder = {QStringLiteral("Alder & Finch Ltd"),
                               QStringLiteral("Invoice No.: AF-7731"),
                               QStringLiteral("Invoice date: 07.05.2024")};
    PdfDocument bolt;
    bolt.pages = {{QStringLiteral("Bolt GmbH"), QStringLiteral("Rechnung Nr. BG-12"),
                   QStringLiteral("Datum: 12. M\u00e4rz 2024")}};
    PdfDocument first;
    first.pages = {alder};
    addPdf(QStringLiteral("a.pdf"), first);
    addPdf(QStringLiteral("b.pdf"), bolt);
    addPdf(QStringLiteral("c.pdf"), {QStringLiteral("Nothing to go by")});
    addPdf(QStringLiteral("d.pdf"), first);

    ui.Option3->click();
    ui.Text3->setPlainText(kAlder + QLatin1Char('\n') + kBolt);
    ui.mnuDateMdy->trigger();
    startRun();
    const QStringList windowNames = resultTree();
    EXPECT_EQ(windowNames,
              (QStringList{"2024-07-05 Alder & Finch AF-7731!.pdf",
                           "2024-07-05 Alder & Finch AF-7731.pdf", "Bolt/2024/BG-12.pdf"}));

    QTemporaryDir commandResults;
    QList<QByteArray> arguments = {
        "rename",       "--template", arg(kAlder), "--template", arg(kBolt),
        "--date-order", "mdy",        "--dry-run", "--to",       arg(commandResults.path())};
    for (int position = 1; position <= window->fileList().entryCount(); ++position)
        arguments << arg(window->fileList().entryText(position));
    ProgramRunner program;
    const ProgramResult run = program.run(arguments);
    QStringList commandNames;
    QStringList skipped;
    for (const QByteArray& line : run.lines()) {
        const QList<QByteArray> fields = line.split('\t');
        ASSERT_EQ(fields.size(), 3) << line.constData();
        (fields.at(0) == "would-copy" ? commandNames : skipped) << QString::fromUtf8(fields.at(2));
    }
    commandNames.sort();
    EXPECT_EQ(commandNames, windowNames) << run.err.toStdString();
    EXPECT_EQ(skipped.size(), 1);
}

} // namespace

} // namespace corvander
