// "Add All PDF File(s) In Folder" on the real window.
#include "app/file_drop_list.h"
#include "common/app_title.h"
#include "tests/filelist/tree_helpers.h"
#include "tests/support/deep_tree.h"
#include "tests/support/window_fixture.h"

#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <fcntl.h>
#include <unistd.h>

namespace corvander {

namespace {

const QString kPrompt = QStringLiteral("Enter file extension to load:\r\r(* for all files, txt for "
                                       "all txt files, doc for all doc files, etc.)");

class FolderButton : public WindowTest {
protected:
    FolderButton() { root = tree.path(); }

    // Presses the button with the given answers; an empty folder cancels the folder dialog.
    void addFolder(const QString& extension, const QString& folder) {
        dialogs.answerInput(extension);
        if (!folder.isEmpty())
            dialogs.answerFolder(folder);
        window->PushButton5_Click();
    }

    // True when the readability check named the file as unreadable since the last clear.
    bool checkNamed(const QString& path) const {
        for (const QString& text : dialogs.messages())
            if (text.contains(path))
                return true;
        return false;
    }

    QTemporaryDir tree;
    QString root;
};

} // namespace

TEST_F(FolderButton, SkipsLockFilesAndHiddenFilesButSearchesHiddenFolders) {
    makeFile(root, QStringLiteral("report.pdf"));
    makeFile(root, QStringLiteral("~report.pdf"));
    makeFile(root, QStringLiteral(".hidden.pdf"));
    makeFile(root, QStringLiteral(".config/inside.pdf"));
    makeFile(root, QStringLiteral("sub/~$lock.pdf"));
    makeFile(root, QStringLiteral("sub/kept.pdf"));
    makeFile(root, QStringLiteral("sub/.DS.pdf"));
    load();
    addFolder(QStringLiteral("pdf"), root);
    EXPECT_EQ(entriesOf(window->fileList()),
              under(root, {"report.pdf", ".config/inside.pdf", "sub/kept.pdf"}));
    EXPECT_TRUE(dialogs.warnings().isEmpty());
}

TEST_F(FolderButton, TheAnswerPicksTheExtensionInAnyCaseAndStarTakesEverything) {
    for (const char* name : {"a.txt", "B.TXT", "c.Txt", "notes.txt.pdf", "README", "sub/d.tXt"})
        makeFile(root, QString::fromLatin1(name));
    const struct {
        const char* answer;
        QStringList files;
    } cases[] = {
        {"*", {"B.TXT", "README", "a.txt", "c.Txt", "notes.txt.pdf", "sub/d.tXt"}},
        {"txt", {"B.TXT", "a.txt", "c.Txt", "sub/d.tXt"}},
        {"TXT", {"B.TXT", "a.txt", "c.Txt", "sub/d.tXt"}},
        {"pdf", {"notes.txt.pdf"}},
        {"doc", {}},
    };
    load();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer);
        window->PushButton3_Click();
        addFolder(QString::fromLatin1(c.answer), root);
        EXPECT_EQ(entriesOf(window->fileList()), under(root, c.files));
        EXPECT_EQ(settings.get(QStringLiteral("Extension")), QString::fromLatin1(c.answer));
    }
}

TEST_F(FolderButton, AddingTheSameFolderTwiceDoublesTheEntries) {
    makeFile(root, QStringLiteral("one.pdf"));
    makeFile(root, QStringLiteral("sub/two.pdf"));
    load();
    addFolder(QStringLiteral("pdf"), root);
    addFolder(QStringLiteral("pdf"), root);
    const QStringList once = under(root, {"one.pdf", "sub/two.pdf"});
    EXPECT_EQ(entriesOf(window->fileList()), once + once);
}

TEST_F(FolderButton, PromptsRememberTheExtensionAndTheFolder) {
    makeFile(root, QStringLiteral("one.pdf"));
    load();
    dialogs.clear();

    // A typed extension is kept even when the folder dialog is then cancelled.
    addFolder(QStringLiteral("txt"), QString());
    ASSERT_EQ(dialogs.shownOf(ScriptedDialogs::Kind::Input).size(), 1);
    const auto prompt = dialogs.shownOf(ScriptedDialogs::Kind::Input).first();
    EXPECT_EQ(prompt.text, kPrompt);
    EXPECT_EQ(prompt.title, applicationTitle());
    EXPECT_EQ(prompt.defaultText, QStringLiteral("pdf"));
    ASSERT_EQ(dialogs.shownOf(ScriptedDialogs::Kind::Folder).size(), 1);
    EXPECT_EQ(dialogs.shownOf(ScriptedDialogs::Kind::Folder).first().title,
              QStringLiteral("Please select folder:"));
    EXPECT_EQ(dialogs.shownOf(ScriptedDialogs::Kind::Folder).first().text, QString());
    EXPECT_EQ(settings.get(QStringLiteral("Extension")), QStringLiteral("txt"));
    EXPECT_FALSE(settings.contains(QStringLiteral("LastFolder")));

    // A folder handed back with a final "/" is remembered without it, and offered next time.
    dialogs.clear();
    addFolder(QStringLiteral("pdf"), root + QLatin1Char('/'));
    EXPECT_EQ(dialogs.shownOf(ScriptedDialogs::Kind::Input).first().defaultText,
              QStringLiteral("txt"));
    EXPECT_EQ(settings.get(QStringLiteral("LastFolder")), root);
    EXPECT_EQ(entriesOf(window->fileList()), under(root, {"one.pdf"}));
    dialogs.clear();
    addFolder(QString(), QString());
    EXPECT_TRUE(dialogs.shownOf(ScriptedDialogs::Kind::Folder).isEmpty());
    EXPECT_EQ(settings.get(QStringLiteral("Extension")), QStringLiteral("pdf"));
    addFolder(QStringLiteral("pdf"), QString());
    EXPECT_EQ(dialogs.shownOf(ScriptedDialogs::Kind::Folder).first().text, root);
}

TEST_F(FolderButton, CancellingEitherPromptStillChecksTheList) {
    const QString unreadable = makeFile(root, QStringLiteral("notes.txt"));
    const struct {
        const char* name;
        QString extension;
    } cases[] = {{"extension prompt", QString()}, {"folder dialog", QStringLiteral("pdf")}};
    load();
    window->fileList().appendEntry(unreadable);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        dialogs.clear();
        addFolder(c.extension, QString());
        EXPECT_EQ(entriesOf(window->fileList()), QStringList{unreadable});
        EXPECT_TRUE(checkNamed(unreadable));
    }
}

TEST_F(FolderButton, TheWalkRefusesRemovalWhileItRuns) {
    makeFile(root, QStringLiteral("one.pdf"));
    load();
    window->fileList().appendEntry(QStringLiteral("/earlier/x.pdf"));
    ui.ListView1->setCurrentItem(ui.ListView1->topLevelItem(0));
    bool busyDuringWalk = false;
    // Runs at the walk's first yield to the event loop, as a user's key press or click would.
    QTimer::singleShot(0, window.get(), [&] {
        busyDuringWalk = window->busyPointer().isBusy();
        QTest::keyClick(ui.ListView1, Qt::Key_Delete);
        window->ListView1_DblClick();
        ui.PushButton3->click();
    });
    addFolder(QStringLiteral("pdf"), root);
    EXPECT_TRUE(busyDuringWalk);
    EXPECT_FALSE(window->busyPointer().isBusy());
    EXPECT_EQ(entriesOf(window->fileList()),
              QStringList{QStringLiteral("/earlier/x.pdf")} + under(root, {"one.pdf"}));
}

TEST_F(FolderButton, SaysInOneMessageWhatItLeftOutBeforeTheCheck) {
    makeFile(root, QStringLiteral("\u0421\u0447\u0435\u0442\u0430/\u0441\u0447\u0435\u0442.pdf"),
             {});
    const QByteArray rawRoot = QFile::encodeName(root);
    const int file = ::open((rawRoot + "/scan \xfc.pdf").constData(), O_CREAT | O_WRONLY, 0600);
    ASSERT_GE(file, 0);
    ::close(file);
    // A path too long for the rest of the program, made one folder at a time.
    const QString deep = makeDeepFolders(root, 17);
    ASSERT_TRUE(writeDeepFile(deep + QStringLiteral("/deep.pdf"), "%PDF-1.4\n"));
    load();
    addFolder(QStringLiteral("pdf"), root);
    EXPECT_EQ(entriesOf(window->fileList()),
              under(root, {"\u0421\u0447\u0435\u0442\u0430/\u0441\u0447\u0435\u0442.pdf"}));
    ASSERT_GE(dialogs.messages().size(), 2);
    EXPECT_EQ(dialogs.messages().first(),
              QStringLiteral("These were left out:\r\n\r\n") + root +
                  QStringLiteral("/scan \\xfc.pdf: the name is not valid UTF-8\r\n") + deep +
                  QStringLiteral("/deep.pdf: path too long"));
    EXPECT_TRUE(checkNamed(entriesOf(window->fileList()).first())) << "the check comes after";
    removeDeepTree(root);
}

} // namespace corvander
