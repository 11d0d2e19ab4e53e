// The Statistics page: frame counts since the last reset and the throughput of the last
// three seconds, polled on timer 255 while the page is in front.
//
// Counts are the adapter's counters minus baselines taken at initialisation and at Reset, in
// wrapping 32-bit arithmetic: a counter that restarts below its baseline shows negative.
#pragma once

#include <string>

#include "pages/utility_page.h"

class CStatistics : public UtilityPage {
  public:
    static constexpr UINT_PTR SAMPLE_TIMER = 255;
    static constexpr UINT SAMPLE_PERIOD_MS = 3000;

    CStatistics();

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    BOOL OnKillActive() override;

  protected:
    void DoDataExchange(DataExchange& dx) override;
    bool OnCommand(int id, int code, HWND control) override;
    void OnTimer(UINT_PTR id) override;

  private:
    // The five counts of one read, in display order.
    struct Counts {
        DWORD framesSent = 0;
        DWORD sendErrors = 0;
        DWORD framesReceived = 0;
        DWORD goodCrc = 0;
        DWORD rxErrors = 0;
    };

    void TakeBaseline();
    void ReadIntoBaselines();
    // The five displayed counts become the adapter's counts minus the baselines.
    void ReadCountsSinceBaseline();
    void ZeroCounts();
    void Sample();
    void Reset();
    // Reads the adapter: the byte counts become the previous ones, the counts go to `counts`.
    void Read(Counts& counts);
    static std::string ThroughputText(ULONGLONG now, ULONGLONG before);

    int framesSent_ = 0;
    int sendErrors_ = 0;
    std::string txThroughput_ = "0.00";
    int framesReceived_ = 0;
    int goodCrc_ = 0;
    int rxErrors_ = 0;
    std::string rxThroughput_ = "0.00";
    Counts baseline_;
    ULONGLONG previousTxBytes_ = 0;
    ULONGLONG previousRxBytes_ = 0;
};
