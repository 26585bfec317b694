// The window's side of the extraction: finding the worker program at start-up and checking that
// the listed files can be read.
#include "app/form1.h"

#include "app/ocr_menu.h"
#include "common/error_report.h"
#include "extract/check.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace corvander {

QString Form1::extractorProgram() const {
    if (!m_environment.extractorProgram.isEmpty())
        return m_environment.extractorProgram;
    return QCoreApplication::applicationDirPath() + QStringLiteral("/corvander-extract");
}

void Form1::locateExtractor() {
    // The workers start when the first file is read; a missing program is worth saying at once.
    const QFileInfo program(extractorProgram());
    if (!program.isFile() || !program.isExecutable())
        raiseError(tr("The program \"corvander-extract\" was not found at %1. "
                      "Corvander cannot read any PDF file without it; please "
                      "reinstall Corvander.")
                       .arg(program.filePath()));
}

void Form1::runReadabilityCheck() {
    m_ocr->applyOcrSettings();
    m_check->run();
}

} // namespace corvander
