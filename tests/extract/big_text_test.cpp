// A small file that holds hundreds of megabytes of text, renamed through the window in every mode,
// checked and renamed by metadata: the program never holds more than a bounded part of the text.
#include "common/event_loop_waiter.h"
#include "extract/extraction_pool.h"
#include "extract/waiting_progress.h"
#include "tests/run/rename_fixture.h"

#include <QFile>
#include <QRadioButton>
#include <iostream>

namespace corvander {

namespace {

class ScopedVariable {
public:
    ScopedVariable(const char* name, const QByteArray& value)
        : m_name(name), m_had(qEnvironmentVariableIsSet(name)), m_old(qgetenv(name)) {
        qputenv(name, value);
    }
    ~ScopedVariable() {
        if (m_had)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }

private:
    const char* m_name;
    bool m_had;
    QByteArray m_old;
};

// Each of `pages` pages draws one form of 12,500 glyphs "A" between blanks, and the font's own
// Unicode map turns each "A" into 63 euro signs (189 bytes): about 2.4 MB of text a page from a
// file of a few kilobytes. Every page begins with "Word Word Word"; the last one ends with
// "Closing marker words", in a font of its own. No shared writer says any of this, so the file is
// put together here.
QByteArray bigTextPdf(int pages) {
    QByteArray form = "BT /F1 2 Tf 2.4 TL 5 785 Td\n(B B B ) '\n";
    for (int line = 0; line < 125; ++line)
        form += "(" + QByteArray("A ").repeated(100) + ") '\n";
    form += "ET";
    const QByteArray cmap = "/CIDInit /ProcSet findresource begin 12 dict begin begincmap "
                            "/CMapName /Big def 1 begincodespacerange <00> <FF> "
                            "endcodespacerange 2 beginbfchar <41> <" +
                            QByteArray("20AC").repeated(63) +
                            "> <42> <0057006F00720064> endbfchar endcmap CMapName currentdict "
                            "/CMap defineresource pop end end";
    const QByteArray last = "/X1 Do BT /F2 12 Tf 72 20 Td (Closing marker words) Tj ET";
    const auto stream = [](const QByteArray& dictionary, const QByteArray& data) {
        return "<< " + dictionary + " /Length " + QByteArray::number(data.size()) +
               " >>\nstream\n" + data + "\nendstream";
    };
    QList<QByteArray> objects{
        "<< /Type /Catalog /Pages 2 0 R >>",
        {}, // the page tree, once the pages are numbered
        stream({}, cmap),
        "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /ToUnicode 3 0 R >>",
        "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>",
        stream("/Type /XObject /Subtype /Form /BBox [0 0 612 792] /Resources << /Font << /F1 4 "
               "0 R >> >>",
               form),
        stream({}, "/X1 Do"),
        stream({}, last),
        "<< /Title (Huge Text) >>",
    };
    QByteArray kids;
    for (int page = 1; page <= pages; ++page) {
        kids += QByteArray::number(int(objects.size()) + 1) + " 0 R ";
        objects << "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 612 792] /Resources << /XObject "
                   "<< /X1 6 0 R >> /Font << /F2 5 0 R >> >> /Contents " +
                       QByteArray(page == pages ? "8" : "7") + " 0 R >>";
    }
    objects[1] = "<< /Type /Pages /Kids [" + kids + "] /Count " + QByteArray::number(pages) + " >>";
    QByteArray file = "%PDF-1.4\n";
    QByteArray offsets;
    for (int index = 0; index < objects.size(); ++index) {
        offsets += QByteArray::number(file.size()).rightJustified(10, '0') + " 00000 n \n";
        file += QByteArray::number(index + 1) + " 0 obj\n" + objects.at(index) + "\nendobj\n";
    }
    const QByteArray count = QByteArray::number(int(objects.size()) + 1);
    const qsizetype table = file.size();
    file += "xref\n0 " + count + "\n0000000000 65535 f \n" + offsets;
    file += "trailer\n<< /Size " + count + " /Root 1 0 R /Info 9 0 R >>\nstartxref\n" +
            QByteArray::number(table) + "\n%%EOF\n";
    return file;
}

// The most memory the test process (the program: window, run, pool) has held, in kilobytes.
qint64 peakKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

bool resetPeak() {
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    return clear.open(QIODevice::WriteOnly) && clear.write("5") == 1;
}

class BigText : public RenameTest {
protected:
    // The pool and its workers read their limits when the window is made: whole readings of
    // this document take minutes on a busy machine.
    ScopedVariable timeout{"CORVANDER_EXTRACT_TIMEOUT", "1500"};
    ScopedVariable processorTime{"CORVANDER_EXTRACT_CPU_SECONDS", "1500"};
};

TEST_F(BigText, TheProgramStaysUnder600MegabytesInEveryMode) {
    constexpr int kPages = 120;
    const QString path = sources.filePath(QStringLiteral("big.pdf"));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bigTextPdf(kPages));
    }
    ASSERT_LT(QFileInfo(path).size(), 100 * 1024);
    window->fileList().appendEntry(path);
    // Page 1 alone: each page holds as much.
    const corvander::ExtractResult page = corvander::extractNow(
        window->extractionPool(), window->waiter(), corvander::ExtractRequest::pageText(path, 1));
    ASSERT_GT(page.text.size() * kPages, 250 * 1024 * 1024);
    ASSERT_TRUE(resetPeak()) << "the kernel does not let the peak be measured again";

    const QString skipped = QStringLiteral("Done.\r\nThe following files were skipped because "
                                           "they could not be read or renamed:\r\n") +
                            path;
    const struct {
        const char* what;
        int mode; // -1: the readability check, -2: rename by metadata
        QStringList answers;
        QString name; // empty: skipped
    } cases[] = {
        {"first 3 words", 0, {"3"}, QStringLiteral("Word Word Word.pdf")},
        {"first 100,000,000 words", 0, {"100000000"}, {}},
        {"page 2", 1, {"2"}, QStringLiteral("Word Word.pdf")},
        {"last page", 2, {"2"}, QStringLiteral("Word Word.pdf")},
        {"page 3", 3, {"1", "3"}, QStringLiteral("Word.pdf")},
        {"words 1,2", 4, {"1,2"}, QStringLiteral("Word Word.pdf")},
        {"after a text on the last page", 5, {"closing MARKER", "1"}, QStringLiteral("words.pdf")},
        {"before a text in no page", 6, {"zebra", "2"}, QStringLiteral("big.pdf")},
        {"readability check", -1, {}, {}},
        {"metadata", -2, {}, QStringLiteral("Huge Text.pdf")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(resetPeak());
        if (c.mode == -1) {
            dialogs.clear();
            window->runReadabilityCheck();
            EXPECT_EQ(dialogs.messages(), QStringList()) << "the document is readable";
        } else if (c.mode == -2) {
            QDir(results.path()).removeRecursively();
            QDir().mkpath(results.path());
            dialogs.clear();
            ui.Option2->setChecked(true);
            ui.Text2->setText(QStringLiteral("%t"));
            startRun();
            ui.Option1->setChecked(true);
        } else {
            runMode(c.mode, c.answers);
        }
        if (c.mode != -1) {
            EXPECT_EQ(resultNames(), c.name.isEmpty() ? QStringList() : QStringList{c.name});
            EXPECT_EQ(dialogs.messages(),
                      QStringList{c.name.isEmpty() ? skipped : QStringLiteral("Done.")});
        }
        const qint64 peak = peakKilobytes();
        std::cout << "peak memory, " << c.what << ": " << peak / 1024 << " MB" << std::endl;
        EXPECT_LT(peak, 600 * 1024);
    }
}

} // namespace

} // namespace corvander
