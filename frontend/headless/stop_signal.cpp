#include "frontend/headless/stop_signal.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace {

volatile std::sig_atomic_t g_requested = 0;
int g_pipe[2] = {-1, -1};

void OnSignal(int) { StopSignal::Request(); }

}  // namespace

StopSignal::StopSignal() {
    g_requested = 0;
    if (pipe(g_pipe) == 0) {
        for (int fd : g_pipe) fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
    }
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, &oldInt_);
    sigaction(SIGTERM, &action, &oldTerm_);
}

StopSignal::~StopSignal() {
    sigaction(SIGINT, &oldInt_, nullptr);
    sigaction(SIGTERM, &oldTerm_, nullptr);
    for (int& fd : g_pipe) {
        if (fd >= 0) close(fd);
        fd = -1;
    }
}

bool StopSignal::Requested() const { return g_requested != 0; }

void StopSignal::WaitFor(int timeoutMs) const {
    if (Requested()) return;
    pollfd wake{g_pipe[0], POLLIN, 0};
    poll(&wake, g_pipe[0] >= 0 ? 1 : 0, timeoutMs);
}

void StopSignal::Request() {
    g_requested = 1;
    if (g_pipe[1] >= 0) {
        char byte = 1;
        ssize_t written = write(g_pipe[1], &byte, 1);
        (void)written;  // a full pipe already wakes the loop
    }
}
