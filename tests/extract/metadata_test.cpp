#include "common/event_loop_waiter.h"
#include "extract/extraction_pool.h"
#include "extract/metadata.h"
#include "extract/waiting_progress.h"
#include "tests/extract/pdf_files.h"
#include "tests/support/scripted_dialogs.h"

#include <QRegularExpression>
#include <QTemporaryDir>

namespace corvander {

namespace {

using namespace pdf_files;

const QString kXmp = QStringLiteral("<?xpacket begin='' id='W5M0MpCehiHzreSzNTczkc9d'?>\n"
                                    "<x:xmpmeta xmlns:x='adobe:ns:meta/'>\n"
                                    "<rdf:Description dc:format='application/pdf'>\n"
                                    "<dc:description>Title: From the XML packet</dc:description>\n"
                                    "</rdf:Description>\n"
                                    "</x:xmpmeta>\n"
                                    "<?xpacket end='w'?>");

class MetadataTest : public ::testing::Test {
protected:
    void SetUp() override {
        // pdfinfo prints dates in the local time zone of its process.
        m_oldTz = qgetenv("TZ");
        m_hadTz = qEnvironmentVariableIsSet("TZ");
        qputenv("TZ", "UTC");
        pool = std::make_unique<corvander::ExtractionPool>(
            corvander::PoolSettings{QStringLiteral(CORVANDER_EXTRACT_PROGRAM), 2, 60000});
        files.setPath(input.path());
    }
    void TearDown() override {
        if (m_hadTz)
            qputenv("TZ", m_oldTz);
        else
            qunsetenv("TZ");
    }

    QStringList infoOf(const QString& path) {
        return ReadDocumentInfo(
            [this](const corvander::ExtractRequest& request) {
                return corvander::extractNow(*pool, waiter, request);
            },
            path);
    }

    QString write(const QString& name, const PdfDocument& doc) {
        const QString path = files.filePath(name);
        EXPECT_TRUE(writePdf(path, doc));
        return path;
    }

    std::unique_ptr<corvander::ExtractionPool> pool;
    corvander::EventLoopWaiter waiter;
    QTemporaryDir input;
    QDir files;
    ScriptedDialogs dialogs;

private:
    QByteArray m_oldTz;
    bool m_hadTz = false;
};

TEST_F(MetadataTest, EveryLabelOfTheFormatTable) {
    PdfDocument doc =
        pdfOfPages({QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three")});
    doc.version = QStringLiteral("1.6");
    doc.info = {{QStringLiteral("Author"), QStringLiteral("Jane Roe")},
                {QStringLiteral("Title"), QStringLiteral("Annual Report")},
                {QStringLiteral("Subject"), QStringLiteral("Finance (draft)")},
                {QStringLiteral("Creator"), QStringLiteral("Writer")},
                {QStringLiteral("Producer"), QStringLiteral("Press 2.0")},
                {QStringLiteral("Keywords"), QStringLiteral("money, year")},
                {QStringLiteral("CreationDate"), QStringLiteral("D:20120313090643Z")},
                {QStringLiteral("ModDate"), QStringLiteral("D:20130101120000Z")}};
    const QStringList lines = infoOf(write(QStringLiteral("report.pdf"), doc));

    const QList<QPair<QString, QString>> expected{
        {QStringLiteral("Author"), QStringLiteral("Jane Roe")},
        {QStringLiteral("Title"), QStringLiteral("Annual Report")},
        {QStringLiteral("Subject"), QStringLiteral("Finance (draft)")},
        {QStringLiteral("Creator"), QStringLiteral("Writer")},
        {QStringLiteral("Producer"), QStringLiteral("Press 2.0")},
        {QStringLiteral("Keywords"), QStringLiteral("money, year")},
        {QStringLiteral("CreationDate"), QStringLiteral("Tue Mar 13 09:06:43 2012 UTC")},
        {QStringLiteral("ModDate"), QStringLiteral("Tue Jan  1 12:00:00 2013 UTC")},
        {QStringLiteral("PDF Version"), QStringLiteral("1.6")},
        {QStringLiteral("Pages"), QStringLiteral("3")},
    };
    for (const auto& [label, value] : expected)
        EXPECT_EQ(LookupInfoField(lines, label), value) << label.toStdString();
    EXPECT_FALSE(lines.contains(QStringLiteral("Metadata:"))) << "no XML stream, no heading";
    EXPECT_TRUE(dialogs.shown().isEmpty());
}

TEST_F(MetadataTest, AccentedValuesComeBackComposed) {
    PdfDocument doc = pdfOfPages({QStringLiteral("x")});
    doc.info = {{QStringLiteral("Author"), QString::fromUtf8("Renée Ørsted")}};
    const QStringList lines = infoOf(write(QStringLiteral("a.pdf"), doc));
    EXPECT_EQ(LookupInfoField(lines, QStringLiteral("Author")), QString::fromUtf8("Renée Ørsted"));
}

TEST_F(MetadataTest, TitleWithTrailingBlanksAndEmptyTitle) {
    PdfDocument padded = pdfOfPages({QStringLiteral("x")});
    padded.info = {{QStringLiteral("Title"), QStringLiteral("  Padded Title   ")}};
    EXPECT_EQ(
        LookupInfoField(infoOf(write(QStringLiteral("p.pdf"), padded)), QStringLiteral("Title")),
        QStringLiteral("Padded Title"));

    PdfDocument empty = pdfOfPages({QStringLiteral("x")});
    empty.info = {{QStringLiteral("Title"), QString()},
                  {QStringLiteral("Author"), QStringLiteral("Someone")}};
    const QStringList lines = infoOf(write(QStringLiteral("e.pdf"), empty));
    EXPECT_FALSE(lines.filter(QRegularExpression(QStringLiteral("^Title: *$"))).isEmpty());
    EXPECT_EQ(LookupInfoField(lines, QStringLiteral("Title")), QString());
    EXPECT_EQ(LookupInfoField(lines, QStringLiteral("Author")), QStringLiteral("Someone"));
}

TEST_F(MetadataTest, FieldFoundOnlyInTheXmlMetadata) {
    PdfDocument doc = pdfOfPages({QStringLiteral("x")});
    doc.info = {{QStringLiteral("Author"), QStringLiteral("Jane Roe")}};
    doc.xmpMetadata = kXmp;
    const QStringList lines = infoOf(write(QStringLiteral("x.pdf"), doc));
    const qsizetype heading = lines.indexOf(QStringLiteral("Metadata:"));
    ASSERT_GE(heading, 0);
    EXPECT_LT(lines.indexOf(QStringLiteral("Pages:           1")), heading);
    EXPECT_EQ(lines.mid(heading + 1), kXmp.split(QLatin1Char('\n')));
    EXPECT_EQ(LookupInfoField(lines, QStringLiteral("Title")),
              QStringLiteral("From the XML packet</dc:description>"));
    EXPECT_EQ(LookupInfoField(lines, QStringLiteral("Author")), QStringLiteral("Jane Roe"));
}

TEST_F(MetadataTest, DocumentWithoutInformation) {
    const QStringList lines = infoOf(write(QStringLiteral("bare.pdf"), pdfOfPages({"x", "y"})));
    for (const char* label : {"Author", "Title", "Subject", "Creator", "Producer", "Keywords",
                              "CreationDate", "ModDate"})
        EXPECT_EQ(LookupInfoField(lines, QString::fromLatin1(label)), QString()) << label;
    EXPECT_EQ(LookupInfoField(lines, QStringLiteral("Pages")), QStringLiteral("2"));
}

TEST_F(MetadataTest, UnreadableInputGivesNoLinesAndNoReport) {
    const QList<QString> inputs{
        plainFile(files, QStringLiteral("notes.pdf"), "plain text\n"),
        plainFile(files, QStringLiteral("empty.pdf"), {}),
        files.filePath(QStringLiteral("missing.pdf")),
    };
    for (const QString& path : inputs)
        EXPECT_TRUE(infoOf(path).isEmpty()) << path.toStdString();
    EXPECT_TRUE(dialogs.shown().isEmpty());
}

TEST_F(MetadataTest, PathsWithShellCharactersAndLeadingHyphens) {
    PdfDocument doc = pdfOfPages({QStringLiteral("x")});
    doc.info = {{QStringLiteral("Title"), QStringLiteral("Odd Name")}};
    for (const QString& name :
         {QStringLiteral("say \"hi\" $HOME `id`.pdf"), QStringLiteral("-meta.pdf"),
          QStringLiteral("-v"), QStringLiteral("a;b&c|d>e.pdf"),
          QStringLiteral("line\nbreak.pdf")}) {
        const QString path = write(name, doc);
        EXPECT_EQ(LookupInfoField(infoOf(path), QStringLiteral("Title")),
                  QStringLiteral("Odd Name"))
            << name.toStdString();
    }
    // A path given relative to the current folder that begins with "-" is still a file.
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(files.path()));
    const QStringList lines = infoOf(QStringLiteral("-meta.pdf"));
    QDir::setCurrent(before);
    EXPECT_EQ(LookupInfoField(lines, QStringLiteral("Title")), QStringLiteral("Odd Name"));
}

TEST(LookupInfoField, MatchingRules) {
    const QStringList lines{
        QStringLiteral("Producer:        Press"),
        QStringLiteral("PDF version:     1.7"),
        QStringLiteral("Title:\t tabbed \t "),
        QStringLiteral("Subject: Subject: twice"),
        QStringLiteral("Keywords:   first   "),
        QStringLiteral("Keywords:   second"),
        QStringLiteral("Author:"),
        QStringLiteral("Pages:           12"),
    };
    struct Case {
        const char* label;
        QString value;
    };
    const QList<Case> cases{
        {"PDF Version", QStringLiteral("1.7")},
        {"pdf VERSION", QStringLiteral("1.7")},
        {"Title", QStringLiteral("\t tabbed \t")},
        {"Subject", QStringLiteral("Subject: twice")},
        {"Keywords", QStringLiteral("first")},
        {"Author", QString()},
        {"Creator", QString()},
        {"Pages", QStringLiteral("12")},
        {"Page", QString()},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LookupInfoField(lines, QString::fromLatin1(c.label)), c.value) << c.label;
    EXPECT_EQ(LookupInfoField({}, QStringLiteral("Title")), QString());
}

} // namespace

} // namespace corvander
