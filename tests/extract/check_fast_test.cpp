// The readability check over an extractor without workers: what it finds, and what it asks again.
#include "common/dialogs.h"
#include "common/event_loop_waiter.h"
#include "common/window_port.h"
#include "extract/check.h"
#include "tests/support/fake_extractor.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace corvander {

namespace {

// The parts of a front end the check drives, keeping what it was told.
class CheckFront : public Dialogs, public FileListView, public BusyPointer, public ProgressView {
public:
    void showMessage(const QString& text, const QString&) override { messages << text; }
    void showWarning(const QString& text, const QString&) override { messages << text; }
    bool askYesNo(const QString&, const QString&) override { return false; }
    std::optional<QString> askText(const QString&, const QString&, const QString&, bool) override {
        return std::nullopt;
    }
    QStringList openFiles(const QString&, const QString&) override { return {}; }
    QString browseForFolder(const QString&, const QString&) override { return {}; }
    QString saveFile(const QString&, const QString&, const QString&) override { return {}; }
    std::optional<QStringList> chooseItems(const QString&, const QString&, const QStringList&,
                                           const QStringList&) override {
        return std::nullopt;
    }
    bool openExternally(const QUrl&) override { return false; }

    int entryCount() const override { return int(entries.size()); }
    QString entryText(int position) const override { return entries.value(position - 1); }
    void appendEntry(const QString& path) override { entries << path; }
    bool isBusy() const override { return busy; }
    void setBusy(bool value) override { busy = value; }
    int progressValue() const override { return value; }
    QString progressText() const override { return text; }
    void setProgressValue(int to) override { value = to; }
    void setProgressText(const QString& to) override { text = to; }

    QStringList messages;
    QStringList entries;
    bool busy = false;
    int value = 0;
    QString text;
};

ExtractResult answered(const QByteArray& text, bool needsPassword = false) {
    ExtractResult result;
    result.outcome = ExtractResult::Outcome::Answered;
    result.status = needsPassword ? 1 : 0;
    result.needsPassword = needsPassword;
    result.text = text;
    return result;
}

class CheckFast : public ::testing::Test {
protected:
    CheckFast() {
        for (const char* name : {"text", "blank", "locked", "crashes", "slow"}) {
            const QString path = folder.filePath(QString::fromLatin1(name) + ".pdf");
            QFile file(path);
            EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write("%PDF-1.4\n") > 0);
            front.entries << path;
        }
        extractor.addAnswerForFile(front.entries[0], answered("Invoice 4711 for Jane Roe"));
        extractor.addAnswerForFile(front.entries[1], answered("  \r\n"));
        extractor.addAnswerForFile(front.entries[2], answered({}, true));
        // No answer for the fourth: its worker dies on it.
        ExtractResult late;
        late.outcome = ExtractResult::Outcome::TimedOut;
        extractor.addAnswerForFile(front.entries[4], late);
    }

    // The findings of one check, by list position.
    QList<Readability> check() {
        QList<Readability> found;
        m_check.setFileChecked([&](const corvander::CheckedFile& file) {
            EXPECT_EQ(file.position, found.size() + 1);
            found << file.readability;
        });
        m_check.run();
        return found;
    }

    QTemporaryDir folder;
    CheckFront front;
    FakeExtractor extractor;

private:
    corvander::EventLoopWaiter m_waiter;
    corvander::ReadabilityCheck m_check{
        {front, front, front, front, extractor, m_waiter, QStringLiteral("Form1.Check")}};
};

} // namespace

TEST_F(CheckFast, FindsEachKindOfFileAndAsksAgainOnlyWhatItCouldNotLearn) {
    const QList<Readability> expected{Readability::Readable, Readability::NoText,
                                      Readability::PasswordNeeded, Readability::Unreadable,
                                      Readability::TimedOut};
    EXPECT_EQ(check(), expected);
    EXPECT_EQ(extractor.sent().size(), 5);
    const QString unreadable = front.entries.mid(1).join(QStringLiteral("\r\n")) + "\r\n";
    EXPECT_EQ(front.messages, QStringList{unreadableFilesMessage(unreadable)});
    EXPECT_FALSE(front.busy);
    EXPECT_EQ(front.text, QStringLiteral("Progress Bar"));

    // What a worker that died or ran out of time gave says nothing of the file: only those two
    // are read again.
    EXPECT_EQ(check(), expected);
    ASSERT_EQ(extractor.sent().size(), 7);
    EXPECT_EQ(extractor.sent()[5].path, front.entries[3]);
    EXPECT_EQ(extractor.sent()[6].path, front.entries[4]);

    // A file changed since is read again.
    QFile changed(front.entries[0]);
    ASSERT_TRUE(changed.open(QIODevice::Append) && changed.write("more") > 0);
    changed.close();
    EXPECT_EQ(check(), expected);
    EXPECT_EQ(extractor.sent().size(), 10);
    EXPECT_EQ(extractor.sent()[7].path, front.entries[0]);
}

} // namespace corvander
