// Dropping files and folders on the list.
#include "app/file_drop_list.h"
#include "tests/filelist/tree_helpers.h"
#include "tests/support/window_fixture.h"

#include <QDropEvent>
#include <QMimeData>
#include <QTest>
#include <QUrl>

namespace corvander {

namespace {

class Drop : public WindowTest {
protected:
    Drop() { root = tree.path(); }

    // Sends the drag's events to the list as the platform would; true when the list took them.
    bool dragOver(const QMimeData& data) {
        QWidget* target = ui.ListView1->viewport();
        const QPoint centre = target->rect().center();
        QDragEnterEvent enter(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &enter);
        QDragMoveEvent move(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &move);
        return enter.isAccepted() && move.isAccepted();
    }

    bool drop(const QMimeData& data) {
        QWidget* target = ui.ListView1->viewport();
        QDropEvent event(target->rect().center(), Qt::CopyAction, &data, Qt::LeftButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(target, &event);
        // The list hands the paths on once the drop itself has finished.
        QCoreApplication::processEvents();
        return event.isAccepted();
    }

    QTemporaryDir tree;
    QString root;
};

} // namespace

TEST_F(Drop, FilesAndFoldersKeepTheDroppedOrder) {
    const QString first = makeFile(root, QStringLiteral("loose/first.txt"));
    const QString lock = makeFile(root, QStringLiteral("loose/~lock.pdf"));
    makeFile(root, QStringLiteral("folder/b.pdf"));
    makeFile(root, QStringLiteral("folder/a.doc"));
    makeFile(root, QStringLiteral("folder/~a.pdf"));
    makeFile(root, QStringLiteral("folder/.hidden"));
    makeFile(root, QStringLiteral("folder/inner/c.pdf"));
    makeFile(root, QStringLiteral("other/z.pdf"));
    const QString gone = root + QStringLiteral("/loose/vanished.pdf");
    load();
    window->fileList().appendEntry(first);

    window->ListView1_OLEDragDrop(
        {first, root + QStringLiteral("/folder"), lock, gone, root + QStringLiteral("/other/")});
    // A dropped file goes in as delivered, listed or not, whatever its name; a folder's tree
    // goes in at the folder's place, level by level, without lock files or hidden files.
    EXPECT_EQ(entriesOf(window->fileList()),
              QStringList({first, first}) +
                  under(root, {"folder/a.doc", "folder/b.pdf", "folder/inner/c.pdf"}) +
                  QStringList({lock, gone}) + under(root, {"other/z.pdf"}));
    EXPECT_TRUE(dialogs.warnings().isEmpty());
}

TEST_F(Drop, ARealDropOfFilesIsAccepted) {
    const QString file = makeFile(root, QStringLiteral("x.pdf"));
    makeFile(root, QStringLiteral("folder/y.pdf"));
    load();
    // A file manager hands folders over with a final "/".
    auto data = std::make_unique<QMimeData>();
    data->setUrls({QUrl::fromLocalFile(file),
                   QUrl(QUrl::fromLocalFile(root).toString() + QStringLiteral("/folder/"))});
    EXPECT_TRUE(FileDropList::carriesLocalFiles(data.get()));
    EXPECT_TRUE(dragOver(*data));
    EXPECT_TRUE(drop(*data));
    EXPECT_EQ(entriesOf(window->fileList()),
              (QStringList{file, root + QStringLiteral("/folder/y.pdf")}));
}

TEST_F(Drop, DataWithoutLocalFilesIsRefused) {
    QTemporaryDir other;
    const QString unreadable = makeFile(other.path(), QStringLiteral("notes.txt"));
    load();
    window->fileList().appendEntry(unreadable);
    dialogs.clear();

    QMimeData text;
    text.setText(unreadable);
    QMimeData web;
    web.setUrls({QUrl(QStringLiteral("https://example.org/a.pdf"))});
    QMimeData html;
    html.setHtml(QStringLiteral("<a href=\"file:///etc/passwd\">x</a>"));
    for (const QMimeData* data : {&text, &web, &html}) {
        SCOPED_TRACE(data->formats().join(QLatin1Char(' ')).toStdString());
        EXPECT_FALSE(FileDropList::carriesLocalFiles(data));
        EXPECT_FALSE(dragOver(*data));
        EXPECT_FALSE(drop(*data));
    }
    EXPECT_FALSE(FileDropList::carriesLocalFiles(nullptr));
    // Nothing was added and nothing was checked.
    EXPECT_EQ(entriesOf(window->fileList()), QStringList{unreadable});
    EXPECT_TRUE(dialogs.shown().isEmpty());
}

TEST_F(Drop, DroppingTwoFoldersListsEachTreeOnceAndEveryDropIsChecked) {
    makeFile(root, QStringLiteral("one/a.pdf"));
    makeFile(root, QStringLiteral("two/b.pdf"));
    const QString unreadable = makeFile(root, QStringLiteral("one/notes.txt"));
    load();
    dialogs.clear();
    window->ListView1_OLEDragDrop({root + QStringLiteral("/one"), root + QStringLiteral("/two")});
    EXPECT_EQ(entriesOf(window->fileList()),
              under(root, {"one/a.pdf", "one/notes.txt", "two/b.pdf"}));
    const QStringList messages = dialogs.messages();
    EXPECT_TRUE(std::any_of(messages.begin(), messages.end(),
                            [&](const QString& text) { return text.contains(unreadable); }));
}

} // namespace corvander
