#include "rename/rename_by_metadata.h"

#include "common/error_report.h"
#include "common/path_helpers.h"
#include "common/text_helpers.h"
#include "common/window_port.h"
#include "extract/metadata.h"
#include "rename/clean_name.h"
#include "rename/metadata_name.h"
#include "rename/rename_context.h"

bool RenameMeta(const RenameContext& context, const QString& pdfPath, const QString& format) {
    TrappedProcedure proc(context.dialogs, context.labels.metadata);
    bool renamed = false;
    QString name;
    QStringList lines;
    const bool blankFormat = trimBlanks(format).isEmpty();

    // A blank format keeps the file's own name and needs no extraction at all.
    proc.step([&] {
        if (blankFormat)
            name = StripExtension(FileNameOf(pdfPath));
    });
    proc.step([&] {
        if (!blankFormat)
            lines = ReadDocumentInfo(
                [&](const corvander::ExtractRequest& request) {
                    return context.extract(request, false);
                },
                pdfPath);
    });
    proc.step([&] {
        if (!blankFormat)
            name = composeMetadataName(
                format, [&](const QString& label) { return LookupInfoField(lines, label); });
    });
    // A copy that fails is reported by the step and leaves the file on the skipped list.
    proc.step([&] {
        renamed = CopyWithCleanName(pdfPath, name, true, context.controls.resultsFolder());
    });
    return renamed;
}
