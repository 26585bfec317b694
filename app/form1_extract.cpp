// The window's side of the extractors: finding the text extractor at start-up and checking that
// the listed files can be read.
#include "app/form1.h"

#include "common/error_report.h"
#include "common/work_folder.h"
#include "extract/check.h"
#include "extract/extractor_tools.h"

#include <QDir>

void Form1::deployTextExtractor() {
    if (!m_workFolder || !m_workFolder->isValid())
        raiseError(QStringLiteral("The work folder could not be created in ") + QDir::tempPath());
    m_pdftotextPath = DeployTool(QStringLiteral("pdftotext"));
}

void Form1::runReadabilityCheck() {
    CheckByCodeNotPreviewTextbox(m_dialogs, *this, *this, *this, m_pdftotextPath, workFolderPath());
}
