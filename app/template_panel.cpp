#include "app/template_panel.h"

#include "app/drawn_area.h"
#include "app/page_view.h"
#include "naming/template/dates.h"
#include "naming/template/template_parser.h"

#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QList>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace corvander {

namespace {

// The fields a template is mostly made of, as their buttons insert them: each an example the user
// edits in place.
struct FieldChoice {
    const char* name;
    const char* caption;
    const char* field;
};
constexpr FieldChoice kFields[] = {
    {"PushButton15", QT_TRANSLATE_NOOP("corvander::TemplatePanel", "Words"), "{words 1-3}"},
    {"PushButton16", QT_TRANSLATE_NOOP("corvander::TemplatePanel", "After Label"),
     "{after \"Invoice No.:\" 1}"},
    {"PushButton17", QT_TRANSLATE_NOOP("corvander::TemplatePanel", "Date"), "{date}"},
    {"PushButton18", QT_TRANSLATE_NOOP("corvander::TemplatePanel", "Pattern"),
     "{match \"No\\. (\\d+)\"}"},
    {"PushButton19", QT_TRANSLATE_NOOP("corvander::TemplatePanel", "Title"), "{title}"},
    {"PushButton20", QT_TRANSLATE_NOOP("corvander::TemplatePanel", "Author"), "{author}"},
    {"PushButton21", QT_TRANSLATE_NOOP("corvander::TemplatePanel", "File Name"), "{file}"},
};

struct DateOrderChoice {
    const char* name;
    const char* text;
    const char* order;
};
constexpr DateOrderChoice kDateOrders[] = {
    {"mnuDateDmy", QT_TRANSLATE_NOOP("corvander::TemplatePanel", "&Day, Month, Year"), "dmy"},
    {"mnuDateMdy", QT_TRANSLATE_NOOP("corvander::TemplatePanel", "&Month, Day, Year"), "mdy"},
    {"mnuDateYmd", QT_TRANSLATE_NOOP("corvander::TemplatePanel", "&Year, Month, Day"), "ymd"},
};

} // namespace

TemplatePanel::TemplatePanel(QWidget* window, DrawnArea& area, SettingsStore& settings,
                             ExtractionPool& pool)
    : m_settings(settings) {
    createControls(window, area, pool);
    connect(Text3, &QPlainTextEdit::textChanged, this, &TemplatePanel::Text3_Change);
    connect(Option3, &QRadioButton::toggled, this, &TemplatePanel::changed);
    connect(m_page, &PageView::zoneChosen, this, &TemplatePanel::insertField);
}

void TemplatePanel::createControls(QWidget* window, DrawnArea& area, ExtractionPool& pool) {
    Option3 = area.place<QRadioButton>(window, "Option3", 120, 120, 3960, 405);
    Option3->setText(tr("Rename by template"));
    // A few lines of templates are enough; the page view below takes the height.
    Text3 = area.place<QPlainTextEdit>(window, "Text3", 120, 600, 3960, 1380);
    Text3->setAccessibleName(tr("Templates, one per line"));
    Text3->setAccessibleDescription(
        tr("Literal text with fields in braces; the first template whose fields all "
           "have a value names the file"));
    Text3->setLineWrapMode(QPlainTextEdit::NoWrap);
    // Tab moves on to the next control; a template holds no tabs.
    Text3->setTabChangesFocus(true);
    Label2 = area.place<QLabel>(window, "Label2", 120, 2040, 3960, 600);
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label2->setAccessibleName(tr("Template mistake"));
    // Two buttons a row under the mistake, in reading order.
    for (std::size_t i = 0; i < std::size(kFields); ++i) {
        const FieldChoice& choice = kFields[i];
        const int left = i % 2 == 0 ? 120 : 2160;
        const int top = 2700 + int(i / 2) * 450;
        auto* button = area.place<QPushButton>(window, choice.name, left, top, 1920, 405);
        button->setText(tr(choice.caption));
        button->setAccessibleName(tr("Insert field: %1").arg(button->text()));
        const QString field = QString::fromUtf8(choice.field);
        connect(button, &QPushButton::clicked, this, [this, field] { insertField(field); });
        m_fieldButtons << button;
    }
    m_page = new PageView(pool, window);
    area.adopt(m_page, "PageView", 120, 4560, 3960, 3975);
    area.setGrowing(m_page, 120);
}

// Asking the worker again for the page shown already would only make it flicker.
void TemplatePanel::showPageOf(const QString& path) {
    if (path.isEmpty())
        m_page->clear();
    else if (path != m_page->path())
        m_page->showPage(path);
}

void TemplatePanel::addLearnedTemplate(const QString& line) {
    QStringList lines = templateLines();
    lines.removeAll(line);
    lines.removeAll(QString());
    lines.prepend(line);
    Text3->setPlainText(lines.join(QLatin1Char('\n')));
    // Clicked, so that the choice is remembered as the user's own click would be.
    if (!Option3->isChecked())
        Option3->click();
}

void TemplatePanel::addMenuItems(QMenu* options) {
    QMenu* orders = options->addMenu(tr("&Date Order"));
    orders->setObjectName(QStringLiteral("mnuDateOrder"));
    m_dateOrders = new QActionGroup(orders);
    m_dateOrders->setExclusive(true);
    for (const DateOrderChoice& choice : kDateOrders) {
        QAction* action = orders->addAction(tr(choice.text));
        action->setObjectName(QString::fromLatin1(choice.name));
        action->setCheckable(true);
        action->setData(QString::fromLatin1(choice.order));
        m_dateOrders->addAction(action);
        connect(action, &QAction::triggered, this,
                [this, action] { chooseDateOrder(action->data().toString()); });
    }
    const QString order = dateOrderText(defaultDateOrder());
    for (QAction* action : m_dateOrders->actions())
        action->setChecked(action->data().toString() == order);
}

QWidget* TemplatePanel::setTabOrderAfter(QWidget* previous) {
    QList<QWidget*> order = {Option3, Text3};
    for (QPushButton* button : std::as_const(m_fieldButtons))
        order << button;
    for (QWidget* next : std::as_const(order)) {
        QWidget::setTabOrder(previous, next);
        previous = next;
    }
    return previous;
}

bool TemplatePanel::templateSelected() const {
    return Option3->isChecked();
}

QStringList TemplatePanel::templateLines() const {
    return Text3->toPlainText().split(QLatin1Char('\n'));
}

QString TemplatePanel::dateOrder() const {
    if (m_dateOrders && m_dateOrders->checkedAction())
        return m_dateOrders->checkedAction()->data().toString();
    return dateOrderText(defaultDateOrder());
}

void TemplatePanel::insertField(const QString& field) {
    Text3->insertPlainText(field);
    Text3->setFocus(Qt::OtherFocusReason);
}

void TemplatePanel::Text3_Change() {
    m_settings.save(QStringLiteral("Template"), Text3->toPlainText());
    checkTemplates();
    Q_EMIT changed();
}

// Blank lines name nothing; every other line must read as a template.
void TemplatePanel::checkTemplates() {
    const QStringList lines = templateLines();
    const bool several = lines.size() > 1;
    m_mistake.clear();
    for (qsizetype line = 0; line < lines.size() && m_mistake.isEmpty(); ++line) {
        if (lines.at(line).trimmed().isEmpty())
            continue;
        const TemplateParse parse = parseTemplate(lines.at(line));
        if (parse.ok())
            continue;
        m_mistake = several ? tr("Line %1: %2").arg(line + 1).arg(parse.error->message)
                            : parse.error->message;
    }
    Label2->setText(m_mistake);
}

void TemplatePanel::restoreText3() {
    Text3->setPlainText(m_settings.get(QStringLiteral("Template")));
    checkTemplates();
}

// A stored order that is none of the three leaves the locale's, which the menu shows already.
void TemplatePanel::restoreDateOrder() {
    const QString stored = m_settings.get(QStringLiteral("DateOrder"));
    if (!dateOrderFromText(stored))
        return;
    for (QAction* action : m_dateOrders->actions())
        action->setChecked(action->data().toString() == stored);
}

void TemplatePanel::chooseDateOrder(const QString& order) {
    m_settings.save(QStringLiteral("DateOrder"), order);
    Q_EMIT changed();
}

} // namespace corvander
