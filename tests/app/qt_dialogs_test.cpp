// The real dialogs of the program, driven on the offscreen platform.
#include "app/check_list_dialog.h"
#include "app/qt_dialogs.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace corvander {

namespace {

// What a person saw in the open dialog before choosing every file it showed.
struct OpenDialogVisit {
    QStringList filters;
    QStringList shownFiles;
};

// Waits for the open dialog, goes to the folder, waits until it lists it, then selects every file
// it shows and presses Open. A dialog still open after that, or after ten seconds, is cancelled.
void chooseEverythingShownIn(QTimer& poll, const QString& folder, int expectedRows,
                             OpenDialogVisit& visit) {
    const QDeadlineTimer deadline(10000);
    QObject::connect(&poll, &QTimer::timeout, [=, &visit] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        if (deadline.hasExpired() || !visit.filters.isEmpty()) {
            dialog->reject();
            return;
        }
        if (dialog->directory().absolutePath() != folder) {
            dialog->setDirectory(folder);
            return;
        }
        // The file list of Qt's dialog (its side bar is a list view too).
        auto* view = dialog->findChild<QListView*>(QStringLiteral("listView"));
        const QModelIndex root = view->rootIndex();
        if (!root.isValid() || view->model()->rowCount(root) < expectedRows)
            return;
        visit.filters = dialog->nameFilters();
        for (int row = 0; row < view->model()->rowCount(root); ++row) {
            const QModelIndex index = view->model()->index(row, 0, root);
            if (QFileInfo(folder + QLatin1Char('/') + index.data().toString()).isFile()) {
                visit.shownFiles << index.data().toString();
                view->selectionModel()->select(index, QItemSelectionModel::Select |
                                                          QItemSelectionModel::Rows);
            }
        }
        // As the Open button does: QFileDialog checks the choice first.
        static_cast<QDialog*>(dialog)->accept();
    });
    poll.start(20);
}

// What a person saw in the check list, and did to it once it was open.
struct CheckListVisit {
    QStringList items;
    QStringList checked;
    bool okWithNothingChecked = true;
};

// Waits for the check list, notes what it shows, unchecks everything (and notes whether OK could
// still be pressed), checks the items in `check`, then presses OK, or Cancel when `cancel`.
void visitCheckList(QTimer& poll, const QStringList& check, bool cancel, CheckListVisit& visit) {
    const QDeadlineTimer deadline(10000);
    QObject::connect(&poll, &QTimer::timeout, [=, &visit] {
        auto* dialog = qobject_cast<CheckListDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        QListWidget* list = dialog->list();
        for (int row = 0; row < list->count(); ++row) {
            visit.items << list->item(row)->text();
            if (list->item(row)->checkState() == Qt::Checked)
                visit.checked << list->item(row)->text();
            list->item(row)->setCheckState(Qt::Unchecked);
        }
        QPushButton* ok = dialog->buttons()->button(QDialogButtonBox::Ok);
        visit.okWithNothingChecked = ok->isEnabled();
        for (int row = 0; row < list->count(); ++row) {
            if (check.contains(list->item(row)->text()))
                list->item(row)->setCheckState(Qt::Checked);
        }
        if (cancel || deadline.hasExpired())
            dialog->buttons()->button(QDialogButtonBox::Cancel)->click();
        else
            ok->click();
    });
    poll.start(20);
}

} // namespace

TEST(QtCheckList, ShowsTheItemsCheckedAsGivenAndReturnsWhatIsCheckedOnOk) {
    QtDialogs dialogs;
    const QStringList items = {QStringLiteral("deu"), QStringLiteral("eng"), QStringLiteral("fra")};
    CheckListVisit visit;
    QTimer poll;
    visitCheckList(poll, {QStringLiteral("fra"), QStringLiteral("deu")}, false, visit);
    const std::optional<QStringList> chosen =
        dialogs.chooseItems(QStringLiteral("Languages"), QStringLiteral("Read in:"), items,
                            {QStringLiteral("eng"), QStringLiteral("xyz")});
    EXPECT_EQ(visit.items, items);
    EXPECT_EQ(visit.checked, QStringList{QStringLiteral("eng")});
    EXPECT_FALSE(visit.okWithNothingChecked) << "OK needs a checked item";
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(*chosen, (QStringList{QStringLiteral("deu"), QStringLiteral("fra")}));
}

TEST(QtCheckList, CancelGivesNothing) {
    QtDialogs dialogs;
    CheckListVisit visit;
    QTimer poll;
    visitCheckList(poll, {QStringLiteral("b")}, true, visit);
    EXPECT_EQ(dialogs.chooseItems(QStringLiteral("T"), QStringLiteral("P"),
                                  {QStringLiteral("a"), QStringLiteral("b")}, {}),
              std::nullopt);
    EXPECT_EQ(visit.items, (QStringList{QStringLiteral("a"), QStringLiteral("b")}));
}

TEST(QtOpenDialog, ShowsAndReturnsPdfFilesInAnyLetterCaseUnderTheUnchangedFilter) {
    QTemporaryDir dir;
    for (const char* name : {"a.pdf", "B.PDF", "c.Pdf", "d.txt"}) {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    QtDialogs dialogs;
    OpenDialogVisit visit;
    QTimer poll;
    chooseEverythingShownIn(poll, dir.path(), 3, visit);
    QStringList chosen =
        dialogs.openFiles(QStringLiteral("Add"), QStringLiteral("PDF Files (*.pdf)"));

    EXPECT_EQ(visit.filters, QStringList{QStringLiteral("PDF Files (*.pdf)")});
    visit.shownFiles.sort(Qt::CaseInsensitive);
    EXPECT_EQ(visit.shownFiles, (QStringList{QStringLiteral("a.pdf"), QStringLiteral("B.PDF"),
                                             QStringLiteral("c.Pdf")}));
    chosen.sort(Qt::CaseInsensitive);
    EXPECT_EQ(chosen, (QStringList{dir.filePath(QStringLiteral("a.pdf")),
                                   dir.filePath(QStringLiteral("B.PDF")),
                                   dir.filePath(QStringLiteral("c.Pdf"))}));
}

} // namespace corvander
