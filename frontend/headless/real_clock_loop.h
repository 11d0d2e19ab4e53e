// The text mode's modal loop on the real clock: delivers what is due, refreshes the text view,
// then sleeps until the next timer or scheduler event or a stop request; it never spins. A
// stop request closes the dialogs as a user would: escape for a dialog above the main window,
// the caption OK button for the main window, so that the application's shutdown runs.
#pragma once

class Dialog;
class StopSignal;
class TextView;

class RealClockLoop {
  public:
    RealClockLoop(TextView& view, const StopSignal& stop) : view_(view), stop_(stop) {}

    void RunModalLoop(Dialog& dialog);
    // How long the loop sleeps now: until the next timer or scheduler event, at most
    // kMaxSleepMs.
    int SleepTime() const;

    // Longest sleep, so that a callback scheduled from another thread waits at most this.
    static constexpr int kMaxSleepMs = 1000;

  private:
    TextView& view_;
    const StopSignal& stop_;
};
