// The example documents that the build places beside the program.
#include "tests/filelist/tree_helpers.h"
#include "tests/support/window_fixture.h"

#include <QProcess>
#include <QRegularExpression>

namespace corvander {

namespace {

QString builtSamples() {
    return QStringLiteral(CORVANDER_BUILT_SAMPLES);
}

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString firstPageText(const QString& pdf) {
    return run(QStringLiteral("pdftotext"),
               {QStringLiteral("-l"), QStringLiteral("1"), pdf, QStringLiteral("-")});
}

QString infoField(const QString& info, const QString& label) {
    const QRegularExpression line(QStringLiteral("^") + label + QStringLiteral(":\\s*(.*)$"),
                                  QRegularExpression::MultilineOption);
    return line.match(info).captured(1).trimmed();
}

using ShippedSamples = WindowTest;

} // namespace

TEST_F(ShippedSamples, ThreeToFiveReadablePdfsThatShowTheProgramOff) {
    const QStringList names =
        QDir(builtSamples()).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    ASSERT_GE(names.size(), 3);
    ASSERT_LE(names.size(), 5);
    bool invoice = false;
    bool report = false;
    bool letter = false;
    const QRegularExpression dateLine(
        QStringLiteral("^.*\\b\\d{1,2} (January|February|March|April|May|June|July|August|"
                       "September|October|November|December) \\d{4}$"),
        QRegularExpression::MultilineOption);
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        const QString path = builtSamples() + QLatin1Char('/') + name;
        EXPECT_TRUE(name.endsWith(QStringLiteral(".pdf")));
        const QString info = run(QStringLiteral("pdfinfo"), {path});
        const QString page1 = firstPageText(path);
        EXPECT_GE(page1.toUtf8().size(), 10);
        invoice = invoice || page1.contains(QStringLiteral("Invoice No"));
        report = report || (infoField(info, QStringLiteral("Pages")) == QStringLiteral("3") &&
                            !infoField(info, QStringLiteral("Author")).isEmpty() &&
                            !infoField(info, QStringLiteral("Title")).isEmpty());
        letter = letter || dateLine.match(page1).hasMatch();
    }
    EXPECT_TRUE(invoice);
    EXPECT_TRUE(report);
    EXPECT_TRUE(letter);
}

TEST_F(ShippedSamples, AFreshStartLoadsThemAllAndFindsThemReadable) {
    programFolder = QFileInfo(builtSamples()).path();
    load();
    window->PushButton6_Click();
    const QStringList names = QDir(builtSamples()).entryList(QDir::Files, QDir::Name);
    EXPECT_EQ(entriesOf(window->fileList()), under(builtSamples(), names));
    for (const QString& message : dialogs.messages()) {
        for (const QString& name : names)
            EXPECT_FALSE(message.contains(name)) << message.toStdString();
    }
}

} // namespace corvander
