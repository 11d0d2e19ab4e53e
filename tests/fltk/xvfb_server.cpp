#include "xvfb_server.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

namespace {

// How long the server may take to accept clients.
constexpr int kStartTimeoutMs = 10000;

// Xvfb on a display of its own choosing; it writes the display's number to `fd` once clients
// can connect.
pid_t SpawnXvfb(int fd) {
    pid_t pid = fork();
    if (pid != 0) return pid;
    int null = open("/dev/null", O_RDWR);
    if (null >= 0) {
        dup2(null, STDIN_FILENO);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
    }
    const std::string number = std::to_string(fd);
    execlp("Xvfb", "Xvfb", "-displayfd", number.c_str(), "-nolisten", "tcp", "-screen", "0",
           "1280x1024x24", static_cast<char*>(nullptr));
    _exit(127);
}

// The line the server writes to `fd`; empty when it ends or stays silent first.
std::string ReadDisplayNumber(int fd) {
    std::string text;
    pollfd ready{fd, POLLIN, 0};
    char c = 0;
    while (poll(&ready, 1, kStartTimeoutMs) == 1 && read(fd, &c, 1) == 1 && c != '\n') text += c;
    return c == '\n' ? text : "";
}

}  // namespace

XvfbServer& XvfbServer::Shared() {
    static XvfbServer server;
    return server;
}

XvfbServer::XvfbServer() {
    int ends[2] = {-1, -1};
    if (pipe(ends) != 0) {
        error_ = "no pipe to hear from Xvfb";
        return;
    }
    const pid_t pid = SpawnXvfb(ends[1]);
    close(ends[1]);
    const std::string number = pid > 0 ? ReadDisplayNumber(ends[0]) : "";
    close(ends[0]);
    if (!number.empty()) {
        pid_ = pid;
        setenv("DISPLAY", (":" + number).c_str(), 1);
        return;
    }
    int status = 0;
    if (pid > 0) {
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
    }
    const bool missing = WIFEXITED(status) && WEXITSTATUS(status) == 127;
    error_ = missing ? "Xvfb is not installed (scripts/ensure-deps.sh installs it)"
                     : "Xvfb did not start";
}

XvfbServer::~XvfbServer() {
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
}
