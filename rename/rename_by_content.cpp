#include "rename/rename_by_content.h"

#include "common/error_report.h"
#include "common/path_helpers.h"
#include "common/window_port.h"
#include "rename/clean_name.h"
#include "rename/content_words.h"
#include "rename/page_extractor.h"
#include "rename/rename_context.h"

namespace {

// The name text for the mode, empty when the file is skipped.
QString pickNameText(const PageExtractor& extractor, int mode, int count, int page,
                     const QString& wordList, const QString& searchText, const QString& path) {
    switch (mode) {
    case 0:
        extractor.extractAll();
        break;
    case 1:
        extractor.extractPage(2);
        break;
    case 2: {
        const int last = extractor.findLastPage();
        extractor.removeOutput();
        // With no readable page this is page 0, which makes the extractor take the whole document.
        extractor.extractPage(last);
        break;
    }
    case 3:
        extractor.extractPage(page);
        break;
    case 4:
        if (wordList.trimmed().isEmpty())
            return {};
        extractor.extractPage(1);
        break;
    case 5:
    case 6:
        if (searchText.isEmpty())
            return {};
        extractor.extractAll();
        break;
    default:
        return {};
    }
    if (!extractor.hasOutput())
        return {};

    const QString text = extractor.readOutput();
    if (mode == 4)
        return pickListedWords(text, count, wordList);
    if (mode == 5 || mode == 6)
        return pickAroundSearch(text, count, searchText, mode == 5,
                                StripExtension(FileNameOf(path)));
    return pickFirstWords(text, count);
}

} // namespace

bool RenameFile(const RenameContext& context, const QString& path, int count, int page,
                const QString& wordList, const QString& searchText) {
    TrappedProcedure proc(context.dialogs, QStringLiteral("Form1.RenameFile"));
    bool renamed = false;
    const PageExtractor extractor(context, path);
    int mode = -1;
    QString nameText;
    proc.step([&] { extractor.removeOutput(); });
    proc.step([&] { mode = context.controls.modeIndex(); });
    proc.step(
        [&] { nameText = pickNameText(extractor, mode, count, page, wordList, searchText, path); });
    // A copy that fails raises its report here and leaves the file on the skipped list.
    proc.step([&] {
        if (!nameText.isEmpty())
            renamed = CopyWithCleanName(path, nameText, false, context.controls.resultsFolder());
    });
    return renamed;
}
