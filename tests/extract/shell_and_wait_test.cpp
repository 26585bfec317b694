#include "common/window_port.h"
#include "extract/shell_and_wait.h"
#include "tests/support/test_files.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// A bar that remembers every text it was given.
class RecordingBar : public ProgressView {
public:
    int progressValue() const override { return value; }
    QString progressText() const override { return texts.isEmpty() ? QString() : texts.last(); }
    void setProgressValue(int v) override { values.append(value = v); }
    void setProgressText(const QString& text) override { texts.append(text); }

    int value = 0;
    QList<int> values;
    QStringList texts;
};

const QString kShell = QStringLiteral("/bin/sh");

TEST(ShellAndWait, ReturnsTheChildsExitCodeAfterItEnds) {
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(ShellAndWait(kShell, {QStringLiteral("-c"), QStringLiteral("sleep 0.3; exit 3")}), 3);
    EXPECT_GE(clock.elapsed(), 290);
}

TEST(ShellAndWait, QuickChildCostsNoFixedPollInterval) {
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(ShellAndWait(QStringLiteral("/bin/true"), {}), 0);
    // Ten whole polling intervals would take a second.
    EXPECT_LT(clock.elapsed(), 1000);
}

TEST(ShellAndWait, ProgramThatDoesNotExistGivesTheStartFailureAtOnce) {
    RecordingBar bar;
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(ShellAndWait(QStringLiteral("/nonexistent/corvander-no-such-program"), {}, {}, &bar),
              -2147221504 + 53);
    EXPECT_EQ(ShellAndWait(QString(), {}), kStartFailure);
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_TRUE(bar.texts.isEmpty()) << "a failed start leaves the bar alone";
}

TEST(ShellAndWait, StandardOutputReplacesOrExtendsTheFile) {
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("out.txt"));
    QFile old(out);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("stale content that is longer\n");
    old.close();

    EXPECT_EQ(ShellAndWait(QStringLiteral("/bin/echo"), {QStringLiteral("first")}, out), 0);
    EXPECT_EQ(fileBytes(out), QByteArray("first\n"));
    EXPECT_EQ(ShellAndWait(QStringLiteral("/bin/echo"), {QStringLiteral("second")}, out, nullptr,
                           {}, 0, 0, OutputMode::Append),
              0);
    EXPECT_EQ(fileBytes(out), QByteArray("first\nsecond\n"));
}

TEST(ShellAndWait, ArgumentsReachTheChildUnchangedWithoutAShell) {
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("args.txt"));
    const QStringList arguments{QStringLiteral("a \"b\" $HOME `id` 'c'; d"), QStringLiteral("-n"),
                                QStringLiteral("line\nbreak")};
    ShellAndWait(QStringLiteral("/usr/bin/printf"), QStringList{QStringLiteral("[%s]")} + arguments,
                 out);
    EXPECT_EQ(QString::fromUtf8(fileBytes(out)),
              QStringLiteral("[a \"b\" $HOME `id` 'c'; d][-n][line\nbreak]"));
}

TEST(ShellAndWait, EventsRunWhileTheChildRuns) {
    QElapsedTimer clock;
    clock.start();
    qint64 firedAt = -1;
    int ticks = 0;
    QTimer::singleShot(50, [&] { firedAt = clock.elapsed(); });
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(20);
    ShellAndWait(QStringLiteral("/bin/sleep"), {QStringLiteral("0.8")});
    EXPECT_GE(firedAt, 50);
    EXPECT_LT(firedAt, 400) << "a queued event waits one polling interval at most";
    EXPECT_GE(ticks, 5) << "events run on every pass, about ten times a second";
}

TEST(ShellAndWait, QuickChildLeavesTheBarAloneUntilTheEnd) {
    RecordingBar bar;
    ShellAndWait(QStringLiteral("/bin/sleep"), {QStringLiteral("0.3")}, {}, &bar,
                 QStringLiteral("Processing: a.pdf"), 40, 3);
    EXPECT_EQ(bar.texts, QStringList{QStringLiteral("Processing: a.pdf")});
    EXPECT_TRUE(bar.values.isEmpty());

    RecordingBar plain;
    ShellAndWait(QStringLiteral("/bin/true"), {}, {}, &plain);
    EXPECT_EQ(plain.texts, QStringList{QStringLiteral("Progress Bar")});
}

TEST(ShellAndWait, SlowChildShowsTheWaitingTextAndCreeps) {
    RecordingBar bar;
    // Fifty passes take about five seconds; the margin allows for a busy machine.
    ShellAndWait(QStringLiteral("/bin/sleep"), {QStringLiteral("6.5")}, {}, &bar,
                 QStringLiteral("Processing: a.pdf"), 25, 4);
    ASSERT_GE(bar.texts.size(), 3);
    EXPECT_EQ(bar.texts[0], QStringLiteral("Processing: a.pdf, Please wait.. 0"));
    EXPECT_EQ(bar.texts[1], QStringLiteral("Processing: a.pdf, Please wait.. 1"));
    EXPECT_EQ(bar.texts.last(), QStringLiteral("Processing: a.pdf"));
    EXPECT_EQ(bar.values, QList<int>{25});
}

TEST(ShellAndWait, KillingRunningChildrenEndsTheWait) {
    QElapsedTimer clock;
    clock.start();
    QTimer::singleShot(200, [] { KillRunningChildren(); });
    ShellAndWait(QStringLiteral("/bin/sleep"), {QStringLiteral("30")});
    EXPECT_LT(clock.elapsed(), 5000);
}

TEST(ShellAndWait, NestedWaitsAreAllKilled) {
    QElapsedTimer clock;
    clock.start();
    QTimer::singleShot(100, [] {
        QTimer::singleShot(200, [] { KillRunningChildren(); });
        ShellAndWait(QStringLiteral("/bin/sleep"), {QStringLiteral("30")});
    });
    ShellAndWait(QStringLiteral("/bin/sleep"), {QStringLiteral("30")});
    EXPECT_LT(clock.elapsed(), 5000);
}

} // namespace
