// "Load Sample/Example Files" and the sample list recorded at the first start.
#include "common/app_title.h"
#include "filelist/shift_cipher.h"
#include "tests/filelist/tree_helpers.h"
#include "tests/support/pdf_writer.h"
#include "tests/support/window_fixture.h"

#include <QPushButton>
#include <QUrl>

namespace corvander {

namespace {

const QString kQuestion =
    QStringLiteral("Would you like this software to open the folder where these sample files are "
                   "stored (so that you can view them before working with them)?");

class Samples : public WindowTest {
protected:
    QString samples() const { return programFolder + QStringLiteral("/Samples"); }

    QString snapshot() const {
        return ShiftDecode(settings.get(QStringLiteral("Snapshot")),
                           QString::fromLatin1(kSampleListKey));
    }

    QString addSample(const QString& name) {
        const QString path = samples() + QLatin1Char('/') + name;
        QDir().mkpath(samples());
        writePdf(path, pdfOfPages({QStringLiteral("Sample document ") + name}));
        return path;
    }

    bool checkNamed(const QString& path) const {
        const QStringList messages = dialogs.messages();
        return std::any_of(messages.begin(), messages.end(),
                           [&](const QString& text) { return text.contains(path); });
    }
};

} // namespace

TEST_F(Samples, AMissingOrEmptySamplesFolderRecordsNothingYetTheButtonAsksAndChecks) {
    for (const bool folderExists : {false, true}) {
        SCOPED_TRACE(folderExists ? "empty folder" : "missing folder");
        QDir(samples()).removeRecursively();
        if (folderExists)
            QDir().mkpath(samples());
        settings.save(QStringLiteral("Snapshot"), QString());
        QTemporaryDir other;
        const QString unreadable = makeFile(other.path(), QStringLiteral("notes.txt"));

        load();
        EXPECT_TRUE(settings.contains(QStringLiteral("Snapshot")));
        EXPECT_EQ(settings.get(QStringLiteral("Snapshot")), QString());
        window->fileList().appendEntry(unreadable);
        dialogs.clear();
        ui.PushButton6->click();

        EXPECT_EQ(entriesOf(window->fileList()), QStringList{unreadable});
        ASSERT_FALSE(dialogs.shown().isEmpty());
        EXPECT_EQ(dialogs.shown().first().kind, ScriptedDialogs::Kind::YesNo);
        EXPECT_EQ(dialogs.shown().first().text, kQuestion);
        EXPECT_EQ(dialogs.shown().first().title, applicationTitle());
        EXPECT_TRUE(checkNamed(unreadable));
        EXPECT_TRUE(dialogs.shownOf(ScriptedDialogs::Kind::OpenExternally).isEmpty());
        EXPECT_TRUE(dialogs.warnings().isEmpty());
    }
}

TEST_F(Samples, PressingTwiceAddsEachSampleOnce) {
    const QString b = addSample(QStringLiteral("b.pdf"));
    const QString a = addSample(QStringLiteral("a.pdf"));
    const QString hidden = addSample(QStringLiteral(".hidden.pdf"));
    load();
    EXPECT_EQ(snapshot(), QStringList({hidden, a, b}).join(QLatin1Char('|')));

    ui.PushButton6->click();
    ui.PushButton6->click();
    EXPECT_EQ(entriesOf(window->fileList()), (QStringList{hidden, a, b}));
    EXPECT_EQ(dialogs.shownOf(ScriptedDialogs::Kind::YesNo).size(), 2);
    EXPECT_TRUE(dialogs.warnings().isEmpty());
}

TEST_F(Samples, YesOpensTheSamplesFolderAndNoOpensNothing) {
    const QString a = addSample(QStringLiteral("a.pdf"));
    load();
    dialogs.answerYesNo(false);
    window->PushButton6_Click();
    EXPECT_EQ(entriesOf(window->fileList()), QStringList{a});
    EXPECT_TRUE(dialogs.shownOf(ScriptedDialogs::Kind::OpenExternally).isEmpty());

    dialogs.answerYesNo(true);
    window->PushButton6_Click();
    const auto opened = dialogs.shownOf(ScriptedDialogs::Kind::OpenExternally);
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(QUrl(opened.first().text).toLocalFile(), samples() + QLatin1Char('/'));
}

TEST_F(Samples, TheRecordIsMadeOnceAndVanishedSamplesAreSkipped) {
    const QString a = addSample(QStringLiteral("a.pdf"));
    const QString b = addSample(QStringLiteral("b.pdf"));
    load();
    const QString recorded = settings.get(QStringLiteral("Snapshot"));
    addSample(QStringLiteral("c.pdf"));
    QFile::remove(a);

    window.reset();
    load();
    EXPECT_EQ(settings.get(QStringLiteral("Snapshot")), recorded);
    window->PushButton6_Click();
    EXPECT_EQ(entriesOf(window->fileList()), QStringList{b});
    EXPECT_TRUE(dialogs.warnings().isEmpty());
}

TEST_F(Samples, TheListedTestIsCaseSensitive) {
    const QString a = addSample(QStringLiteral("a.pdf"));
    load();
    const QString otherCase = samples() + QStringLiteral("/A.pdf");
    window->fileList().appendEntry(otherCase);
    window->fileList().appendEntry(a + QLatin1Char(' '));
    window->PushButton6_Click();
    EXPECT_EQ(entriesOf(window->fileList()), (QStringList{otherCase, a + QLatin1Char(' '), a}));
}

TEST_F(Samples, ARecordWhoseFilesAreAllGoneIsMadeAgainFromTheSamplesBesideTheProgram) {
    // A first start from another place (the build folder) recorded files that are gone now.
    QTemporaryDir elsewhere;
    const QString gone = elsewhere.filePath(QStringLiteral("Samples/old.pdf"));
    settings.save(QStringLiteral("Snapshot"),
                  ShiftEncode(gone, QString::fromLatin1(kSampleListKey)));
    const QString a = addSample(QStringLiteral("a.pdf"));
    load();
    EXPECT_EQ(snapshot(), gone) << "start-up keeps a record that is not empty";
    window->PushButton6_Click();
    EXPECT_EQ(entriesOf(window->fileList()), QStringList{a});
    EXPECT_EQ(snapshot(), a);

    // One file of the record still there: the record stands.
    const QString b = addSample(QStringLiteral("b.pdf"));
    window->PushButton3_Click();
    window->PushButton6_Click();
    EXPECT_EQ(entriesOf(window->fileList()), QStringList{a});
    EXPECT_EQ(snapshot(), a);
    EXPECT_TRUE(QFile::exists(b));
}

} // namespace corvander
