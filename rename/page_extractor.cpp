#include "rename/page_extractor.h"

#include "common/path_helpers.h"
#include "common/window_port.h"
#include "extract/extractor_tools.h"
#include "extract/shell_and_wait.h"
#include "extract/text_reading.h"
#include "rename/rename_context.h"

#include <QFileInfo>

namespace {

// Far beyond any real document; it only bounds the probe.
constexpr int kLastPageProbeLimit = 99999;

QStringList pageOptions(int page) {
    const QString number = QString::number(page);
    return {QStringLiteral("-f"), number, QStringLiteral("-l"), number};
}

} // namespace

PageExtractor::PageExtractor(const RenameContext& context, const QString& pdfPath)
    : m_context(context), m_pdfPath(pdfPath),
      m_outputPath(outputTextPath(context.workFolder, pdfPath)) {}

void PageExtractor::extractAll() const {
    run({});
}

void PageExtractor::extractPage(int page) const {
    run(pageOptions(page));
}

int PageExtractor::findLastPage() const {
    int last = 0;
    for (int page = 1; page <= kLastPageProbeLimit; ++page) {
        removeOutput();
        extractPage(page);
        // A page beyond the last gives no output file at all; an empty one ends the probe too.
        const QFileInfo output(m_outputPath);
        if (!output.exists() || output.size() == 0)
            break;
        last = page;
    }
    return last;
}

void PageExtractor::removeOutput() const {
    DeleteFileForced(m_outputPath);
}

bool PageExtractor::hasOutput() const {
    return QFileInfo::exists(m_outputPath);
}

QString PageExtractor::readOutput() const {
    return ReadWholeFile(m_outputPath);
}

void PageExtractor::run(const QStringList& pageOptions) const {
    ProgressView& bar = m_context.progress;
    ShellAndWait(m_context.pdftotext, textExtractorArguments(m_pdfPath, m_outputPath, pageOptions),
                 {}, &bar, bar.progressText(), bar.progressValue(), m_context.list.entryCount());
}
