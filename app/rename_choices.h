#pragma once

#include "app/rename_options_panel.h"
#include "app/results_folder_box.h"
#include "common/window_port.h"

namespace corvander {

// The rename options as a run reads them: the options panel's choices and the results folder
// box's folder, read afresh at every question.
class RenameChoices final : public RenameControls {
public:
    RenameChoices(const RenameOptionsPanel& options, const ResultsFolderBox& results)
        : m_options(options), m_results(results) {}

    int modeIndex() const override { return m_options.modeIndex(); }
    bool contentSelected() const override { return m_options.contentSelected(); }
    bool metadataSelected() const override { return m_options.metadataSelected(); }
    QString nameFormat() const override { return m_options.nameFormat(); }
    QString resultsFolder() const override { return m_results.resultsFolder(); }
    bool asksForPassword() const override { return m_options.asksForPassword(); }

private:
    const RenameOptionsPanel& m_options;
    const ResultsFolderBox& m_results;
};

} // namespace corvander
