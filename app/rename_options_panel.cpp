#include "app/rename_options_panel.h"

#include "app/compact_indicator_style.h"
#include "app/drawn_area.h"
#include "common/error_report.h"
#include "naming/metadata_name.h"
#include "support/help_messages.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleFactory>

namespace corvander {

RenameOptionsPanel::RenameOptionsPanel(QWidget* window, DrawnArea& area, Dialogs& dialogs,
                                       SettingsStore& settings)
    : m_dialogs(dialogs), m_settings(settings) {
    createControls(window, area);
    nameForScreenReaders();
    connectHandlers();
}

void RenameOptionsPanel::createControls(QWidget* window, DrawnArea& area) {
    Frame3 = area.place<QGroupBox>(window, "Frame3", 120, 3480, 7800, 735, Across::Stretch);
    Frame3->setTitle(tr("Option"));
    Check1 = area.place<QCheckBox>(Frame3, "Check1", 240, 300, 6015, 255, Across::Stretch);
    Check1->setText(tr("Prompt for password because PDF files are password protected"));
    Frame1 = area.place<QGroupBox>(window, "Frame1", 120, 4275, 7800, 2385, Across::Stretch);
    Frame1->setTitle(tr("Rename Options"));
    Text2 = area.place<QLineEdit>(Frame1, "Text2", 480, 1350, 6390, 345, Across::Stretch);
    m_formatWarning =
        Text2->addAction(QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning),
                         QLineEdit::TrailingPosition);
    m_formatWarning->setObjectName(QStringLiteral("Text2Warning"));
    m_formatWarning->setVisible(false);
    Option1 = area.place<QRadioButton>(Frame1, "Option1", 240, 300, 1935, 255);
    Option1->setText(tr("Rename by content"));
    Option1->setChecked(true);
    Option2 = area.place<QRadioButton>(Frame1, "Option2", 240, 1065, 2175, 255);
    Option2->setText(tr("Rename by metadata"));
    Combo1 = area.place<QComboBox>(Frame1, "Combo1", 480, 600, 6360, 345, Across::Stretch);
    PushButton8 =
        area.place<QPushButton>(Frame1, "PushButton8", 6960, 600, 600, 345, Across::FollowRight);
    PushButton8->setText(QStringLiteral("?"));
    PushButton9 =
        area.place<QPushButton>(Frame1, "PushButton9", 6960, 1320, 600, 345, Across::FollowRight);
    PushButton9->setText(QStringLiteral("?"));
    PushButton10 = area.place<QPushButton>(Frame1, "PushButton10", 1800, 1800, 1080, 405);
    PushButton10->setText(QStringLiteral("%a - %t"));
    PushButton11 = area.place<QPushButton>(Frame1, "PushButton11", 3000, 1800, 1080, 405);
    PushButton11->setText(QStringLiteral("%a - %s"));
    PushButton12 = area.place<QPushButton>(Frame1, "PushButton12", 4200, 1800, 1080, 405);
    PushButton12->setText(QStringLiteral("%c - %t"));
    PushButton13 = area.place<QPushButton>(Frame1, "PushButton13", 5400, 1800, 1080, 405);
    PushButton13->setText(QStringLiteral("%c - %s"));
    PushButton14 = area.place<QPushButton>(Frame1, "PushButton14", 6600, 1800, 960, 405);
    PushButton14->setText(QStringLiteral("%t - %g"));
    Label1 = area.place<QLabel>(Frame1, "Label1", 480, 1890, 1155, 225);
    Label1->setText(tr("Load Sample:"));
    m_families = new QButtonGroup(Frame1);
    m_families->setExclusive(true);
    for (QRadioButton* option : {Option1, Option2}) {
        option->setAutoExclusive(false);
        m_families->addButton(option);
    }

    auto* compact = new CompactIndicatorStyle(QStyleFactory::create(QApplication::style()->name()));
    compact->setParent(window);
    for (QWidget* box : {static_cast<QWidget*>(Option1), static_cast<QWidget*>(Option2),
                         static_cast<QWidget*>(Check1)})
        box->setStyle(compact);
}

void RenameOptionsPanel::nameForScreenReaders() {
    // Captions that say what a control does are its name already; these need words of their own.
    const std::pair<QWidget*, const char*> names[] = {
        {Combo1, QT_TRANSLATE_NOOP("corvander::RenameOptionsPanel", "Content rename mode")},
        {PushButton8,
         QT_TRANSLATE_NOOP("corvander::RenameOptionsPanel", "Help on rename by content")},
        {Text2, QT_TRANSLATE_NOOP("corvander::RenameOptionsPanel", "Metadata name format")},
        {PushButton9,
         QT_TRANSLATE_NOOP("corvander::RenameOptionsPanel", "Help on rename by metadata")},
        {PushButton10,
         QT_TRANSLATE_NOOP("corvander::RenameOptionsPanel", "Format preset: author - title")},
        {PushButton11,
         QT_TRANSLATE_NOOP("corvander::RenameOptionsPanel", "Format preset: author - subject")},
        {PushButton12,
         QT_TRANSLATE_NOOP("corvander::RenameOptionsPanel", "Format preset: creator - title")},
        {PushButton13,
         QT_TRANSLATE_NOOP("corvander::RenameOptionsPanel", "Format preset: creator - subject")},
        {PushButton14,
         QT_TRANSLATE_NOOP("corvander::RenameOptionsPanel", "Format preset: title - pages")},
    };
    for (const auto& [widget, name] : names)
        widget->setAccessibleName(tr(name));
    // On Linux a combo box is spoken by its choice; what it is for comes as its description.
    Combo1->setAccessibleDescription(Combo1->accessibleName());
    Text2->setAccessibleDescription(tr("Placeholders such as %a for author and %t for title"));
}

// The drawn frame has no room for a line under the box: the box itself says it, with a warning
// mark inside it and the sentence as its tool tip, which shows under the box.
void RenameOptionsPanel::showFormatProblem() {
    const QString problem = formatProblem(Text2->text());
    Text2->setToolTip(problem);
    m_formatWarning->setToolTip(problem);
    m_formatWarning->setVisible(!problem.isEmpty());
    Text2->setAccessibleDescription(
        problem.isEmpty() ? QStringLiteral("Placeholders such as %a for author and %t for title")
                          : problem);
}

void RenameOptionsPanel::connectHandlers() {
    const std::pair<QPushButton*, void (RenameOptionsPanel::*)()> clicks[] = {
        {PushButton8, &RenameOptionsPanel::PushButton8_Click},
        {PushButton9, &RenameOptionsPanel::PushButton9_Click},
        {PushButton10, &RenameOptionsPanel::PushButton10_Click},
        {PushButton11, &RenameOptionsPanel::PushButton11_Click},
        {PushButton12, &RenameOptionsPanel::PushButton12_Click},
        {PushButton13, &RenameOptionsPanel::PushButton13_Click},
        {PushButton14, &RenameOptionsPanel::PushButton14_Click},
    };
    for (const auto& [button, handler] : clicks)
        connect(button, &QPushButton::clicked, this, handler);
    connect(Option1, &QRadioButton::clicked, this, &RenameOptionsPanel::Option1_Click);
    connect(Option2, &QRadioButton::clicked, this, &RenameOptionsPanel::Option2_Click);
    connect(Combo1, &QComboBox::activated, this, &RenameOptionsPanel::Combo1_Click);
    connect(Text2, &QLineEdit::textChanged, this, &RenameOptionsPanel::Text2_Change);
    connect(Text2, &QLineEdit::textChanged, this, &RenameOptionsPanel::showFormatProblem);
    connect(Check1, &QCheckBox::clicked, this, &RenameOptionsPanel::Check1_Click);

    connect(Option1, &QRadioButton::toggled, this, &RenameOptionsPanel::changed);
    connect(Option2, &QRadioButton::toggled, this, &RenameOptionsPanel::changed);
    connect(Combo1, &QComboBox::currentIndexChanged, this, &RenameOptionsPanel::changed);
    connect(Text2, &QLineEdit::textChanged, this, &RenameOptionsPanel::changed);
    connect(Check1, &QCheckBox::toggled, this, &RenameOptionsPanel::changed);
    for (QRadioButton* option : {Option1, Option2})
        option->installEventFilter(this);
}

void RenameOptionsPanel::addFamily(QRadioButton* option) {
    Option3 = option;
    option->setAutoExclusive(false);
    m_families->addButton(option);
    connect(option, &QRadioButton::clicked, this, [this] { writeOptions(); });
    connect(option, &QRadioButton::toggled, this, &RenameOptionsPanel::changed);
    option->installEventFilter(this);
}

QWidget* RenameOptionsPanel::setTabOrderAfter(QWidget* previous) {
    QWidget* const order[] = {
        Check1,      Option1,      Combo1,       PushButton8,  Option2,      Text2,
        PushButton9, PushButton10, PushButton11, PushButton12, PushButton13, PushButton14,
    };
    for (QWidget* next : order) {
        QWidget::setTabOrder(previous, next);
        previous = next;
    }
    return previous;
}

// An exclusive option button that takes the focus takes Tab away from its partner, so Tab would
// pass over the other options. Here they stand apart, each above the controls it governs, and
// Tab must reach each; the arrow keys still move between them.
bool RenameOptionsPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut &&
        (watched == Option1 || watched == Option2 || (Option3 && watched == Option3))) {
        for (QAbstractButton* option : m_families->buttons())
            option->setFocusPolicy(Qt::FocusPolicy(option->focusPolicy() | Qt::TabFocus));
    }
    return QObject::eventFilter(watched, event);
}

int RenameOptionsPanel::modeIndex() const {
    return Combo1->currentIndex();
}
bool RenameOptionsPanel::contentSelected() const {
    return Option1->isChecked();
}
bool RenameOptionsPanel::metadataSelected() const {
    return Option2->isChecked();
}
QString RenameOptionsPanel::nameFormat() const {
    return Text2->text();
}
bool RenameOptionsPanel::asksForPassword() const {
    return Check1->isChecked();
}

void RenameOptionsPanel::PushButton8_Click() {
    TrappedProcedure proc(m_dialogs, QStringLiteral("Form1.PushButton8_Click"));
    proc.step(
        [&] { m_dialogs.showMessage(contentHelpText(Combo1->itemText(0), Combo1->itemText(4))); });
}

void RenameOptionsPanel::PushButton9_Click() {
    TrappedProcedure proc(m_dialogs, QStringLiteral("Form1.PushButton9_Click"));
    proc.step([&] { m_dialogs.showMessage(metadataHelpText()); });
}

void RenameOptionsPanel::setFormatPreset(const QString& format, const char* procedure) {
    TrappedProcedure proc(m_dialogs, QString::fromLatin1(procedure));
    proc.step([&] { Text2->setText(format); });
}

void RenameOptionsPanel::PushButton10_Click() {
    setFormatPreset(QStringLiteral("%a - %t"), "Form1.PushButton10_Click");
}
void RenameOptionsPanel::PushButton11_Click() {
    setFormatPreset(QStringLiteral("%a - %s"), "Form1.PushButton11_Click");
}
void RenameOptionsPanel::PushButton12_Click() {
    setFormatPreset(QStringLiteral("%c - %t"), "Form1.PushButton12_Click");
}
void RenameOptionsPanel::PushButton13_Click() {
    setFormatPreset(QStringLiteral("%c - %s"), "Form1.PushButton13_Click");
}
void RenameOptionsPanel::PushButton14_Click() {
    setFormatPreset(QStringLiteral("%t - %g"), "Form1.PushButton14_Click");
}

} // namespace corvander
