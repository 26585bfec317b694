#include "app/form1.h"

#include "app/compact_indicator_style.h"
#include "app/file_drop_list.h"
#include "app/text_progress_bar.h"
#include "app/window_layout.h"
#include "common/event_loop_waiter.h"
#include "common/settings_store.h"
#include "extract/check.h"
#include "extract/extraction_pool.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyleFactory>
#include <algorithm>

using corvander::Across;

namespace {

// The layout was drawn in twips; at 96 dpi a pixel is 15 of them.
int twips(int value) {
    return (value + 7) / 15;
}

// The drawn layout, gathered while the controls are made: each control's place in its container
// and how it follows a wider window.
struct DrawnLayout {
    template <typename Widget>
    Widget* place(QWidget* container, const char* name, int left, int top, int width, int height,
                  Across across = Across::Keep) {
        auto* widget = new Widget(container);
        widget->setObjectName(QString::fromLatin1(name));
        const QRect drawn(twips(left), twips(top), twips(width), twips(height));
        widget->setGeometry(drawn);
        const auto holder = std::find(widgets.begin(), widgets.end(), container);
        items.push_back(
            {drawn, across, holder == widgets.end() ? -1 : int(holder - widgets.begin())});
        widgets.push_back(widget);
        return widget;
    }

    std::vector<QWidget*> widgets;
    std::vector<corvander::LayoutItem> items;
};

// The window's client area as drawn.
const QSize kDrawnClient(twips(8040), twips(8655));
// The file list gives height first when the screen is low, down to its header and two rows.
constexpr int kListFloor = 60;

QFont arialBold(double points) {
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPointSizeF(points);
    return font;
}

} // namespace

Form1::Form1(Dialogs& dialogs, SettingsStore& settings, Form1Environment environment,
             QWidget* parent)
    : QWidget(parent), m_dialogs(dialogs), m_settings(settings),
      m_environment(std::move(environment)) {
    setObjectName(QStringLiteral("Form1"));
    m_waiter = std::make_unique<corvander::EventLoopWaiter>();
    m_pool = std::make_unique<corvander::ExtractionPool>(
        corvander::PoolSettings::fromEnvironment(extractorProgram()));
    m_check = std::make_unique<corvander::ReadabilityCheck>(
        corvander::CheckPorts{m_dialogs, *this, *this, *this, *m_pool, *m_waiter,
                              QStringLiteral("Check.CheckByCodeNotPreviewTextbox")});
    createControls();
    createMenus();
    connectHandlers();
    watchPointer();
    setUpKeyboard();
    nameForScreenReaders();
    fitToScreen(screen()->availableGeometry());
    resize(minimumSize());
    arrangeControls();
}

Form1::~Form1() {
    // The store may outlive the window; its handler must not call into a window that is gone.
    m_settings.setWriteFailureHandler({});
}

void Form1::createControls() {
    setFont(arialBold(9));
    DrawnLayout layout;

    Frame3 = layout.place<QGroupBox>(this, "Frame3", 120, 3480, 7800, 735, Across::Stretch);
    Frame3->setTitle(QStringLiteral("Option"));
    Check1 = layout.place<QCheckBox>(Frame3, "Check1", 240, 300, 6015, 255, Across::Stretch);
    Check1->setText(QStringLiteral("Prompt for password because PDF files are password protected"));
    PushButton7 =
        layout.place<QPushButton>(this, "PushButton7", 120, 120, 7800, 405, Across::Stretch);
    PushButton7->setText(QStringLiteral("Help"));
    Frame2 = layout.place<QGroupBox>(this, "Frame2", 120, 6705, 7800, 810, Across::Stretch);
    Frame2->setTitle(QStringLiteral("Save Results To This Folder"));
    Text1 = layout.place<QLineEdit>(Frame2, "Text1", 240, 300, 6630, 345, Across::Stretch);
    PushButton4 =
        layout.place<QPushButton>(Frame2, "PushButton4", 6960, 300, 600, 345, Across::FollowRight);
    PushButton4->setText(QStringLiteral("..."));
    ListView1 =
        layout.place<FileDropList>(this, "ListView1", 120, 630, 7800, 1815, Across::Stretch);
    ListView1->setToolTip(
        QStringLiteral("Drag and drop files here. Double-click item to remove it. Move | line to "
                       "right and out of window to reveal full names."));
    ListView1->setColumnCount(0);
    Frame1 = layout.place<QGroupBox>(this, "Frame1", 120, 4275, 7800, 2385, Across::Stretch);
    Frame1->setTitle(QStringLiteral("Rename Options"));
    Text2 = layout.place<QLineEdit>(Frame1, "Text2", 480, 1350, 6390, 345, Across::Stretch);
    Option1 = layout.place<QRadioButton>(Frame1, "Option1", 240, 300, 1935, 255);
    Option1->setText(QStringLiteral("Rename by content"));
    Option1->setChecked(true);
    Option2 = layout.place<QRadioButton>(Frame1, "Option2", 240, 1065, 2175, 255);
    Option2->setText(QStringLiteral("Rename by metadata"));
    Combo1 = layout.place<QComboBox>(Frame1, "Combo1", 480, 600, 6360, 345, Across::Stretch);
    PushButton8 =
        layout.place<QPushButton>(Frame1, "PushButton8", 6960, 600, 600, 345, Across::FollowRight);
    PushButton8->setText(QStringLiteral("?"));
    PushButton9 =
        layout.place<QPushButton>(Frame1, "PushButton9", 6960, 1320, 600, 345, Across::FollowRight);
    PushButton9->setText(QStringLiteral("?"));
    PushButton10 = layout.place<QPushButton>(Frame1, "PushButton10", 1800, 1800, 1080, 405);
    PushButton10->setText(QStringLiteral("%a - %t"));
    PushButton11 = layout.place<QPushButton>(Frame1, "PushButton11", 3000, 1800, 1080, 405);
    PushButton11->setText(QStringLiteral("%a - %s"));
    PushButton12 = layout.place<QPushButton>(Frame1, "PushButton12", 4200, 1800, 1080, 405);
    PushButton12->setText(QStringLiteral("%c - %t"));
    PushButton13 = layout.place<QPushButton>(Frame1, "PushButton13", 5400, 1800, 1080, 405);
    PushButton13->setText(QStringLiteral("%c - %s"));
    PushButton14 = layout.place<QPushButton>(Frame1, "PushButton14", 6600, 1800, 960, 405);
    PushButton14->setText(QStringLiteral("%t - %g"));
    Label1 = layout.place<QLabel>(Frame1, "Label1", 480, 1890, 1155, 225);
    Label1->setText(QStringLiteral("Load Sample:"));
    ProgressBar1 =
        layout.place<TextProgressBar>(this, "ProgressBar1", 120, 8145, 7800, 405, Across::Stretch);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(true);
    ProgressBar1->setAlignment(Qt::AlignCenter);
    ProgressBar1->setText(QStringLiteral("Progress Bar"));
    PushButton2 =
        layout.place<QPushButton>(this, "PushButton2", 120, 7620, 7800, 405, Across::Stretch);
    PushButton2->setText(QStringLiteral("Start Renaming"));
    PushButton5 =
        layout.place<QPushButton>(this, "PushButton5", 4080, 2530, 3840, 405, Across::RightHalf);
    PushButton5->setText(QStringLiteral("Add All PDF File(s) In Folder"));
    PushButton1 =
        layout.place<QPushButton>(this, "PushButton1", 120, 2530, 3840, 405, Across::LeftHalf);
    PushButton1->setText(QStringLiteral("Add PDF File(s)"));
    PushButton3 =
        layout.place<QPushButton>(this, "PushButton3", 120, 3040, 3840, 405, Across::LeftHalf);
    PushButton3->setText(QStringLiteral("Clear List"));
    PushButton6 =
        layout.place<QPushButton>(this, "PushButton6", 4080, 3040, 3840, 405, Across::RightHalf);
    PushButton6->setText(QStringLiteral("Load Sample/Example Files"));

    for (QPushButton* button : findChildren<QPushButton*>()) {
        button->setFont(arialBold(11.25));
        button->setAutoDefault(false);
    }
    auto* compact = new CompactIndicatorStyle(QStyleFactory::create(QApplication::style()->name()));
    compact->setParent(this);
    for (QWidget* box : {static_cast<QWidget*>(Option1), static_cast<QWidget*>(Option2),
                         static_cast<QWidget*>(Check1)})
        box->setStyle(compact);

    const int list = int(std::find(layout.widgets.begin(), layout.widgets.end(), ListView1) -
                         layout.widgets.begin());
    m_layout = std::make_unique<corvander::WindowLayout>(kDrawnClient, std::move(layout.items),
                                                         list, kListFloor);
    m_laidOut = std::move(layout.widgets);
}

void Form1::connectHandlers() {
    const std::pair<QPushButton*, void (Form1::*)()> clicks[] = {
        {PushButton1, &Form1::PushButton1_Click},   {PushButton2, &Form1::PushButton2_Click},
        {PushButton3, &Form1::PushButton3_Click},   {PushButton4, &Form1::PushButton4_Click},
        {PushButton5, &Form1::PushButton5_Click},   {PushButton6, &Form1::PushButton6_Click},
        {PushButton7, &Form1::PushButton7_Click},   {PushButton8, &Form1::PushButton8_Click},
        {PushButton9, &Form1::PushButton9_Click},   {PushButton10, &Form1::PushButton10_Click},
        {PushButton11, &Form1::PushButton11_Click}, {PushButton12, &Form1::PushButton12_Click},
        {PushButton13, &Form1::PushButton13_Click}, {PushButton14, &Form1::PushButton14_Click},
    };
    for (const auto& [button, handler] : clicks)
        connect(button, &QPushButton::clicked, this, handler);

    connect(ListView1, &QTreeWidget::itemDoubleClicked, this, &Form1::ListView1_DblClick);
    connect(ListView1, &FileDropList::keyDown, this, &Form1::ListView1_KeyDown);
    connect(ListView1, &FileDropList::filesDropped, this, &Form1::ListView1_OLEDragDrop);
    connect(Option1, &QRadioButton::clicked, this, &Form1::Option1_Click);
    connect(Option2, &QRadioButton::clicked, this, &Form1::Option2_Click);
    connect(Combo1, &QComboBox::activated, this, &Form1::Combo1_Click);
    connect(Text1, &QLineEdit::textChanged, this, &Form1::Text1_Change);
    connect(Text2, &QLineEdit::textChanged, this, &Form1::Text2_Change);
    connect(Check1, &QCheckBox::clicked, this, &Form1::Check1_Click);
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (pressFocusedButton(watched, event) || stopOnProgressClick(watched, event))
        return true;
    keepOptionsMenuGreyedWhileEmpty(watched, event);
    keepBothOptionsOnTab(watched, event);
    followPointer(watched, event);
    return QWidget::eventFilter(watched, event);
}

int Form1::progressValue() const {
    return ProgressBar1->value();
}
QString Form1::progressText() const {
    return ProgressBar1->text();
}
void Form1::setProgressValue(int value) {
    ProgressBar1->setValue(value);
}
void Form1::setProgressText(const QString& text) {
    ProgressBar1->setText(text);
}

void Form1::setBusy(bool busy) {
    setPointer(busy ? Pointer::Hourglass : Pointer::Arrow);
}

int Form1::entryCount() const {
    return ListView1->topLevelItemCount();
}

QString Form1::entryText(int position) const {
    const QTreeWidgetItem* item = ListView1->topLevelItem(position - 1);
    return item ? item->text(0) : QString();
}

void Form1::appendEntry(const QString& path) {
    auto* item = new QTreeWidgetItem(QStringList{path});
    // The list may show a long path shortened; its tool tip always has it whole.
    item->setToolTip(0, path);
    ListView1->addTopLevelItem(item);
}

int Form1::modeIndex() const {
    return Combo1->currentIndex();
}
bool Form1::contentSelected() const {
    return Option1->isChecked();
}
bool Form1::metadataSelected() const {
    return Option2->isChecked();
}
QString Form1::nameFormat() const {
    return Text2->text();
}
QString Form1::resultsFolder() const {
    return Text1->text();
}

bool Form1::asksForPassword() const {
    return Check1->isChecked();
}

corvander::Waiter& Form1::waiter() {
    return *m_waiter;
}
