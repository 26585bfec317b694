// The words of pages with their boxes, the information and the text from one request, and a page
// drawn as a picture: the words side by side with `pdftotext -bbox`, the rest with the worker's own
// single requests.
#include "tests/extract/reference_tools.h"
#include "tests/extract/worker_documents.h"
#include "tests/extract/worker_session.h"
#include "worker/word_box_codec.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace corvander {

namespace {

using corvander::protocol::Fields;
using corvander::protocol::Tag;
using namespace worker_documents;

// One page's words, each "xMin yMin xMax yMax text" with the numbers as pdftotext prints them.
using PageLines = QStringList;

QString unescaped(QString text) {
    text.replace(QLatin1String("&lt;"), QLatin1String("<"));
    text.replace(QLatin1String("&gt;"), QLatin1String(">"));
    text.replace(QLatin1String("&quot;"), QLatin1String("\""));
    text.replace(QLatin1String("&apos;"), QLatin1String("'"));
    return text.replace(QLatin1String("&amp;"), QLatin1String("&"));
}

// The words `pdftotext -bbox` lists on each page of the file.
QList<PageLines> pdftotextWords(const QString& path) {
    const ToolResult tool =
        runPdftotext(path, {QStringLiteral("-bbox")}, QProcessEnvironment::systemEnvironment());
    static const QRegularExpression line(
        QStringLiteral("<page |<word xMin=\"([^\"]+)\" yMin=\"([^\"]+)\" xMax=\"([^\"]+)\" "
                       "yMax=\"([^\"]+)\">(.*)</word>"));
    QList<PageLines> pages;
    for (auto match = line.globalMatch(QString::fromUtf8(tool.output)); match.hasNext();) {
        const QRegularExpressionMatch found = match.next();
        if (found.captured(0) == QLatin1String("<page "))
            pages.append(PageLines());
        else if (!pages.isEmpty())
            pages.last() << QStringList{found.captured(1), found.captured(2), found.captured(3),
                                        found.captured(4), unescaped(found.captured(5))}
                                .join(QLatin1Char(' '));
    }
    return pages;
}

QString printed(double number) {
    return QString::asprintf("%f", number);
}

// The pages of an answer's WordBoxes, as pdftotextWords gives them, by page number.
QMap<int, PageLines> workerWords(const Fields& answer) {
    QMap<int, PageLines> pages;
    const auto records = corvander::protocol::readWordBoxes(answer.value(Tag::WordBoxes));
    if (!records)
        return pages;
    for (const auto& page : *records) {
        PageLines& lines = pages[page.page];
        for (const auto& word : page.words)
            lines << QStringList{printed(word.xMin), printed(word.yMin), printed(word.xMax),
                                 printed(word.yMax), QString::fromStdString(word.text)}
                         .join(QLatin1Char(' '));
    }
    return pages;
}

Fields withField(Fields request, Tag tag, const char* value) {
    request.add(tag, value);
    return request;
}

Fields withWordPages(Fields request, const char* pages) {
    return withField(std::move(request), Tag::WordPages, pages);
}

Fields withInformation(Fields request) {
    request.add(Tag::WithInfo, "1");
    return request;
}

Fields wordsFirst(Fields request, int count) {
    request.add(Tag::Stop, "words");
    request.addNumber(Tag::StopCount, count);
    return request;
}

Fields pageRequest(const QString& path, int page, int width = 0, int height = 0) {
    Fields request;
    request.add(Tag::Operation, corvander::protocol::kOperationPage);
    request.add(Tag::Id, "p");
    request.add(Tag::Path, QFile::encodeName(path).toStdString());
    request.addNumber(Tag::FirstPage, page);
    if (width > 0)
        request.addNumber(Tag::ImageWidth, width);
    if (height > 0)
        request.addNumber(Tag::ImageHeight, height);
    return request;
}

// Several fonts and sizes on one page, characters that need escaping, and a second page.
PdfDocument mixedFonts() {
    PdfDocument doc;
    doc.extraFonts = {QStringLiteral("Times-Bold"), QStringLiteral("Courier")};
    doc.pages = {{}, {QStringLiteral("Second page of the invoice"), QStringLiteral("Total due")}};
    doc.rawContent[0] = "BT /F1 18 Tf 72 720 Td (Invoice No.: AF-7731) Tj ET\n"
                        "BT /F2 10 Tf 72 690 Td (Alder & Finch <Ltd> \"Ship\") Tj ET\n"
                        "BT /F3 7.5 Tf 300 650 Td (Total 1,234.50 EUR) Tj ET\n"
                        "BT /F2 24 Tf 400 100 Td (Paid) Tj ET";
    return doc;
}

class WorkerBoxes : public ::testing::Test {
protected:
    QProcessEnvironment environment = workerEnvironment();
    WorkerSession worker{environment};
    QTemporaryDir dir;
};

TEST_F(WorkerBoxes, WordsAndBoxesArePdftotextsOnEveryPage) {
    const QList<std::pair<QString, PdfDocument>> documents{
        {QStringLiteral("fonts.pdf"), mixedFonts()},
        {QStringLiteral("report.pdf"), multiPage()},
        {QStringLiteral("shaped.pdf"), shapedPages()}};
    for (const auto& [name, doc] : documents) {
        const QString path = write(dir.path(), name, doc);
        const QList<PageLines> expected = pdftotextWords(path);
        ASSERT_EQ(expected.size(), doc.pages.size()) << name.toStdString();
        // The whole text read with them; one page read, the others for their words alone; and
        // every page counted from the end.
        const QList<Fields> requests{
            withWordPages(textRequest(path), "1,2,3,4,5"),
            withWordPages(textRequest(path, 2, 2), "5,4,3,2,1"),
            withWordPages(wordsFirst(textRequest(path), 2), "-5,-4,-3,-2,-1,1")};
        for (const Fields& request : requests) {
            const std::optional<Fields> answer = worker.ask(request);
            ASSERT_TRUE(answer) << name.toStdString();
            ASSERT_EQ(number(*answer, Tag::Status), 0) << name.toStdString();
            const QMap<int, PageLines> words = workerWords(*answer);
            ASSERT_EQ(words.keys().size(), expected.size()) << name.toStdString();
            for (int page = 1; page <= expected.size(); ++page)
                EXPECT_EQ(words.value(page), expected.at(page - 1))
                    << name.toStdString() << " page " << page;
        }
    }
}

TEST_F(WorkerBoxes, PageSizesAreThoseOfTheTurnedPage) {
    const QString path = write(dir.path(), QStringLiteral("shaped.pdf"), shapedPages());
    const std::optional<Fields> answer = worker.ask(withWordPages(textRequest(path), "1,2,4"));
    ASSERT_TRUE(answer);
    const auto pages = corvander::protocol::readWordBoxes(answer->value(Tag::WordBoxes));
    ASSERT_TRUE(pages);
    ASSERT_EQ(pages->size(), 3u);
    const QList<std::pair<double, double>> sizes{{612, 792}, {792, 612}, {841.89, 595.28}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(pages->at(i).width, sizes.at(i).first, 1e-9) << i;
        EXPECT_NEAR(pages->at(i).height, sizes.at(i).second, 1e-9) << i;
    }
}

TEST_F(WorkerBoxes, OneRequestAnswersTextInformationAndWordsAsTheSingleRequestsDo) {
    PdfDocument doc = multiPage();
    doc.info = {{QStringLiteral("Title"), QStringLiteral("Field notes")},
                {QStringLiteral("Author"), QStringLiteral("M. Holt")}};
    doc.xmpMetadata = QStringLiteral("<x:xmpmeta xmlns:x=\"adobe:ns:meta/\"></x:xmpmeta>");
    const QString path = write(dir.path(), QStringLiteral("notes.pdf"), doc);
    const std::optional<Fields> info = worker.ask(infoRequest(path));
    ASSERT_TRUE(info);
    ASSERT_FALSE(field(*info, Tag::Info).isEmpty());

    // Whole, a range, and stopped early: the text and where it stopped are the same with the
    // extras as without.
    for (const Fields& plain :
         {textRequest(path), textRequest(path, 2, 4), wordsFirst(textRequest(path), 3)}) {
        const std::optional<Fields> alone = worker.ask(plain);
        const std::optional<Fields> combined =
            worker.ask(withInformation(withWordPages(plain, "1,5")));
        ASSERT_TRUE(alone && combined);
        EXPECT_EQ(field(*combined, Tag::Text), field(*alone, Tag::Text));
        EXPECT_EQ(number(*combined, Tag::PagesRead), number(*alone, Tag::PagesRead));
        EXPECT_EQ(number(*combined, Tag::PageCount), 5);
        EXPECT_EQ(field(*combined, Tag::Info), field(*info, Tag::Info));
        EXPECT_EQ(field(*combined, Tag::Xml), field(*info, Tag::Xml));
        EXPECT_EQ(workerWords(*combined).keys(), (QList<int>{1, 5}));
    }
    EXPECT_EQ(number(*worker.ask(wordsFirst(textRequest(path), 3)), Tag::PagesRead), 1)
        << "the early stop no longer stops";
}

TEST_F(WorkerBoxes, HostileRequestsGetAClearAnswer) {
    PdfDocument doc = pdfOfPages({QStringLiteral("One page")});
    const QString path = write(dir.path(), QStringLiteral("one.pdf"), doc);
    doc.pageSetup[0].cropBox = {100, 100, 100, 100};
    const QString flat = write(dir.path(), QStringLiteral("flat.pdf"), doc);
    doc.pageSetup[0] = {{0, 0, 0.01, 0.01}, {}, 0};
    const QString tiny = write(dir.path(), QStringLiteral("tiny.pdf"), doc);

    struct Case {
        const char* what;
        Fields request;
        int status;
    };
    const QList<Case> cases{
        {"word pages that are not numbers", withWordPages(textRequest(path), "1,x"), 2},
        {"a trailing comma", withWordPages(textRequest(path), "1,"), 2},
        {"a picture of a page past the end", pageRequest(path, 7), 99},
        {"a picture of page -1", pageRequest(path, -1), 99},
        {"a picture no pixels wide", withField(pageRequest(path, 1), Tag::ImageWidth, "0"), 2},
        {"a picture a word wide", withField(pageRequest(path, 1), Tag::ImageWidth, "wide"), 2},
        {"a picture too high", pageRequest(path, 1, 0, 5000), 2},
        {"a picture of a missing file", pageRequest(dir.filePath(QStringLiteral("no.pdf")), 1), 1},
    };
    for (const Case& test : cases) {
        const std::optional<Fields> answer = worker.ask(test.request);
        ASSERT_TRUE(answer) << test.what;
        EXPECT_EQ(number(*answer, Tag::Status), test.status) << test.what;
        EXPECT_FALSE(field(*answer, Tag::Error).isEmpty()) << test.what;
        EXPECT_FALSE(answer->has(Tag::Image)) << test.what;
    }

    // Pages the document does not have bring no words, and the rest of the answer stands.
    const std::optional<Fields> past = worker.ask(withWordPages(textRequest(path), "3,0,-9,1"));
    ASSERT_TRUE(past);
    EXPECT_EQ(number(*past, Tag::Status), 0);
    EXPECT_EQ(workerWords(*past).keys(), QList<int>{1});

    // A page without area is drawn as nothing, and says so; a page of a hundredth of a point is
    // drawn small, soon. Their words are pdftotext's, and the worker goes on.
    const std::optional<Fields> drawn = worker.ask(pageRequest(flat, 1));
    ASSERT_TRUE(drawn);
    EXPECT_EQ(number(*drawn, Tag::Status), 2);
    EXPECT_EQ(field(*drawn, Tag::Error), "the page has no area");
    EXPECT_FALSE(drawn->has(Tag::Image));
    const std::optional<Fields> small = worker.ask(pageRequest(tiny, 1), 20000);
    ASSERT_TRUE(small) << "a tiny page takes too long to draw";
    EXPECT_LE(number(*small, Tag::ImageHeight), 1);
    for (const QString& file : {flat, tiny}) {
        const std::optional<Fields> words = worker.ask(withWordPages(textRequest(file), "1"));
        ASSERT_TRUE(words);
        EXPECT_EQ(number(*words, Tag::Status), 0);
        EXPECT_EQ(workerWords(*words).value(1), pdftotextWords(file).value(0))
            << file.toStdString();
    }
    EXPECT_EQ(number(*worker.ask(textRequest(path)), Tag::Status), 0);
}

} // namespace

} // namespace corvander
