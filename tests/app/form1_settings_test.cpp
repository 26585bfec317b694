#include "common/path_helpers.h"
#include "tests/support/window_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace corvander {

using StoredChoices = WindowTest;

TEST_F(StoredChoices, FreshStoreGivesTheDefaultsAndThenHoldsThem) {
    load();
    EXPECT_EQ(ui.Combo1->currentIndex(), 0);
    EXPECT_EQ(ui.Text1->text(), DesktopFolderPath());
    EXPECT_TRUE(ui.Text1->text().endsWith(QLatin1Char('/')));
    EXPECT_EQ(ui.Text2->text(), QStringLiteral("%a - %t"));
    EXPECT_TRUE(ui.Option1->isChecked());
    EXPECT_FALSE(ui.Option2->isChecked());
    EXPECT_FALSE(ui.Check1->isChecked());
    EXPECT_TRUE(dialogs.warnings().isEmpty());

    EXPECT_EQ(settings.get(QStringLiteral("Combo1Index")), QStringLiteral("0"));
    EXPECT_EQ(settings.get(QStringLiteral("Text1")), DesktopFolderPath());
    EXPECT_EQ(settings.get(QStringLiteral("Text2")), QStringLiteral("%a - %t"));
    EXPECT_EQ(settings.get(QStringLiteral("Option1")), QStringLiteral("True"));
    EXPECT_EQ(settings.get(QStringLiteral("Option2")), QStringLiteral("False"));
    EXPECT_EQ(settings.get(QStringLiteral("Check1")), QStringLiteral("0"));
}

TEST_F(StoredChoices, StoredValuesComeBack) {
    settings.save(QStringLiteral("Combo1Index"), QStringLiteral("5"));
    settings.save(QStringLiteral("Text1"), QStringLiteral("/srv/out/"));
    settings.save(QStringLiteral("Text2"), QStringLiteral("%t-%g"));
    settings.save(QStringLiteral("Option1"), QStringLiteral("False"));
    settings.save(QStringLiteral("Option2"), QStringLiteral("True"));
    settings.save(QStringLiteral("Check1"), QStringLiteral("1"));
    load();
    EXPECT_EQ(ui.Combo1->currentIndex(), 5);
    EXPECT_EQ(ui.Text1->text(), QStringLiteral("/srv/out/"));
    EXPECT_EQ(ui.Text2->text(), QStringLiteral("%t-%g"));
    EXPECT_FALSE(ui.Option1->isChecked());
    EXPECT_TRUE(ui.Option2->isChecked());
    EXPECT_TRUE(ui.Check1->isChecked());
}

TEST_F(StoredChoices, OptionConflictsResolveInRestoreOrder) {
    const struct {
        const char* option1;
        const char* option2;
        bool content;
        bool metadata;
    } cases[] = {
        {"True", "True", false, true},
        {"False", "False", false, false},
        {"1", "0", true, false},
        {"0", "-1", false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.option1) + "/" + c.option2);
        settings.save(QStringLiteral("Option1"), QString::fromLatin1(c.option1));
        settings.save(QStringLiteral("Option2"), QString::fromLatin1(c.option2));
        window.reset();
        load();
        EXPECT_EQ(ui.Option1->isChecked(), c.content);
        EXPECT_EQ(ui.Option2->isChecked(), c.metadata);
        EXPECT_TRUE(dialogs.warnings().isEmpty());
    }
}

TEST_F(StoredChoices, BadStoredValueIsReportedOnceAndTheRestIsStillRestored) {
    settings.save(QStringLiteral("Combo1Index"), QStringLiteral("abc"));
    settings.save(QStringLiteral("Text2"), QStringLiteral("%c - %s"));
    settings.save(QStringLiteral("Check1"), QStringLiteral("1"));
    load();
    ASSERT_EQ(dialogs.warnings().size(), 1);
    EXPECT_TRUE(dialogs.warnings().at(0).startsWith(
        QStringLiteral("Type mismatch (setting \"Combo1Index\" = \"abc\")\r\nin "
                       "Quarnex2021/08/31.Form1.Form_Load at line 114\r\r")))
        << dialogs.warnings().at(0).toStdString();
    EXPECT_EQ(ui.Combo1->currentIndex(), -1);
    EXPECT_EQ(ui.Text2->text(), QStringLiteral("%c - %s"));
    EXPECT_TRUE(ui.Check1->isChecked());
    // The bad value stays until the user picks a mode.
    EXPECT_EQ(settings.get(QStringLiteral("Combo1Index")), QStringLiteral("abc"));
}

TEST_F(StoredChoices, ModeOutsideTheListIsAnError) {
    settings.save(QStringLiteral("Combo1Index"), QStringLiteral("7"));
    settings.save(QStringLiteral("Option2"), QStringLiteral("maybe"));
    load();
    ASSERT_EQ(dialogs.warnings().size(), 2);
    EXPECT_TRUE(dialogs.warnings().at(0).contains(QStringLiteral("Form1.Form_Load at line 114")));
    EXPECT_TRUE(dialogs.warnings().at(1).startsWith(
        QStringLiteral("Type mismatch (setting \"Option2\" = \"maybe\")\r\nin "
                       "Quarnex2021/08/31.Form1.Form_Load at line 122")));
    EXPECT_EQ(ui.Combo1->currentIndex(), -1);
    EXPECT_TRUE(ui.Option1->isChecked());
    EXPECT_EQ(settings.get(QStringLiteral("Option2")), QStringLiteral("maybe"));
}

TEST_F(StoredChoices, EveryChangeIsWrittenThrough) {
    Form1& form = load();
    ui.Text1->clear();
    QStringList stored;
    QObject::connect(ui.Text1, &QLineEdit::textChanged,
                     [&] { stored << settings.get(QStringLiteral("Text1")); });
    QTest::keyClicks(ui.Text1, QStringLiteral("/tmp"));
    EXPECT_EQ(stored, (QStringList{QStringLiteral("/"), QStringLiteral("/t"), QStringLiteral("/tm"),
                                   QStringLiteral("/tmp")}));

    form.show();
    QTest::mouseClick(ui.Option2, Qt::LeftButton, {}, QPoint(5, ui.Option2->height() / 2));
    EXPECT_EQ(settings.get(QStringLiteral("Option1")), QStringLiteral("False"));
    EXPECT_EQ(settings.get(QStringLiteral("Option2")), QStringLiteral("True"));

    ui.Check1->click();
    EXPECT_EQ(settings.get(QStringLiteral("Check1")), QStringLiteral("1"));
    ui.Combo1->setCurrentIndex(3);
    Q_EMIT ui.Combo1->activated(3);
    EXPECT_EQ(settings.get(QStringLiteral("Combo1Index")), QStringLiteral("3"));
    ui.PushButton14->click();
    EXPECT_EQ(ui.Text2->text(), QStringLiteral("%t - %g"));
    EXPECT_EQ(settings.get(QStringLiteral("Text2")), QStringLiteral("%t - %g"));

    // The next start selects what was clicked last.
    window.reset();
    load();
    EXPECT_TRUE(ui.Option2->isChecked());
    EXPECT_TRUE(ui.Check1->isChecked());
    EXPECT_EQ(ui.Text1->text(), QStringLiteral("/tmp"));
}

} // namespace corvander
