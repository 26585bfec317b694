// Removal, clearing and the open dialog on the real window.
#include "app/file_drop_list.h"
#include "tests/filelist/tree_helpers.h"
#include "tests/support/window_fixture.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTest>

namespace corvander {

namespace {

class ListOperations : public WindowTest {
protected:
    void fill(const QStringList& paths) {
        for (const QString& path : paths)
            window->fileList().appendEntry(path);
    }

    void select(int position) {
        ui.ListView1->setCurrentItem(ui.ListView1->topLevelItem(position - 1));
    }

    // A real double-click on the entry at that position, as the user makes it.
    void doubleClick(int position) {
        QTreeWidgetItem* item = ui.ListView1->topLevelItem(position - 1);
        const QPoint centre = ui.ListView1->visualItemRect(item).center();
        // The platform sends press and release, then the double-click in place of a second press.
        QTest::mouseClick(ui.ListView1->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(ui.ListView1->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseRelease(ui.ListView1->viewport(), Qt::LeftButton, {}, centre);
    }

    void pressDelete() { QTest::keyClick(ui.ListView1, Qt::Key_Delete); }

    const QStringList three{QStringLiteral("/a/1.pdf"), QStringLiteral("/a/2.pdf"),
                            QStringLiteral("/a/3.pdf")};
};

} // namespace

TEST_F(ListOperations, RemovalOnAnEmptyListDoesNothing) {
    load();
    pressDelete();
    window->ListView1_DblClick();
    window->ListView1_KeyDown(Qt::Key_Delete);
    EXPECT_EQ(window->fileList().entryCount(), 0);
    EXPECT_TRUE(dialogs.shown().isEmpty());
}

TEST_F(ListOperations, DeleteRemovesTheSelectedEntryAndOtherKeysDoNothing) {
    load();
    fill(three);
    select(2);
    for (const Qt::Key key : {Qt::Key_Backspace, Qt::Key_A, Qt::Key_Insert})
        QTest::keyClick(ui.ListView1, key);
    EXPECT_EQ(entriesOf(window->fileList()), three);
    pressDelete();
    EXPECT_EQ(entriesOf(window->fileList()), (QStringList{three[0], three[2]}));
    ui.ListView1->clearSelection();
    pressDelete();
    EXPECT_EQ(window->fileList().entryCount(), 2);
}

TEST_F(ListOperations, DoubleClickRemovesTheClickedEntry) {
    load();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    fill(three);
    doubleClick(3);
    EXPECT_EQ(entriesOf(window->fileList()), (QStringList{three[0], three[1]}));
    doubleClick(1);
    EXPECT_EQ(entriesOf(window->fileList()), QStringList{three[1]});
}

TEST_F(ListOperations, RemovalAndClearingWaitWhileTheWindowIsBusy) {
    load();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    fill(three);
    select(1);
    window->busyPointer().setBusy(true);
    pressDelete();
    doubleClick(2);
    ui.PushButton3->click();
    EXPECT_EQ(entriesOf(window->fileList()), three);

    window->busyPointer().setBusy(false);
    ui.PushButton3->click();
    EXPECT_EQ(window->fileList().entryCount(), 0);
    EXPECT_EQ(ui.ListView1->headerItem()->text(0), QStringLiteral(" PDF File(s)"));
    EXPECT_TRUE(dialogs.warnings().isEmpty());
}

TEST_F(ListOperations, OpenDialogAppendsOneFileAsReturnedAndSeveralThroughThePathRule) {
    const struct {
        const char* name;
        QStringList chosen;
        QStringList entries;
    } cases[] = {
        {"one file", {"/srv//docs/a.pdf"}, {"/srv//docs/a.pdf"}},
        {"several",
         {"/srv//docs/b.pdf", "/srv//docs/a.pdf"},
         {"/srv/docs/b.pdf", "/srv/docs/a.pdf"}},
        {"several in the root", {"/x.pdf", "/y.pdf"}, {"/x.pdf", "/y.pdf"}},
        {"cancelled", {}, {}},
    };
    load();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        window->PushButton3_Click();
        dialogs.clear();
        if (!c.chosen.isEmpty())
            dialogs.answerFiles(c.chosen);
        window->PushButton1_Click();
        EXPECT_EQ(entriesOf(window->fileList()), c.entries);
        const auto shown = dialogs.shownOf(ScriptedDialogs::Kind::OpenFiles);
        ASSERT_EQ(shown.size(), 1);
        EXPECT_EQ(shown.first().title,
                  QStringLiteral("Add File(s) - Hold Ctrl to select multiple files"));
        EXPECT_EQ(shown.first().text, QStringLiteral("PDF Files (*.pdf)"));
    }
}

TEST_F(ListOperations, OpenDialogAddsDuplicatesAndChecksEvenWhenCancelled) {
    QTemporaryDir dir;
    const QString unreadable = makeFile(dir.path(), QStringLiteral("notes.txt"));
    load();
    window->fileList().appendEntry(unreadable);
    dialogs.answerFiles({QStringLiteral("/a/1.pdf"), QStringLiteral("/a/2.pdf")});
    window->PushButton1_Click();
    dialogs.answerFiles({QStringLiteral("/a/1.pdf"), QStringLiteral("/a/2.pdf")});
    window->PushButton1_Click();
    EXPECT_EQ(entriesOf(window->fileList()),
              (QStringList{unreadable, QStringLiteral("/a/1.pdf"), QStringLiteral("/a/2.pdf"),
                           QStringLiteral("/a/1.pdf"), QStringLiteral("/a/2.pdf")}));
    dialogs.clear();
    window->PushButton1_Click();
    EXPECT_EQ(window->fileList().entryCount(), 5);
    const QStringList messages = dialogs.messages();
    EXPECT_TRUE(std::any_of(messages.begin(), messages.end(),
                            [&](const QString& text) { return text.contains(unreadable); }));
}

TEST_F(ListOperations, OpenDialogFilterShowsPdfFilesInAnyLetterCase) {
    QTemporaryDir dir;
    for (const char* name : {"a.pdf", "B.PDF", "c.Pdf", "d.txt", "e.pdf.bak"})
        makeFile(dir.path(), QString::fromLatin1(name));
    makeFolder(dir.path(), QStringLiteral("sub.pdf"));
    load();
    dialogs.answerFilesShownIn(dir.path());
    window->PushButton1_Click();
    QStringList entries = entriesOf(window->fileList());
    entries.sort(Qt::CaseInsensitive);
    EXPECT_EQ(entries, under(dir.path(), {QStringLiteral("a.pdf"), QStringLiteral("B.PDF"),
                                          QStringLiteral("c.Pdf")}));
}

TEST_F(ListOperations, DeleteTakesEverySelectedEntryButNothingWhileBusy) {
    load();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    const QStringList five =
        three + QStringList{QStringLiteral("/a/4.pdf"), QStringLiteral("/a/5.pdf")};
    fill(five);
    // Ctrl-click picks entries one by one, Shift with an arrow key extends the pick.
    for (const int position : {1, 3}) {
        QTreeWidgetItem* item = ui.ListView1->topLevelItem(position - 1);
        QTest::mouseClick(ui.ListView1->viewport(), Qt::LeftButton, Qt::ControlModifier,
                          ui.ListView1->visualItemRect(item).center());
    }
    pressDelete();
    EXPECT_EQ(entriesOf(window->fileList()), (QStringList{five[1], five[3], five[4]}));

    select(1);
    QTest::keyClick(ui.ListView1, Qt::Key_Down, Qt::ShiftModifier);
    window->busyPointer().setBusy(true);
    pressDelete();
    EXPECT_EQ(window->fileList().entryCount(), 3);
    window->busyPointer().setBusy(false);
    pressDelete();
    EXPECT_EQ(entriesOf(window->fileList()), QStringList{five[4]});
}

TEST_F(ListOperations, DoubleClickTakesOnlyTheClickedEntryOfASelection) {
    load();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    fill(three);
    ui.ListView1->selectAll();
    ui.ListView1->setCurrentItem(ui.ListView1->topLevelItem(1), 0, QItemSelectionModel::NoUpdate);
    window->ListView1_DblClick();
    EXPECT_EQ(entriesOf(window->fileList()), (QStringList{three[0], three[2]}));
}

} // namespace corvander
