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
    UnreadableNotes notes;
    notes.suggestOcr = true;
    notes.protectedFiles << front.entries[2] + QStringLiteral(": password needed");
    EXPECT_EQ(front.messages, QStringList{unreadableFilesMessage(unreadable, notes)});
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

// No words at all, a few bytes of words, no password and a wrong one: four causes, four reasons.
// The message keeps its own text and adds, after it, where OCR is turned on (only while it is off
// and a file has no text) and the files a password kept shut.
TEST_F(CheckFast, EachCauseHasItsOwnReasonAndTheMessageAddsWhatHelps) {
    ExtractResult wrong = answered({}, true);
    wrong.passwordRejected = true;
    extractor.addAnswerForFile(front.entries[0], answered("\f\f\f"));
    extractor.addAnswerForFile(front.entries[1], answered("Hi\f"));
    extractor.addAnswerForFile(front.entries[3], wrong);
    extractor.addAnswerForFile(front.entries[4], answered("Invoice 4711 for Jane Roe"));
    const QList<Readability> found = check();
    const QList<Readability> expected{Readability::NoText, Readability::LittleText,
                                      Readability::PasswordNeeded, Readability::WrongPassword,
                                      Readability::Readable};
    ASSERT_EQ(found, expected);
    QStringList reasons;
    for (const Readability readability : found)
        reasons << readabilityText(readability);
    EXPECT_EQ(reasons,
              (QStringList{"no text", "too little text", "password needed", "wrong password", ""}));

    ASSERT_EQ(front.messages.size(), 1);
    const QString& message = front.messages.first();
    const QString ownEnd = QStringLiteral(" if you have any questions.");
    const QString added = message.mid(message.indexOf(ownEnd) + ownEnd.size());
    EXPECT_EQ(added, QStringLiteral("\r\n\r\nFiles without text may be scans: turn on Options > "
                                    "\"Read scanned pages with OCR\" to read them.\r\n\r\n") +
                         front.entries[2] + QStringLiteral(": password needed\r\n") +
                         front.entries[3] + QStringLiteral(": wrong password"));
    EXPECT_TRUE(message.startsWith(QStringLiteral("These files could not be read:\r\n\r\n") +
                                   front.entries.mid(0, 4).join(QStringLiteral("\r\n"))));

    // With OCR on, a file without text gets no hint to turn it on.
    front.messages.clear();
    OcrSettings on;
    on.enabled = true;
    extractor.setOcr(on);
    check();
    ASSERT_EQ(front.messages.size(), 1);
    EXPECT_FALSE(front.messages.first().contains(QStringLiteral("OCR")));
    EXPECT_TRUE(front.messages.first().endsWith(front.entries[3] + ": wrong password"));
}

} // namespace corvander
