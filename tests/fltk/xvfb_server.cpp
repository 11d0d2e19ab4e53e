#include "xvfb_server.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <thread>

namespace {

constexpr int kFirstDisplay = 91;
constexpr int kLastDisplay = 99;
// Polling for the server's socket: 100 looks, 50 ms apart.
constexpr int kPolls = 100;
constexpr auto kPollInterval = std::chrono::milliseconds(50);

bool Exists(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0;
}

// The server that owns display `number`, from its lock file; -1 when unknown.
pid_t LockOwner(int number) {
    std::ifstream lock("/tmp/.X" + std::to_string(number) + "-lock");
    long pid = -1;
    lock >> pid;
    return lock ? static_cast<pid_t>(pid) : -1;
}

pid_t SpawnXvfb(const std::string& display) {
    pid_t pid = fork();
    if (pid != 0) return pid;
    int null = open("/dev/null", O_RDWR);
    if (null >= 0) {
        dup2(null, STDIN_FILENO);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
    }
    execlp("Xvfb", "Xvfb", display.c_str(), "-nolisten", "tcp", "-screen", "0", "1280x1024x24",
           static_cast<char*>(nullptr));
    _exit(127);
}

}  // namespace

XvfbServer& XvfbServer::Shared() {
    static XvfbServer server;
    return server;
}

XvfbServer::XvfbServer() {
    for (int number = kFirstDisplay; number <= kLastDisplay; ++number) {
        if (Exists("/tmp/.X" + std::to_string(number) + "-lock")) continue;
        Attempt attempt = TryDisplay(number);
        if (attempt == Attempt::Ready) {
            setenv("DISPLAY", display_.c_str(), 1);
            return;
        }
        if (attempt == Attempt::Missing) {
            error_ = "Xvfb is not installed (scripts/ensure-deps.sh installs it)";
            return;
        }
    }
    error_ = "Xvfb could not be started on any display from :91 to :99";
}

XvfbServer::~XvfbServer() { Stop(); }

XvfbServer::Attempt XvfbServer::TryDisplay(int number) {
    const std::string display = ":" + std::to_string(number);
    const pid_t pid = SpawnXvfb(display);
    if (pid < 0) return Attempt::Missing;
    const std::string socket = "/tmp/.X11-unix/X" + std::to_string(number);
    for (int poll = 0; poll < kPolls; ++poll) {
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            const bool missing = WIFEXITED(status) && WEXITSTATUS(status) == 127;
            return missing ? Attempt::Missing : Attempt::Busy;
        }
        // Another server may hold the display: only our own lock counts.
        if (Exists(socket) && LockOwner(number) == pid) {
            pid_ = pid;
            display_ = display;
            return Attempt::Ready;
        }
        std::this_thread::sleep_for(kPollInterval);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    return Attempt::Busy;
}

void XvfbServer::Stop() {
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    for (int poll = 0; poll < kPolls; ++poll) {
        if (waitpid(pid_, nullptr, WNOHANG) == pid_) {
            pid_ = -1;
            return;
        }
        std::this_thread::sleep_for(kPollInterval);
    }
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
    pid_ = -1;
}
