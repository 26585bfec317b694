// The worker's document information against pdfinfo's, run side by side on the same files.
#include "tests/extract/reference_tools.h"
#include "tests/extract/worker_documents.h"
#include "tests/extract/worker_session.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace corvander {

namespace {

using corvander::protocol::Fields;
using corvander::protocol::Tag;
using namespace worker_documents;

const QString kXmp = QStringLiteral("<?xpacket begin='' id='W5M0MpCehiHzreSzNTczkc9d'?>\n"
                                    "<x:xmpmeta xmlns:x='adobe:ns:meta/'>\n"
                                    "<dc:title>Stra\u00dfe &amp; Weg</dc:title>\n"
                                    "</x:xmpmeta>\n"
                                    "<?xpacket end='w'?>");

class WorkerInfo : public ::testing::Test {
protected:
    // Info must be what `pdfinfo FILE` prints and Xml what `pdfinfo -meta FILE` prints, with
    // pdfinfo's status.
    void expectSameInfo(const QString& path, const QByteArray& password = {},
                        const QStringList& passwordOptions = {}) {
        const Fields request =
            password.isNull() ? infoRequest(path) : withPassword(infoRequest(path), password);
        const std::optional<Fields> answer = worker->ask(request);
        ASSERT_TRUE(answer) << "no answer for " << path.toStdString();
        const ToolResult info = runPdfinfo(path, passwordOptions, environment);
        const ToolResult meta =
            runPdfinfo(path, passwordOptions + QStringList{QStringLiteral("-meta")}, environment);
        const std::string context = path.toStdString();
        EXPECT_EQ(number(*answer, Tag::Status), info.status) << context;
        EXPECT_EQ(meta.status, info.status) << context;
        EXPECT_EQ(field(*answer, Tag::Info).toStdString(), info.output.toStdString()) << context;
        EXPECT_EQ(field(*answer, Tag::Xml), meta.output) << context;
        EXPECT_EQ(answer->has(Tag::Error), info.status != 0) << context;
    }

    void restartIn(const QString& timeZone) {
        environment = workerEnvironment(timeZone);
        worker = std::make_unique<WorkerSession>(environment);
    }

    QString write(const QString& name, const PdfDocument& doc) {
        return worker_documents::write(dir.path(), name, doc);
    }

    QProcessEnvironment environment = workerEnvironment();
    std::unique_ptr<WorkerSession> worker = std::make_unique<WorkerSession>(environment);
    QTemporaryDir dir;
};

TEST_F(WorkerInfo, ShippedSamplesAndShapedPages) {
    const QDir samples(QStringLiteral(CORVANDER_SAMPLES));
    for (const QString& name : samples.entryList({QStringLiteral("*.pdf")}, QDir::Files))
        expectSameInfo(samples.filePath(name));
    // pdfinfo describes the first page: a crop box, then A4 turned, then letter turned.
    PdfDocument doc = shapedPages();
    expectSameInfo(write(QStringLiteral("cropped.pdf"), doc));
    doc.pageSetup[0] = doc.pageSetup[3];
    expectSameInfo(write(QStringLiteral("a4.pdf"), doc));
    doc.pageSetup[0] = {{0, 0, 792, 612}, {}, 90};
    doc.version = QStringLiteral("1.7");
    expectSameInfo(write(QStringLiteral("landscape.pdf"), doc));
}

TEST_F(WorkerInfo, InformationStringsInEveryEncoding) {
    PdfDocument doc = pdfOfPages({QStringLiteral("text")});
    doc.info = {
        {QStringLiteral("Title"), QStringLiteral("\u00dcberblick \u2013 \u2603 \U0001D11E")},
        {QStringLiteral("Author"), QStringLiteral("Zo\u00eb \u0141uczak")}};
    doc.rawInfo = {
        // PDFDocEncoding: bullet, dagger, ellipsis, em dash, breve, Latin-1 letters, and two
        // codes with no character.
        {QStringLiteral("Subject"),
         QByteArray("\x80 \x81 \x83 \x84 \x18 \xE9\xFC\xDF \x7F\x9F end")},
        {QStringLiteral("Keywords"), QByteArray("a\0b", 3)},
        {QStringLiteral("Creator"), QByteArray("\xFE\xFF\x00O\x00"
                                               "dd\x00",
                                               9)},
        {QStringLiteral("Producer"), QByteArray("\xFE\xFF")},
        {QStringLiteral("Department"), QByteArray("Field \xA4 Station")}};
    expectSameInfo(write(QStringLiteral("strings.pdf"), doc));
    doc.rawInfo.remove(QStringLiteral("Department"));
    doc.rawInfo.insert(QStringLiteral("Trapped"), "False");
    expectSameInfo(write(QStringLiteral("standard-keys-only.pdf"), doc));
}

TEST_F(WorkerInfo, DatesInTheLocalTimeOfSeveralZones) {
    PdfDocument doc = pdfOfPages({QStringLiteral("dated")});
    const QList<QPair<QByteArray, QByteArray>> dates{
        {"D:20240110093000+01'00'", "D:20240710233000-05'30'"},
        {"D:20240229235959Z", "D:2024"},
        {"D:199912312359", "yesterday"},
        {"20230401120000+14'00'", "D:20241327990000"}};
    for (const QString& zone :
         {QStringLiteral("UTC"), QStringLiteral("Europe/Berlin"),
          QStringLiteral("America/St_Johns"), QStringLiteral("Asia/Kolkata")}) {
        restartIn(zone);
        for (const auto& [created, modified] : dates) {
            doc.rawInfo = {{QStringLiteral("CreationDate"), created},
                           {QStringLiteral("ModDate"), modified}};
            expectSameInfo(write(QStringLiteral("dated.pdf"), doc));
        }
    }
}

TEST_F(WorkerInfo, TheXmlStreamAsPdfinfoMetaPrintsIt) {
    PdfDocument doc = pdfOfPages({QStringLiteral("one"), QStringLiteral("two")});
    expectSameInfo(write(QStringLiteral("none.pdf"), doc));
    doc.xmpMetadata = kXmp;
    expectSameInfo(write(QStringLiteral("xmp.pdf"), doc));
    EXPECT_TRUE(field(*worker->ask(infoRequest(dir.filePath(QStringLiteral("xmp.pdf")))), Tag::Xml)
                    .endsWith("<?xpacket end='w'?>\n"));
    // pdfinfo prints the stream as a C string.
    doc.xmpMetadata = QStringLiteral("<before/>") + QChar(0) + QStringLiteral("<after/>");
    expectSameInfo(write(QStringLiteral("zero.pdf"), doc));
}

TEST_F(WorkerInfo, CatalogFlagsFormsScriptsAndSubsets) {
    PdfDocument doc = pdfOfPages({QStringLiteral("flags")});
    const QList<QByteArray> catalogs{
        "/MarkInfo << /Marked true /UserProperties true >> /AcroForm << /Fields [] >>",
        "/MarkInfo << /Suspects true >> /AcroForm << /Fields [] /XFA [(x) 1 0 R] >>",
        "/Names << /JavaScript << /Names [(go) << /S /JavaScript /JS (app.alert\\(1\\)) >>] >> >>"};
    for (const QByteArray& entries : catalogs) {
        doc.catalogEntries = entries;
        expectSameInfo(write(QStringLiteral("catalog.pdf"), doc));
    }
    doc.catalogEntries.clear();
    const QList<QPair<QString, QByteArray>> subsets{
        {QStringLiteral("GTS_PDFA1Version"), "PDF/A-1b"},
        {QStringLiteral("GTS_PDFA1Version"), "PDF/A-3u"},
        {QStringLiteral("GTS_PDFXVersion"), "PDF/X-1a:2001"},
        {QStringLiteral("GTS_PDFXVersion"), "PDF/X-3:2003"},
        {QStringLiteral("GTS_PDFXVersion"), "PDF/X-2"},
        {QStringLiteral("GTS_PDFUAVersion"), "PDF/UA-1"},
        {QStringLiteral("GTS_PDFVTVersion"), "PDF/VT-2"},
        {QStringLiteral("GTS_PDFEVersion"), "PDF/E-1"},
        {QStringLiteral("GTS_PDFA1Version"), "something else"}};
    for (const auto& [key, version] : subsets) {
        doc.rawInfo = {{key, version}};
        expectSameInfo(write(QStringLiteral("subset.pdf"), doc));
    }
}

TEST_F(WorkerInfo, EncryptedDocumentsWithAndWithoutTheirPasswords) {
    PdfDocument doc = multiPage();
    doc.info = {{QStringLiteral("Title"), QStringLiteral("Sealed \u00e9")}};
    doc.rawInfo = {{QStringLiteral("CreationDate"), "D:20240110093000+01'00'"}};
    doc.xmpMetadata = kXmp;
    doc.encryption = PdfEncryption{"open sesame", "master key", -3904};
    const QString locked = write(QStringLiteral("locked.pdf"), doc);
    doc.encryption = PdfEncryption{{}, "master key", -44};
    const QString restricted = write(QStringLiteral("restricted.pdf"), doc);

    for (const QString& path : {locked, restricted}) {
        expectSameInfo(path);
        expectSameInfo(path, "master key", {QStringLiteral("-opw"), QStringLiteral("master key")});
    }
    expectSameInfo(locked, "open sesame", {QStringLiteral("-upw"), QStringLiteral("open sesame")});
    expectSameInfo(locked, "guess", {QStringLiteral("-upw"), QStringLiteral("guess")});
    // Only an owner password: it opens without one, and a password given is never tried on it.
    expectSameInfo(restricted, "open sesame");
    expectSameInfo(restricted, "guess");
    EXPECT_TRUE(field(*worker->ask(withPassword(infoRequest(locked), "master key")), Tag::Info)
                    .contains("Title:           Sealed \xC3\xA9\n"));
}

TEST_F(WorkerInfo, UnreadableFilesAndDocumentsWithoutPages) {
    for (const QString& path : brokenFiles(dir.path()))
        expectSameInfo(path);
    PdfDocument empty;
    empty.info = {{QStringLiteral("Title"), QStringLiteral("Nothing")}};
    const QString none = write(QStringLiteral("none.pdf"), empty);
    expectSameInfo(none);
    const std::optional<Fields> answer = worker->ask(infoRequest(none));
    EXPECT_EQ(number(*answer, Tag::Status), 99);
    EXPECT_EQ(number(*answer, Tag::PageCount), 0);
}

} // namespace

} // namespace corvander
