#include "pages/c_processing_dialog.h"

#include "res/resource_ids.h"

CProcessingDialog::CProcessingDialog(Window* parent) : Dialog(IDD_PROCESSING, parent) {}

void CProcessingDialog::DoDataExchange(DataExchange& dx) {
    Dialog::DoDataExchange(dx);
    dx.Control(IDC_PROCESSING_PROGRESS, progress_);
    dx.Text(IDC_PROCESSING_TEXT, text_);
}

BOOL CProcessingDialog::OnInitDialog() {
    Dialog::OnInitDialog();
    SetTimer(TICK_TIMER, TICK_PERIOD_MS);
    progress_.SetRange(0, 100);
    return TRUE;
}

void CProcessingDialog::OnTimer(UINT_PTR id) {
    Dialog::OnTimer(id);
    // Tick k shows (k - 1) / 30 of the bar; the thirtieth ends the wait at 96.
    progress_.SetPos(static_cast<int>(elapsedMs_ * 100 / DURATION_MS));
    elapsedMs_ += TICK_PERIOD_MS;
    if (elapsedMs_ >= DURATION_MS) OnOK();
}

void CProcessingDialog::OnDestroy() {
    Dialog::OnDestroy();
    KillTimer(TICK_TIMER);
}
