#include "naming/metadata_name.h"
#include "tests/support/window_fixture.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>

namespace corvander {

using OptionsPanel = WindowTest;

TEST_F(OptionsPanel, EachPresetSetsAndStoresItsFormat) {
    load();
    const std::pair<QPushButton*, QString> presets[] = {
        {ui.PushButton11, QStringLiteral("%a - %s")}, {ui.PushButton12, QStringLiteral("%c - %t")},
        {ui.PushButton13, QStringLiteral("%c - %s")}, {ui.PushButton14, QStringLiteral("%t - %g")},
        {ui.PushButton10, QStringLiteral("%a - %t")},
    };
    for (const auto& [button, format] : presets) {
        button->click();
        EXPECT_EQ(ui.Text2->text(), format);
        EXPECT_EQ(settings.get(QStringLiteral("Text2")), format);
    }
    EXPECT_TRUE(dialogs.shown().isEmpty());
}

TEST_F(OptionsPanel, BrowseStartsAtTheLastPickAndSetsTheFolderWithItsSlash) {
    settings.save(QStringLiteral("LastFolderDot"), QStringLiteral("/srv/earlier"));
    settings.save(QStringLiteral("Text1"), QStringLiteral("/home/typed/"));
    load();

    dialogs.answerFolder(QStringLiteral("/srv/out"));
    ui.PushButton4->click();
    const auto asked = dialogs.shownOf(ScriptedDialogs::Kind::Folder);
    ASSERT_EQ(asked.size(), 1);
    EXPECT_EQ(asked.at(0).title, QStringLiteral("Please select folder:"));
    EXPECT_EQ(asked.at(0).text, QStringLiteral("/srv/earlier"));
    EXPECT_EQ(ui.Text1->text(), QStringLiteral("/srv/out/"));
    EXPECT_EQ(settings.get(QStringLiteral("Text1")), QStringLiteral("/srv/out/"));
    EXPECT_EQ(settings.get(QStringLiteral("LastFolderDot")), QStringLiteral("/srv/out"));

    // The root keeps its one slash.
    dialogs.answerFolder(QStringLiteral("/"));
    ui.PushButton4->click();
    EXPECT_EQ(ui.Text1->text(), QStringLiteral("/"));
    EXPECT_EQ(dialogs.shownOf(ScriptedDialogs::Kind::Folder).at(1).text,
              QStringLiteral("/srv/out"));
}

TEST_F(OptionsPanel, CancelledBrowseChangesNothing) {
    settings.save(QStringLiteral("Text1"), QStringLiteral("/home/typed/"));
    load();
    ui.PushButton4->click(); // no answer scripted: the dialog is cancelled
    EXPECT_EQ(ui.Text1->text(), QStringLiteral("/home/typed/"));
    EXPECT_EQ(settings.get(QStringLiteral("Text1")), QStringLiteral("/home/typed/"));
    EXPECT_FALSE(settings.contains(QStringLiteral("LastFolderDot")));
    EXPECT_TRUE(dialogs.warnings().isEmpty());
}

// A format part that names no field is said in the format box itself: a warning mark inside it
// and the sentence as its tool tip, shown under the box; the box keeps its drawn place and the
// format is stored as typed.
TEST_F(OptionsPanel, AFormatPartThatNamesNoFieldIsSaidInTheBox) {
    settings.save(QStringLiteral("Text2"), QStringLiteral("Invoice %t"));
    load();
    auto* warning = ui.Text2->findChild<QAction*>(QStringLiteral("Text2Warning"));
    ASSERT_NE(warning, nullptr);
    const QRect drawn = ui.Text2->geometry();
    // Restored from the settings, the format says so at once.
    EXPECT_TRUE(warning->isVisible());
    EXPECT_EQ(ui.Text2->toolTip(), formatProblem(QStringLiteral("Invoice %t")));
    EXPECT_TRUE(ui.Text2->toolTip().contains(QStringLiteral("\"Invoice %t\" names no field")));
    EXPECT_TRUE(ui.Text2->toolTip().contains(QStringLiteral("\"Rename by template\"")));
    EXPECT_EQ(ui.Text2->accessibleDescription(), ui.Text2->toolTip());

    for (const char* format : {"%a_%t", "%t, %a"}) {
        ui.Text2->setText(QString::fromLatin1(format));
        EXPECT_TRUE(warning->isVisible()) << format;
        EXPECT_EQ(warning->toolTip(), ui.Text2->toolTip());
        EXPECT_TRUE(ui.Text2->toolTip().contains(QLatin1Char('"') + QString::fromLatin1(format) +
                                                 QStringLiteral("\" names no field")));
        EXPECT_EQ(settings.get(QStringLiteral("Text2")), QString::fromLatin1(format));
    }
    ui.PushButton10->click();
    EXPECT_FALSE(warning->isVisible());
    EXPECT_TRUE(ui.Text2->toolTip().isEmpty());
    EXPECT_EQ(ui.Text2->geometry(), drawn);
    EXPECT_TRUE(dialogs.shown().isEmpty());
}

} // namespace corvander
