// SIGINT and SIGTERM as a request to stop the text mode: while the object lives, either signal
// sets a flag and wakes the waiting loop (through a pipe) instead of ending the process, so
// that the application can close its main window and shut down in order. One object at a
// time.
#pragma once

#include <csignal>

class StopSignal {
  public:
    StopSignal();
    ~StopSignal();
    StopSignal(const StopSignal&) = delete;
    StopSignal& operator=(const StopSignal&) = delete;

    bool Requested() const;
    // Sleeps until a stop is requested or `timeoutMs` have passed (negative: no limit).
    void WaitFor(int timeoutMs) const;
    // What the signals do; safe inside a signal handler.
    static void Request();

  private:
    struct sigaction oldInt_ {};
    struct sigaction oldTerm_ {};
};
