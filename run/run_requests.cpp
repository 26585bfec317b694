#include "run/run_requests.h"

#include "common/error_report.h"
#include "common/text_helpers.h"
#include "common/vb_convert.h"
#include "common/window_port.h"
#include "naming/content_request.h"
#include "run/rename_by_content.h"
#include "run/rename_by_metadata.h"

using corvander::ExtractRequest;

std::optional<ExtractRequest> expectedRequest(const RenameControls& controls,
                                              const RunParameters& parameters,
                                              const QString& path) {
    if (controls.contentSelected()) {
        const int mode = controls.modeIndex();
        const FileArguments arguments = fileArgumentsFor(mode, parameters);
        try {
            return contentRequest(mode, path, toInt32(arguments.count), toInt32(arguments.page),
                                  arguments.wordList, arguments.searchText);
        } catch (const AppError&) {
            return std::nullopt;
        }
    }
    if (controls.metadataSelected() && !trimBlanks(controls.nameFormat()).isEmpty())
        return ExtractRequest::information(path);
    return std::nullopt;
}

bool renameOne(const RenameContext& context, const RunParameters& parameters, const QString& path) {
    if (context.controls.contentSelected()) {
        const FileArguments arguments = fileArgumentsFor(context.controls.modeIndex(), parameters);
        return !RenameFile(context, path, toInt32(arguments.count), toInt32(arguments.page),
                           arguments.wordList, arguments.searchText);
    }
    if (context.controls.metadataSelected())
        return !RenameMeta(context, path, context.controls.nameFormat());
    return false;
}
