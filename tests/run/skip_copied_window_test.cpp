// Options > "Skip files already copied" in the window: kept in the settings, shown by a preview,
// obeyed by the run.
#include "tests/run/rename_fixture.h"

#include <QAction>
#include <QComboBox>
#include <QFile>

namespace corvander {

namespace {

class SkipCopiedWindow : public RenameTest {
protected:
    QAction* option() const { return window->findChild<QAction*>(QStringLiteral("mnuSkipCopied")); }

    QStringList newNames() const {
        QStringList names;
        for (int i = 0; ui.ListView1->columnCount() > 1 && i < ui.ListView1->topLevelItemCount();
             ++i)
            names << ui.ListView1->topLevelItem(i)->text(1);
        return names;
    }
};

TEST_F(SkipCopiedWindow, TheOptionIsKeptAndItsRunCopiesNothingTwice) {
    ASSERT_NE(option(), nullptr);
    EXPECT_FALSE(option()->isChecked()) << "off until chosen";
    addPdf(QStringLiteral("a.pdf"), {QStringLiteral("Alpha one")});
    addPdf(QStringLiteral("c.pdf"), {QStringLiteral("Gamma three")});
    setMode(0);
    dialogs.answerInput(QStringLiteral("1"));
    startRun();
    ASSERT_EQ(resultNames(), (QStringList{"Alpha.pdf", "Gamma.pdf"}));

    option()->trigger();
    EXPECT_EQ(settings.get(QStringLiteral("SkipCopied")), QStringLiteral("True"));
    // The copy of c is changed: it no longer counts.
    QFile changed(results.filePath(QStringLiteral("Gamma.pdf")));
    ASSERT_TRUE(changed.open(QIODevice::Append) && changed.write("\n% changed\n") > 0);
    changed.close();
    dialogs.answerInput(QStringLiteral("1"));
    ui.mnuPreview->trigger();
    EXPECT_EQ(newNames(), (QStringList{"(skipped: already copied as Alpha.pdf)", "Gamma!.pdf"}));
    dialogs.clear();
    startRun();
    EXPECT_EQ(resultNames(), (QStringList{"Alpha.pdf", "Gamma!.pdf", "Gamma.pdf"}));
    EXPECT_FALSE(dialogs.messages().join(QString()).contains(QStringLiteral("a.pdf")))
        << "a file already copied is not among those that could not be read";

    // A new window comes up with the option as it was left, and leaves it off once cleared.
    load();
    ASSERT_NE(option(), nullptr);
    EXPECT_TRUE(option()->isChecked());
    option()->trigger();
    EXPECT_EQ(settings.get(QStringLiteral("SkipCopied")), QStringLiteral("False"));
    prepare();
    setMode(0);
    window->fileList().appendEntry(sources.filePath(QStringLiteral("a.pdf")));
    dialogs.answerInput(QStringLiteral("1"));
    startRun();
    EXPECT_TRUE(resultNames().contains(QStringLiteral("Alpha!.pdf")))
        << "without the option a second copy is made, as always";
}

} // namespace

} // namespace corvander
