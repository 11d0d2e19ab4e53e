// The "Processing ..." dialog: a fixed three-second wait with a progress bar that fills over
// it, shown modally while the driver scans. It does not watch the scan; it ends on its own
// on the thirtieth tick of its 100 ms timer, or early by the cancel key.
#pragma once

#include <string>

#include "platform/ui/dialog.h"
#include "platform/ui/progress_bar.h"

class CProcessingDialog : public Dialog {
  public:
    static constexpr UINT_PTR TICK_TIMER = 255;
    static constexpr UINT TICK_PERIOD_MS = 100;
    static constexpr DWORD DURATION_MS = 3000;

    explicit CProcessingDialog(Window* parent = nullptr);

    BOOL OnInitDialog() override;

  protected:
    void DoDataExchange(DataExchange& dx) override;
    void OnTimer(UINT_PTR id) override;
    void OnDestroy() override;

  private:
    ProgressBar progress_;
    std::string text_;
    DWORD elapsedMs_ = 0;
};
