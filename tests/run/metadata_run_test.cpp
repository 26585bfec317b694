#include "app/text_progress_bar.h"
#include "tests/support/pdf_writer.h"
#include "tests/support/window_fixture.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace corvander {

// "Start Renaming" with "Rename by metadata" selected, through the real window.
class MetadataRun : public WindowTest {
protected:
    void SetUp() override {
        load();
        results = home.filePath(QStringLiteral("out"));
        QDir().mkpath(results);
        ui.Text1->setText(results + QLatin1Char('/'));
        ui.Option2->click();
        ui.Text2->setText(QStringLiteral("%a - %t"));
    }

    QString listPdf(const QString& name, const QString& title) {
        PdfDocument doc;
        doc.pages = {{QStringLiteral("Minutes of the meeting")}};
        doc.info = {{QStringLiteral("Author"), QStringLiteral("Jane Roe")},
                    {QStringLiteral("Title"), title}};
        const QString path = home.filePath(name);
        EXPECT_TRUE(writePdf(path, doc));
        window->fileList().appendEntry(path);
        return path;
    }

    QStringList resultNames() const { return QDir(results).entryList(QDir::Files, QDir::Name); }

    QString results;
};

TEST_F(MetadataRun, AsksNothingAndReportsDoneAlone) {
    listPdf(QStringLiteral("a.pdf"), QStringLiteral("One"));
    listPdf(QStringLiteral("b.pdf"), QStringLiteral("Two"));
    ui.PushButton2->click();
    EXPECT_TRUE(dialogs.shownOf(ScriptedDialogs::Kind::Input).isEmpty());
    EXPECT_EQ(dialogs.messages(), QStringList{QStringLiteral("Done.")});
    EXPECT_EQ(resultNames(), (QStringList{QStringLiteral("Jane Roe - One.pdf"),
                                          QStringLiteral("Jane Roe - Two.pdf")}));
}

TEST_F(MetadataRun, FormatChangedDuringARunAppliesToTheFilesThatFollow) {
    listPdf(QStringLiteral("a.pdf"), QStringLiteral("One"));
    listPdf(QStringLiteral("b.pdf"), QStringLiteral("Two"));
    listPdf(QStringLiteral("c.pdf"), QStringLiteral("Three"));
    // While the second file is announced, the user picks another format.
    QObject::connect(ui.ProgressBar1, &QProgressBar::valueChanged, window.get(), [this](int value) {
        if (value == 66)
            QTimer::singleShot(0, window.get(), [this] { ui.PushButton14->click(); });
    });
    ui.PushButton2->click();
    EXPECT_EQ(ui.Text2->text(), QStringLiteral("%t - %g"));
    EXPECT_EQ(resultNames(),
              (QStringList{QStringLiteral("Jane Roe - One.pdf"), QStringLiteral("Three - 1.pdf"),
                           QStringLiteral("Two - 1.pdf")}));
    EXPECT_EQ(dialogs.messages(), QStringList{QStringLiteral("Done.")});
    EXPECT_EQ(ui.ProgressBar1->value(), 0);
    EXPECT_EQ(ui.ProgressBar1->text(), QStringLiteral("Progress Bar"));
}

} // namespace corvander
