// Keyboard: Tab follows the window as it reads, and Enter presses a focused button.
#include "app/file_list_panel.h"
#include "app/form1.h"
#include "app/rename_options_panel.h"
#include "app/results_folder_box.h"
#include "app/run_controller.h"
#include "app/template_panel.h"

#include <QKeyEvent>
#include <QPushButton>

namespace corvander {

void Form1::setUpKeyboard() {
    QWidget* last = m_fileList->setTabOrderAfter(PushButton7);
    last = m_options->setTabOrderAfter(last);
    last = m_resultsFolder->setTabOrderAfter(last);
    last = m_run->setTabOrderAfter(last);
    // The template panel stands to the right of the drawn area and is read after it.
    m_template->setTabOrderAfter(last);
    for (QPushButton* button : findChildren<QPushButton*>())
        button->installEventFilter(this);
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

} // namespace corvander
