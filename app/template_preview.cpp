#include "app/template_preview.h"

#include "app/file_list_panel.h"
#include "app/template_panel.h"
#include "naming/file_planner.h"
#include "naming/rules/naming_rules.h"

namespace corvander {

TemplatePreview::TemplatePreview(Needs needs) : m_needs(needs) {
    m_delay.setSingleShot(true);
    m_delay.setInterval(kDelayMilliseconds);
    connect(&m_delay, &QTimer::timeout, this, &TemplatePreview::planVisibleRows);
    connect(&m_needs.pool, &ExtractionPool::finished, this, &TemplatePreview::answered);
}

void TemplatePreview::schedule() {
    m_delay.start();
}

void TemplatePreview::planVisibleRows() {
    dropPending();
    // A run shows its own names; it says when it is over by a change that schedules again.
    if (m_needs.busy.isBusy())
        return;
    if (!m_needs.controls.templateSelected() || !m_needs.templates.mistake().isEmpty()) {
        hideNames();
        return;
    }
    m_arguments = RuleArguments();
    m_arguments.templates = m_needs.controls.templateLines();
    m_arguments.dateOrder = m_needs.controls.dateOrder();
    m_folder = std::make_unique<ResultsFolder>(m_needs.controls.resultsFolder());
    m_reservations = NameReservations();
    m_order = m_needs.list.visiblePositions();
    const NamingRule* rule = &namingRule(RuleId::Template);
    for (const int position : std::as_const(m_order)) {
        const QString path = m_needs.list.entryText(position);
        m_paths.insert(position, path);
        const std::optional<ExtractRequest> request = requestFor(rule, path, m_arguments);
        if (!request) {
            planned(position, planFor(rule, path, m_arguments, std::nullopt));
            continue;
        }
        const ExtractionPool::Ticket ticket = m_needs.pool.submit(*request);
        m_pending.insert(ticket, position);
        // A pool that cannot start a worker answers at once, before the ticket was known here.
        if (m_needs.pool.isFinished(ticket))
            answered(ticket);
    }
}

void TemplatePreview::answered(ExtractionPool::Ticket ticket) {
    const auto found = m_pending.constFind(ticket);
    if (found == m_pending.cend())
        return;
    const int position = found.value();
    m_pending.erase(found);
    const ExtractResult result = m_needs.pool.take(ticket);
    // A run began meanwhile: its own names stand in the column.
    if (m_needs.busy.isBusy())
        return;
    planned(position,
            planFor(&namingRule(RuleId::Template), m_paths.value(position), m_arguments, result));
}

void TemplatePreview::planned(int position, const PlannedFile& plan) {
    m_ready.insert(position, plan);
    showReadyRows();
}

void TemplatePreview::showReadyRows() {
    while (m_nextShown < m_order.size() && m_ready.contains(m_order.at(m_nextShown))) {
        const int position = m_order.at(m_nextShown++);
        const PlannedFile plan = m_ready.take(position);
        // The list may have changed under a round that took its time.
        if (position > m_needs.list.entryCount() ||
            m_needs.list.entryText(position) != m_paths.value(position))
            continue;
        const QString name = plan.copies() ? m_reservations.reserve(*m_folder, plan.name)
                                           : tr("(skipped: %1)").arg(plan.skipText());
        m_needs.list.showPlannedName(position, name, plan.provenance.describe());
        m_shown = true;
    }
}

void TemplatePreview::dropPending() {
    for (auto it = m_pending.cbegin(); it != m_pending.cend(); ++it)
        m_needs.pool.drop(it.key());
    m_pending.clear();
    m_paths.clear();
    m_ready.clear();
    m_order.clear();
    m_nextShown = 0;
}

void TemplatePreview::hideNames() {
    if (!m_shown)
        return;
    m_shown = false;
    m_needs.list.hidePlannedNames();
}

} // namespace corvander
