// Naming by example: a planned name the user typed over becomes a template line.
#include "app/form1.h"
#include "app/ocr_menu.h"
#include "app/template_panel.h"
#include "common/event_loop_waiter.h"
#include "extract/extraction_pool.h"
#include "naming/learn/example_files.h"
#include "naming/template/dates.h"

namespace corvander {

// Learned as `corvander learn FILE=NAME` learns it, with the window's date order and OCR, so that
// the command line given the same file and name prints the same template.
void Form1::learnFromNamedEntry(const QString& path, const QString& name) {
    if (path.isEmpty() || m_pointer->isBusy())
        return;
    m_ocr->applyOcrSettings();
    const TemplateLearner learner(
        dateOrderFromText(m_template->dateOrder()).value_or(defaultDateOrder()));
    m_pointer->setBusy(true);
    const LearnedTemplates learned = learnFromFiles(learner, {{path, name}}, *m_pool, *m_waiter);
    m_pointer->setBusy(false);
    if (m_pool->cannotStart()) {
        m_dialogs.showMessage(tr("No template can be learned: %1").arg(m_pool->takeStartFailure()));
        return;
    }
    const LearnOutcome outcome = learned.outcomes.value(0);
    if (!outcome.learned) {
        m_dialogs.showMessage(
            tr("No template gives the name \"%1\": %2").arg(name, outcome.reason));
        return;
    }
    m_template->addLearnedTemplate(outcome.learned->text);
}

} // namespace corvander
