// A private X server for the desktop tests: Xvfb on a free display it picks itself, started on
// first use and stopped when the test program ends. DISPLAY points at it.
#pragma once

#include <sys/types.h>

#include <string>

class XvfbServer {
  public:
    static XvfbServer& Shared();

    bool Running() const { return pid_ > 0; }
    // Why the server is not running.
    const std::string& Error() const { return error_; }

  private:
    XvfbServer();
    ~XvfbServer();
    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;

    pid_t pid_ = -1;
    std::string error_;
};
