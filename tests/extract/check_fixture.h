#pragma once

// A window with the real worker whose readability check the tests drive.
#include "app/form1.h"
#include "common/event_loop_waiter.h"
#include "extract/check.h"
#include "extract/extraction_pool.h"
#include "tests/extract/pdf_files.h"
#include "tests/support/process_probe.h"
#include "tests/support/window_fixture.h"
#include <QElapsedTimer>
#include <QTimer>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace corvander {

using namespace pdf_files;

class CheckTest : public WindowTest {
protected:
    void SetUp() override {
        load();
        dialogs.clear();
        ASSERT_TRUE(QFileInfo(window->extractorProgram()).isExecutable());
        files.setPath(input.path());
    }

    void add(const QStringList& paths) {
        for (const QString& path : paths)
            window->fileList().appendEntry(path);
    }

    QTemporaryDir input;
    QDir files;
};

inline const QString kTail = QStringLiteral(
    "\r\nThis program will extract text from a PDF but this program will not extract text within "
    "an image within a PDF.\r\n\r\nEmail support@corvander.example.org if you have any "
    "questions.");
// Added after the message's own text while OCR is off and a listed file has no text.
inline const QString kOcrLine =
    QStringLiteral("\r\n\r\nFiles without text may be scans: turn on Options > \"Read scanned "
                   "pages with OCR\" to read them.");

} // namespace corvander
