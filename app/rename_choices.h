#pragma once

#include "app/rename_options_panel.h"
#include "app/results_folder_box.h"
#include "app/template_panel.h"
#include "common/window_port.h"

namespace corvander {

// The rename options as a run reads them: the options panel's choices, the template panel's
// templates and the results folder box's folder, read afresh at every question.
class RenameChoices final : public RenameControls {
public:
    RenameChoices(const RenameOptionsPanel& options, const ResultsFolderBox& results,
                  const TemplatePanel& templates)
        : m_options(options), m_results(results), m_templates(templates) {}

    int modeIndex() const override { return m_options.modeIndex(); }
    bool contentSelected() const override { return m_options.contentSelected(); }
    bool metadataSelected() const override { return m_options.metadataSelected(); }
    QString nameFormat() const override { return m_options.nameFormat(); }
    bool templateSelected() const override { return m_templates.templateSelected(); }
    QStringList templateLines() const override { return m_templates.templateLines(); }
    QString dateOrder() const override { return m_templates.dateOrder(); }
    QString resultsFolder() const override { return m_results.resultsFolder(); }
    bool asksForPassword() const override { return m_options.asksForPassword(); }

private:
    const RenameOptionsPanel& m_options;
    const ResultsFolderBox& m_results;
    const TemplatePanel& m_templates;
};

} // namespace corvander
