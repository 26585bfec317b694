// Keyboard and screen readers: Tab follows the window as it reads, Enter presses a focused button
// or, in the results folder, starts the run, and every control tells a screen reader what it does.
#include "app/file_drop_list.h"
#include "app/form1.h"
#include "app/text_progress_bar.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <iterator>

void Form1::setUpKeyboard() {
    QWidget* const order[] = {
        PushButton7, ListView1,    PushButton1,  PushButton5,  PushButton3,  PushButton6,
        Check1,      Option1,      Combo1,       PushButton8,  Option2,      Text2,
        PushButton9, PushButton10, PushButton11, PushButton12, PushButton13, PushButton14,
        Text1,       PushButton4,  PushButton2,
    };
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    for (QRadioButton* option : {Option1, Option2})
        option->installEventFilter(this);
    connect(Text1, &QLineEdit::returnPressed, this, &Form1::PushButton2_Click);
}

// An exclusive option button that takes the focus takes Tab away from its partner, so Tab would
// pass over the other option. Here the two stand apart, each above the controls it governs, and
// Tab must reach both; the arrow keys still move between them.
void Form1::keepBothOptionsOnTab(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::FocusOut || (watched != Option1 && watched != Option2))
        return;
    for (QRadioButton* option : {Option1, Option2})
        option->setFocusPolicy(Qt::FocusPolicy(option->focusPolicy() | Qt::TabFocus));
}

// Space presses a push button of its own accord; Enter does only for a dialog's default button,
// and this window has none, so Enter on a focused button is pressed here.
bool Form1::pressFocusedButton(QObject* watched, QEvent* event) {
    auto* button = qobject_cast<QPushButton*>(watched);
    if (!button || event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        return false;
    if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    // A held key must not start one run after another.
    if (!key->isAutoRepeat())
        button->click();
    return true;
}

void Form1::nameForScreenReaders() {
    // Captions that say what a control does are its name already; these need words of their own.
    const std::pair<QWidget*, const char*> names[] = {
        {ListView1, "File list"},
        {Combo1, "Content rename mode"},
        {PushButton8, "Help on rename by content"},
        {Text2, "Metadata name format"},
        {PushButton9, "Help on rename by metadata"},
        {PushButton10, "Format preset: author - title"},
        {PushButton11, "Format preset: author - subject"},
        {PushButton12, "Format preset: creator - title"},
        {PushButton13, "Format preset: creator - subject"},
        {PushButton14, "Format preset: title - pages"},
        {Text1, "Results folder"},
        {PushButton4, "Choose the results folder"},
        {ProgressBar1, "Progress"},
    };
    for (const auto& [widget, name] : names)
        widget->setAccessibleName(QString::fromLatin1(name));
    ListView1->setAccessibleDescription(ListView1->toolTip());
    // On Linux a combo box is spoken by its choice; what it is for comes as its description.
    Combo1->setAccessibleDescription(Combo1->accessibleName());
    Text2->setAccessibleDescription(
        QStringLiteral("Placeholders such as %a for author and %t for title"));
}
