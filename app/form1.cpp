#include "app/form1.h"

#include "app/drawn_area.h"
#include "app/file_list_panel.h"
#include "app/ocr_menu.h"
#include "app/rename_choices.h"
#include "app/rename_options_panel.h"
#include "app/results_folder_box.h"
#include "app/run_controller.h"
#include "app/template_panel.h"
#include "app/template_preview.h"
#include "app/window_areas.h"
#include "common/event_loop_waiter.h"
#include "extract/check.h"
#include "extract/extraction_pool.h"

#include <QAbstractItemView>
#include <QFont>
#include <QGroupBox>
#include <QPushButton>
#include <QScreen>

namespace corvander {

namespace {

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
    m_waiter = std::make_unique<EventLoopWaiter>();
    m_pool = std::make_unique<ExtractionPool>(PoolSettings::fromEnvironment(extractorProgram()));
    m_pointer = std::make_unique<WindowPointer>(this);
    createPanels();
    createMenus();
    wirePanels();
    watchPointer();
    setUpKeyboard();
    fitToScreen(screen()->availableGeometry());
    resize(minimumSize());
    arrangeControls();
}

Form1::~Form1() {
    // The store may outlive the window; its handler must not call into a window that is gone.
    m_settings.setWriteFailureHandler({});
}

// The panels place their controls in the area drawn with the window, in the order they are made.
void Form1::createPanels() {
    setFont(arialBold(9));
    DrawnArea drawn(8040, 8655);
    PushButton7 =
        drawn.place<QPushButton>(this, "PushButton7", 120, 120, 7800, 405, Across::Stretch);
    PushButton7->setText(tr("Help"));
    m_fileList = std::make_unique<FileListPanel>(
        this, drawn,
        FileListPanel::Needs{m_dialogs, m_settings, *m_pointer, *m_waiter,
                             m_environment.programFolder, [this] { runReadabilityCheck(); }});
    m_options = std::make_unique<RenameOptionsPanel>(this, drawn, m_dialogs, m_settings);
    m_resultsFolder = std::make_unique<ResultsFolderBox>(this, drawn, m_dialogs, m_settings);
    // Rename by template stands in an area of its own, to the right of the drawn one.
    DrawnArea beside(TemplatePanel::kWidthTwips, TemplatePanel::kHeightTwips);
    m_template = std::make_unique<TemplatePanel>(this, beside, m_settings, *m_pool);
    m_options->addFamily(m_template->familyOption());
    m_choices = std::make_unique<RenameChoices>(*m_options, *m_resultsFolder, *m_template);
    m_ocr = std::make_unique<OcrMenu>(m_dialogs, m_settings, *m_pool, *m_waiter);
    m_run = std::make_unique<RunController>(
        this, drawn,
        RunController::Needs{m_dialogs, *m_fileList, *m_fileList, *m_choices, *m_pointer, *m_pool,
                             *m_waiter, [this] { m_ocr->applyOcrSettings(); }, m_settings,
                             [this] { return readyToRun(); }});
    m_check = std::make_unique<ReadabilityCheck>(
        CheckPorts{m_dialogs, *m_fileList, *m_pointer, *m_run, *m_pool, *m_waiter,
                   QStringLiteral("Check.CheckByCodeNotPreviewTextbox")});
    m_preview = std::make_unique<TemplatePreview>(
        TemplatePreview::Needs{*m_fileList, *m_choices, *m_template, *m_pointer, *m_pool});
    m_areas = std::make_unique<WindowAreas>();
    m_areas->add(drawn);
    m_areas->add(beside);

    for (QPushButton* button : findChildren<QPushButton*>()) {
        button->setFont(arialBold(11.25));
        button->setAutoDefault(false);
    }
}

// The panels hear of each other only here.
void Form1::wirePanels() {
    connect(PushButton7, &QPushButton::clicked, this, &Form1::PushButton7_Click);
    // Any change to the list, to the options or to how files are read makes a shown plan stale.
    const auto stale = [this] { m_run->planMayBeStale(); };
    connect(m_fileList.get(), &FileListPanel::entriesChanged, this, stale);
    connect(m_options.get(), &RenameOptionsPanel::changed, this, stale);
    connect(m_resultsFolder.get(), &ResultsFolderBox::changed, this, stale);
    connect(m_ocr.get(), &OcrMenu::readingChanged, this, stale);
    connect(m_template.get(), &TemplatePanel::changed, this, stale);
    // The template's names follow whatever they depend on, and the entries scrolled into view.
    const auto follow = [this] { m_preview->schedule(); };
    connect(m_template.get(), &TemplatePanel::changed, this, follow);
    connect(m_options.get(), &RenameOptionsPanel::changed, this, follow);
    connect(m_fileList.get(), &FileListPanel::entriesChanged, this, follow);
    connect(m_fileList.get(), &FileListPanel::scrolled, this, follow);
    connect(m_resultsFolder.get(), &ResultsFolderBox::changed, this, follow);
    // The page view shows the selected entry's first page; a name typed over a planned one is
    // learned from.
    connect(m_fileList.get(), &FileListPanel::selectedEntryChanged, m_template.get(),
            &TemplatePanel::showPageOf);
    // Learning waits for a worker: not from inside the list's edit, which is closing its editor.
    connect(m_fileList.get(), &FileListPanel::plannedNameEdited, this, &Form1::learnFromNamedEntry,
            Qt::QueuedConnection);
    // Enter in the results folder starts the run.
    connect(m_resultsFolder.get(), &ResultsFolderBox::enterPressed, this,
            &Form1::PushButton2_Click);
}

// The hand over every push button; the arrow over the window's background, its frames and the list.
void Form1::watchPointer() {
    for (QPushButton* button : findChildren<QPushButton*>())
        m_pointer->showHandOver(button);
    m_pointer->showArrowOver(this);
    for (QGroupBox* frame : findChildren<QGroupBox*>())
        m_pointer->showArrowOver(frame);
    for (QAbstractItemView* list : findChildren<QAbstractItemView*>(Qt::FindDirectChildrenOnly))
        m_pointer->showArrowOver(list->viewport());
}

bool Form1::readyToRun() {
    if (!m_template->templateSelected() || m_template->mistake().isEmpty())
        return true;
    m_dialogs.showMessage(tr("The template has a mistake: %1").arg(m_template->mistake()));
    return false;
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (pressFocusedButton(watched, event))
        return true;
    keepOptionsMenuGreyedWhileEmpty(watched, event);
    return QWidget::eventFilter(watched, event);
}

FileListView& Form1::fileList() {
    return *m_fileList;
}
ProgressView& Form1::progress() {
    return *m_run;
}
BusyPointer& Form1::busyPointer() {
    return *m_pointer;
}
RenameControls& Form1::renameControls() {
    return *m_choices;
}
Waiter& Form1::waiter() {
    return *m_waiter;
}
bool Form1::hasPreview() const {
    return m_run->hasPreview();
}

} // namespace corvander
