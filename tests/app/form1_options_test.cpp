#include "tests/support/window_fixture.h"

#include <QLineEdit>
#include <QPushButton>

using OptionsPanel = WindowTest;

TEST_F(OptionsPanel, EachPresetSetsAndStoresItsFormat) {
    Form1& form = load();
    const std::pair<QPushButton*, QString> presets[] = {
        {form.PushButton11, QStringLiteral("%a - %s")},
        {form.PushButton12, QStringLiteral("%c - %t")},
        {form.PushButton13, QStringLiteral("%c - %s")},
        {form.PushButton14, QStringLiteral("%t - %g")},
        {form.PushButton10, QStringLiteral("%a - %t")},
    };
    for (const auto& [button, format] : presets) {
        button->click();
        EXPECT_EQ(form.Text2->text(), format);
        EXPECT_EQ(settings.get(QStringLiteral("Text2")), format);
    }
    EXPECT_TRUE(dialogs.shown().isEmpty());
}

TEST_F(OptionsPanel, BrowseStartsAtTheLastPickAndSetsTheFolderWithItsSlash) {
    settings.save(QStringLiteral("LastFolderDot"), QStringLiteral("/srv/earlier"));
    settings.save(QStringLiteral("Text1"), QStringLiteral("/home/typed/"));
    Form1& form = load();

    dialogs.answerFolder(QStringLiteral("/srv/out"));
    form.PushButton4->click();
    const auto asked = dialogs.shownOf(ScriptedDialogs::Kind::Folder);
    ASSERT_EQ(asked.size(), 1);
    EXPECT_EQ(asked.at(0).title, QStringLiteral("Please select folder:"));
    EXPECT_EQ(asked.at(0).text, QStringLiteral("/srv/earlier"));
    EXPECT_EQ(form.Text1->text(), QStringLiteral("/srv/out/"));
    EXPECT_EQ(settings.get(QStringLiteral("Text1")), QStringLiteral("/srv/out/"));
    EXPECT_EQ(settings.get(QStringLiteral("LastFolderDot")), QStringLiteral("/srv/out"));

    // The root keeps its one slash.
    dialogs.answerFolder(QStringLiteral("/"));
    form.PushButton4->click();
    EXPECT_EQ(form.Text1->text(), QStringLiteral("/"));
    EXPECT_EQ(dialogs.shownOf(ScriptedDialogs::Kind::Folder).at(1).text,
              QStringLiteral("/srv/out"));
}

TEST_F(OptionsPanel, CancelledBrowseChangesNothing) {
    settings.save(QStringLiteral("Text1"), QStringLiteral("/home/typed/"));
    Form1& form = load();
    form.PushButton4->click(); // no answer scripted: the dialog is cancelled
    EXPECT_EQ(form.Text1->text(), QStringLiteral("/home/typed/"));
    EXPECT_EQ(settings.get(QStringLiteral("Text1")), QStringLiteral("/home/typed/"));
    EXPECT_FALSE(settings.contains(QStringLiteral("LastFolderDot")));
    EXPECT_TRUE(dialogs.warnings().isEmpty());
}
