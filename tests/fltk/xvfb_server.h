// A private X server for the desktop tests: Xvfb on the first free display from :91 to :99,
// started on first use and stopped when the test program ends. DISPLAY points at it.
#pragma once

#include <sys/types.h>

#include <string>

class XvfbServer {
  public:
    static XvfbServer& Shared();

    bool Running() const { return pid_ > 0; }
    const std::string& Display() const { return display_; }
    // Why the server is not running.
    const std::string& Error() const { return error_; }

  private:
    XvfbServer();
    ~XvfbServer();
    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;

    enum class Attempt { Ready, Busy, Missing };
    Attempt TryDisplay(int number);
    void Stop();

    pid_t pid_ = -1;
    std::string display_;
    std::string error_;
};
