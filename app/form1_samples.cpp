// The example documents that ship beside the program.
#include "app/form1.h"
#include "common/error_report.h"
#include "filelist/sample_files.h"

void Form1::prepareSampleSnapshot() {
    PrepareSampleSnapshot(m_settings, m_environment.programFolder);
}

void Form1::PushButton6_Click() {
    TrappedProcedure proc(m_dialogs, QStringLiteral("Form1.PushButton6_Click"));
    proc.step([&] { LoadSampleFiles(*this, m_settings, m_dialogs, m_environment.programFolder); });
    proc.step([&] { runReadabilityCheck(); });
}
