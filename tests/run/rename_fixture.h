#pragma once

#include "app/form1.h"
#include "tests/support/pdf_writer.h"
#include "tests/support/test_files.h"
#include "tests/support/window_fixture.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMap>
#include <QPushButton>
#include <QRadioButton>

namespace corvander {

// A loaded window with a folder of source PDFs and an empty results folder.
class RenameTest : public WindowTest {
protected:
    void SetUp() override {
        load();
        ASSERT_EQ(dialogs.warnings(), QStringList()) << "the start-up found its worker";
        prepare();
    }

    void prepare() {
        dialogs.clear();
        ui.Text1->setText(results.path());
        ui.Option1->setChecked(true);
    }

    // A PDF of the given pages (one line of text each), listed in the window.
    QString addPdf(const QString& name, const QStringList& pages) {
        return addPdf(name, pdfOfPages(pages));
    }
    QString addPdf(const QString& name, const PdfDocument& document) {
        const QString path = sources.filePath(name);
        EXPECT_TRUE(writePdf(path, document)) << path.toStdString();
        window->fileList().appendEntry(path);
        return path;
    }

    // A file that is listed but yields no text.
    QString addUnreadable(const QString& name) {
        const QString path = sources.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("not a PDF at all\n");
        window->fileList().appendEntry(path);
        return path;
    }

    void setMode(int mode) { ui.Combo1->setCurrentIndex(mode); }

    // Every file of a folder by name, with its bytes.
    static QMap<QString, QByteArray> contentOf(const QString& folder) {
        QMap<QString, QByteArray> files;
        const QDir dir(folder);
        for (const QString& name :
             dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
            files.insert(name, fileBytes(dir.filePath(name)));
        }
        return files;
    }

    QStringList resultNames() const { return contentOf(results.path()).keys(); }

    // Starts the run with the sources checked before and after: a run never changes them.
    void startRun() {
        const auto before = contentOf(sources.path());
        ui.PushButton2->click();
        EXPECT_EQ(contentOf(sources.path()), before) << "a source file changed";
    }

    // One run in the given mode into an emptied results folder, with the prompts answered in order.
    void runMode(int mode, const QStringList& answers) {
        QDir(results.path()).removeRecursively();
        QDir().mkpath(results.path());
        dialogs.clear();
        setMode(mode);
        for (const QString& answer : answers)
            dialogs.answerInput(answer);
        startRun();
    }

    QTemporaryDir sources;
    QTemporaryDir results;
};

} // namespace corvander
