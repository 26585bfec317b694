// The handlers by the form's names: each hands over to the panel that owns the control. The help
// button at the top is the window's own.
#include "app/file_list_panel.h"
#include "app/form1.h"
#include "app/ocr_menu.h"
#include "app/rename_options_panel.h"
#include "app/results_folder_box.h"
#include "app/run_controller.h"
#include "common/error_report.h"
#include "support/help_messages.h"

namespace corvander {

void Form1::PushButton7_Click() {
    TrappedProcedure proc(m_dialogs, QStringLiteral("Form1.PushButton7_Click"));
    proc.step([&] { m_dialogs.showMessage(generalHelpText()); });
}

void Form1::openCommandLinePaths(const QStringList& paths) {
    m_fileList->openCommandLinePaths(paths);
}

void Form1::PushButton1_Click() {
    m_fileList->PushButton1_Click();
}
void Form1::PushButton3_Click() {
    m_fileList->PushButton3_Click();
}
void Form1::PushButton5_Click() {
    m_fileList->PushButton5_Click();
}
void Form1::PushButton6_Click() {
    m_fileList->PushButton6_Click();
}
void Form1::ListView1_DblClick() {
    m_fileList->ListView1_DblClick();
}
void Form1::ListView1_KeyDown(int key) {
    m_fileList->ListView1_KeyDown(key);
}
void Form1::ListView1_OLEDragDrop(const QStringList& paths) {
    m_fileList->ListView1_OLEDragDrop(paths);
}

void Form1::PushButton8_Click() {
    m_options->PushButton8_Click();
}
void Form1::PushButton9_Click() {
    m_options->PushButton9_Click();
}
void Form1::PushButton10_Click() {
    m_options->PushButton10_Click();
}
void Form1::PushButton11_Click() {
    m_options->PushButton11_Click();
}
void Form1::PushButton12_Click() {
    m_options->PushButton12_Click();
}
void Form1::PushButton13_Click() {
    m_options->PushButton13_Click();
}
void Form1::PushButton14_Click() {
    m_options->PushButton14_Click();
}
void Form1::Option1_Click() {
    m_options->Option1_Click();
}
void Form1::Option2_Click() {
    m_options->Option2_Click();
}
void Form1::Combo1_Click() {
    m_options->Combo1_Click();
}
void Form1::Text2_Change() {
    m_options->Text2_Change();
}
void Form1::Check1_Click() {
    m_options->Check1_Click();
}

void Form1::PushButton4_Click() {
    m_resultsFolder->PushButton4_Click();
}
void Form1::Text1_Change() {
    m_resultsFolder->Text1_Change();
}

void Form1::PushButton2_Click() {
    m_run->PushButton2_Click();
}
void Form1::mnuPreview_Click() {
    m_run->mnuPreview_Click();
}
void Form1::mnuStop_Click() {
    m_run->mnuStop_Click();
}
void Form1::mnuUndo_Click() {
    m_run->mnuUndo_Click();
}
void Form1::mnuReport_Click() {
    m_run->mnuReport_Click();
}

void Form1::mnuOcr_Click() {
    m_ocr->mnuOcr_Click();
}
void Form1::mnuOcrLanguages_Click() {
    m_ocr->mnuOcrLanguages_Click();
}

} // namespace corvander
