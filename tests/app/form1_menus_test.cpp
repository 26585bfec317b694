// The menu bar: each item does what its button does, and Help, About tells what and whose the
// program is.
#include "tests/support/window_fixture.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

namespace corvander {

namespace {

// What the user saw, in order: kind, text and title of every box.
QStringList seen(const ScriptedDialogs& dialogs) {
    QStringList lines;
    for (const ScriptedDialogs::Shown& shown : dialogs.shown())
        lines << QString::number(int(shown.kind)) + QLatin1Char('|') + shown.text +
                     QLatin1Char('|') + shown.title;
    return lines;
}

QAction* item(Form1& form, const char* name) {
    return Form1Controls(form).MenuBar->findChild<QAction*>(QString::fromLatin1(name));
}

} // namespace

using MenuBar = WindowTest;

TEST_F(MenuBar, EachItemDoesWhatItsButtonDoes) {
    Form1& form = load();
    const struct {
        const char* item;
        QPushButton* button;
    } pairs[] = {
        {"mnuAddFiles", ui.PushButton1},     {"mnuAddFolder", ui.PushButton5},
        {"mnuLoadSamples", ui.PushButton6},  {"mnuStartRenaming", ui.PushButton2},
        {"mnuHelpGeneral", ui.PushButton7},  {"mnuHelpContent", ui.PushButton8},
        {"mnuHelpMetadata", ui.PushButton9},
    };
    for (const auto& pair : pairs) {
        SCOPED_TRACE(pair.item);
        dialogs.clear();
        pair.button->click();
        const QStringList byButton = seen(dialogs);
        ASSERT_FALSE(byButton.isEmpty());
        dialogs.clear();
        QAction* action = item(form, pair.item);
        ASSERT_NE(action, nullptr);
        action->trigger();
        EXPECT_EQ(seen(dialogs), byButton);
    }
    EXPECT_EQ(terminated, 0);
    item(form, "mnuQuit")->trigger();
    EXPECT_EQ(terminated, 1);
}

TEST_F(MenuBar, ShortcutsReachTheirItems) {
    Form1& form = load();
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    QTest::keyClick(&form, Qt::Key_F1);
    QTest::keyClick(&form, Qt::Key_O, Qt::ControlModifier);
    ASSERT_EQ(dialogs.shown().size(), 2);
    EXPECT_EQ(dialogs.shown().at(0).kind, ScriptedDialogs::Kind::Message);
    EXPECT_TRUE(dialogs.shown().at(0).text.startsWith(QStringLiteral("This program will:")));
    EXPECT_EQ(dialogs.shown().at(1).kind, ScriptedDialogs::Kind::OpenFiles);
    QTest::keyClick(&form, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(terminated, 1);
}

TEST_F(MenuBar, AboutTellsVersionLicenceAndSettingsFile) {
    Form1& form = load();
    item(form, "mnuAbout")->trigger();
    ASSERT_EQ(dialogs.shown().size(), 1);
    const ScriptedDialogs::Shown& about = dialogs.shown().first();
    EXPECT_EQ(about.kind, ScriptedDialogs::Kind::Message);
    EXPECT_EQ(about.title, QStringLiteral("About Corvander"));
    EXPECT_TRUE(about.text.startsWith(QStringLiteral("Corvander " CORVANDER_VERSION "\r\n")));
    for (const QString& part :
         {QStringLiteral("GNU General Public License, version 3 or (at your option) any later "
                         "version"),
          settings.filePath()})
        EXPECT_TRUE(about.text.contains(part)) << part.toStdString();
}

TEST_F(MenuBar, OptionsMenuIsGreyedUntilItHasItems) {
    load();
    EXPECT_TRUE(ui.mnuOptions->menuAction()->isEnabled()) << "it has its options";
    for (QAction* existing : ui.mnuOptions->actions())
        ui.mnuOptions->removeAction(existing);
    EXPECT_FALSE(ui.mnuOptions->menuAction()->isEnabled());
    QAction* option = ui.mnuOptions->addAction(QStringLiteral("Something later"));
    EXPECT_TRUE(ui.mnuOptions->menuAction()->isEnabled());
    ui.mnuOptions->removeAction(option);
    EXPECT_FALSE(ui.mnuOptions->menuAction()->isEnabled());
}

} // namespace corvander
