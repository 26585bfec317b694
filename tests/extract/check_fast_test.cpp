// The readability check over an extractor without workers: what it finds, and what it asks again.
#include "common/dialogs.h"
#include "common/event_loop_waiter.h"
#include "common/window_port.h"
#include "extract/check.h"
#include "tests/support/fake_extractor.h"
#include "tests/support/recording_front.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace corvander {

namespace {

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
    RecordingFront front;
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
