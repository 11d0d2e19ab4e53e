#include "pages/c_statistics.h"

#include "adapter/wlan_adapter.h"
#include "platform/core/message_box.h"
#include "platform/core/text.h"
#include "res/resource_ids.h"

namespace {

// One third (the three-second tick) and 8 / 1000 (bytes to kilobits), in single precision.
constexpr float kPerSecond = 0.33333334f;
constexpr float kKilobitsPerByte = 0.008f;
constexpr const char* kResetThroughput = "0.00";

// The wrapping difference of two 32-bit counts, shown signed.
int Since(DWORD now, DWORD baseline) { return static_cast<int>(now - baseline); }

}  // namespace

CStatistics::CStatistics() : UtilityPage(IDD_STATISTICS, OnDestroyAction::EndMainDialog) {}

void CStatistics::DoDataExchange(DataExchange& dx) {
    UtilityPage::DoDataExchange(dx);
    dx.Text(IDC_TX_SUCCESS, framesSent_);
    dx.Text(IDC_TX_ERROR, sendErrors_);
    dx.Text(IDC_TX_THROUGHPUT, txThroughput_);
    dx.Text(IDC_RX_SUCCESS, framesReceived_);
    dx.Text(IDC_RX_CRC_SUCCESS, goodCrc_);
    dx.Text(IDC_RX_CRC_ERROR, rxErrors_);
    dx.Text(IDC_RX_THROUGHPUT, rxThroughput_);
}

BOOL CStatistics::OnInitDialog() {
    UtilityPage::OnInitDialog();
    TakeBaseline();
    return TRUE;
}

void CStatistics::TakeBaseline() {
    if (Adapter() == nullptr) {
        MessageBox(Handle(), "Device == NULL", "", MB_OK);
        return;
    }
    ReadIntoBaselines();
    ZeroCounts();
}

BOOL CStatistics::OnSetActive() {
    if (Adapter() != nullptr) {
        SetTimer(SAMPLE_TIMER, SAMPLE_PERIOD_MS);
        ReadCountsSinceBaseline();
        UpdateData(FALSE);
    }
    return UtilityPage::OnSetActive();
}

BOOL CStatistics::OnKillActive() {
    if (Adapter() != nullptr) KillTimer(SAMPLE_TIMER);
    return UtilityPage::OnKillActive();
}

void CStatistics::OnTimer(UINT_PTR id) {
    if (Adapter() == nullptr) return;
    if (id == SAMPLE_TIMER) Sample();
    UtilityPage::OnTimer(id);
}

bool CStatistics::OnCommand(int id, int code, HWND control) {
    if (id == IDC_RESET && code == BN_CLICKED) {
        Reset();
        return true;
    }
    return UtilityPage::OnCommand(id, code, control);
}

void CStatistics::Read(Counts& counts) {
    Adapter()->GetStatistics(previousTxBytes_, previousRxBytes_, counts.framesSent,
                             counts.sendErrors, counts.framesReceived, counts.goodCrc,
                             counts.rxErrors);
}

void CStatistics::ReadIntoBaselines() { Read(baseline_); }

void CStatistics::ReadCountsSinceBaseline() {
    Counts now;
    Read(now);
    framesSent_ = Since(now.framesSent, baseline_.framesSent);
    sendErrors_ = Since(now.sendErrors, baseline_.sendErrors);
    framesReceived_ = Since(now.framesReceived, baseline_.framesReceived);
    goodCrc_ = Since(now.goodCrc, baseline_.goodCrc);
    rxErrors_ = Since(now.rxErrors, baseline_.rxErrors);
}

void CStatistics::Sample() {
    const ULONGLONG txBefore = previousTxBytes_;
    const ULONGLONG rxBefore = previousRxBytes_;
    ReadCountsSinceBaseline();
    txThroughput_ = ThroughputText(previousTxBytes_, txBefore);
    rxThroughput_ = ThroughputText(previousRxBytes_, rxBefore);
    UpdateData(FALSE);
}

void CStatistics::ZeroCounts() {
    framesSent_ = sendErrors_ = framesReceived_ = goodCrc_ = rxErrors_ = 0;
}

void CStatistics::Reset() {
    if (Adapter() == nullptr) return;
    ReadIntoBaselines();
    ZeroCounts();
    txThroughput_ = rxThroughput_ = kResetThroughput;
    UpdateData(FALSE);
}

std::string CStatistics::ThroughputText(ULONGLONG now, ULONGLONG before) {
    const auto bytes = static_cast<long long>(now - before);
    const float kbps = static_cast<float>(bytes) * kPerSecond * kKilobitsPerByte;
    return StrFormat("%8.2f", static_cast<double>(kbps));
}
