// Naming by example in the window: a planned name typed over becomes a template line, learned as
// the command line's `learn` learns it.
#include "tests/app/template_window_fixture.h"
#include "tests/cli/program_runner.h"

#include <QLineEdit>

namespace corvander {

namespace {

const QString kAlderName = QStringLiteral("2024-05-07 Alder & Finch AF-7731");

// An invoice of one sender; the item lines vary in number so that word positions shift.
PdfDocument alder(int items, const QString& number, const QString& date) {
    QStringList lines = {QStringLiteral("Jane Roe Trading"), QStringLiteral("Alder & Finch SARL"),
                         QStringLiteral("Invoice")};
    for (int item = 0; item < items; ++item)
        lines << QStringLiteral("Rope %1 m 45,00 EUR").arg(item + 10);
    lines << QStringLiteral("Invoice No.: ") + number << QStringLiteral("Invoice date: ") + date;
    PdfDocument document;
    document.pages = {lines};
    return document;
}

class NameByExample : public TemplateWindow {
protected:
    // The editor of a planned name, while the list has one open; a closed one lingers a while.
    QLineEdit* nameEditor() const {
        for (QLineEdit* editor : ui.ListView1->viewport()->findChildren<QLineEdit*>())
            if (editor->isVisible())
                return editor;
        return nullptr;
    }

    // Double-clicks the row's planned name and types `name` over it.
    void typeName(int row, const QString& name) {
        const QModelIndex cell = ui.ListView1->model()->index(row, 1);
        const QPoint at = ui.ListView1->visualRect(cell).center();
        QTest::mouseClick(ui.ListView1->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(ui.ListView1->viewport(), Qt::LeftButton, {}, at);
        QLineEdit* editor = nameEditor();
        ASSERT_NE(editor, nullptr);
        editor->selectAll();
        QTest::keyClicks(editor, name);
        QTest::keyClick(editor, Qt::Key_Return);
    }

    QStringList templateLines() const { return ui.Text3->toPlainText().split(QLatin1Char('\n')); }
};

TEST_F(NameByExample, ANameTypedOverAPlannedOneAddsItsTemplateAndTheCommandLineLearnsTheSame) {
    const QString example = addPdf(
        QStringLiteral("a.pdf"), alder(1, QStringLiteral("AF-7731"), QStringLiteral("07.05.2024")));
    addPdf(QStringLiteral("b.pdf"),
           alder(3, QStringLiteral("AF-7790"), QStringLiteral("21.06.2024")));
    addPdf(QStringLiteral("c.pdf"), {QStringLiteral("Bolt GmbH Rechnung")});
    showWindow();
    // The names show for another family too, by the preview.
    ui.Option3->click();
    ui.Text3->setPlainText(QStringLiteral("{words 1}"));
    ui.Option2->click();
    ui.Text2->setText(QStringLiteral("%t"));
    ui.mnuPreview->trigger();
    ASSERT_EQ(ui.ListView1->columnCount(), 2) << messagesText().toStdString();

    // F2 on a path opens its name's editor; Escape leaves everything as it was.
    ui.ListView1->setCurrentItem(ui.ListView1->topLevelItem(1), 0);
    QTest::keyClick(ui.ListView1, Qt::Key_F2);
    ASSERT_NE(nameEditor(), nullptr);
    EXPECT_EQ(ui.ListView1->currentIndex().column(), 1);
    QTest::keyClick(nameEditor(), Qt::Key_Escape);
    EXPECT_EQ(nameEditor(), nullptr);
    QCoreApplication::processEvents();
    EXPECT_EQ(ui.Text3->toPlainText(), QStringLiteral("{words 1}"));

    // A double-click on a name edits it and leaves the entry in the list.
    typeName(0, kAlderName);
    ASSERT_TRUE(QTest::qWaitFor([&] { return templateLines().size() == 2; }, 30000))
        << messagesText().toStdString();
    EXPECT_EQ(window->fileList().entryCount(), 3);
    const QString learned = templateLines().first();
    EXPECT_TRUE(learned.startsWith(QStringLiteral("{if \""))) << learned.toStdString();
    EXPECT_EQ(templateLines().last(), QStringLiteral("{words 1}"));
    EXPECT_TRUE(ui.Option3->isChecked());
    EXPECT_EQ(settings.get(QStringLiteral("Option3")), QStringLiteral("True"));
    EXPECT_EQ(nameOnceShown(0, kAlderName + QStringLiteral(".pdf")),
              kAlderName + QStringLiteral(".pdf"));
    EXPECT_EQ(nameOnceShown(1, QStringLiteral("2024-06-21 Alder & Finch AF-7790.pdf")),
              QStringLiteral("2024-06-21 Alder & Finch AF-7790.pdf"));
    EXPECT_EQ(nameOnceShown(2, QStringLiteral("Bolt.pdf")), QStringLiteral("Bolt.pdf"));

    // A name that cannot be learned says why and changes nothing.
    dialogs.clear();
    typeName(2, QStringLiteral("Bolt AF-9999"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !dialogs.messages().isEmpty(); }, 30000));
    EXPECT_EQ(dialogs.messages(),
              QStringList{QStringLiteral("No template gives the name \"Bolt AF-9999\": the part "
                                         "\"AF-9999\" is not in the document")});
    EXPECT_EQ(templateLines(), (QStringList{learned, QStringLiteral("{words 1}")}));

    // The command line learns the same template from the same file and name ...
    ProgramRunner program;
    const ProgramResult learn =
        program.run({"learn", arg(example + QLatin1Char('=') + kAlderName)});
    EXPECT_EQ(learn.status, 0) << learn.err.toStdString();
    EXPECT_EQ(learn.out, "learned\t" + arg(example) + '\t' + arg(learned) + '\n');

    // ... and rename --like names the list as the window names it by that template alone.
    ui.Text3->setPlainText(learned);
    startRun();
    EXPECT_EQ(resultTree(), (QStringList{"2024-05-07 Alder & Finch AF-7731.pdf",
                                         "2024-06-21 Alder & Finch AF-7790.pdf"}));
    QTemporaryDir commandResults;
    QList<QByteArray> arguments = {"rename", "--like", arg(example + QLatin1Char('=') + kAlderName),
                                   "--to", arg(commandResults.path())};
    for (int position = 1; position <= window->fileList().entryCount(); ++position)
        arguments << arg(window->fileList().entryText(position));
    const ProgramResult like = program.run(arguments);
    EXPECT_EQ(like.status, 1) << like.err.toStdString();
    QStringList commandNames;
    QDirIterator it(commandResults.path(), QDir::Files);
    while (it.hasNext())
        commandNames << it.next().section(QLatin1Char('/'), -1);
    commandNames.sort();
    EXPECT_EQ(commandNames, resultTree());
}

} // namespace

} // namespace corvander
