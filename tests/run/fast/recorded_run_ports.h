#pragma once

#include "common/window_port.h"
#include "naming/rules/naming_rule.h"
#include "tests/support/recording_front.h"

namespace corvander {

// The window's parts a run drives, as plain values: no widget, no prompt (the answers are given
// beforehand, as the command line gives them).
class RecordedRunPorts : public RecordingFront, public RenameControls {
public:
    int modeIndex() const override { return mode; }
    bool contentSelected() const override { return family == Family::Content; }
    bool metadataSelected() const override { return family == Family::Metadata; }
    QString nameFormat() const override { return parameters.format; }
    bool templateSelected() const override { return family == Family::Template; }
    QStringList templateLines() const override { return parameters.templates; }
    QString dateOrder() const override { return parameters.dateOrder; }
    QString resultsFolder() const override { return folder; }
    bool asksForPassword() const override { return false; }

    Family family = Family::Content;
    int mode = -1;
    RunParameters parameters;
    QString folder;
};

} // namespace corvander
