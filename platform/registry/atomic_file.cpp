#include "platform/registry/atomic_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace {

constexpr std::size_t kReadChunk = 4096;

std::string TooLarge(const std::string& path, std::size_t maxBytes) {
    return "cannot read " + path + ": larger than the limit of " + std::to_string(maxBytes) +
           " bytes";
}

std::string Describe(const std::string& what, const std::string& path) {
    return what + " " + path + ": " + std::strerror(errno);
}

bool WriteAll(int fd, const std::string& content) {
    std::size_t done = 0;
    while (done < content.size()) {
        ssize_t n = ::write(fd, content.data() + done, content.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Writes and syncs the temporary file; removes it again on failure.
bool WriteTemporary(const std::string& temp, const std::string& content, std::string* error) {
    int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        *error = Describe("cannot create", temp);
        return false;
    }
    bool ok = WriteAll(fd, content) && ::fsync(fd) == 0;
    if (!ok) *error = Describe("cannot write", temp);
    if (::close(fd) != 0 && ok) {
        ok = false;
        *error = Describe("cannot write", temp);
    }
    if (!ok) ::unlink(temp.c_str());
    return ok;
}

void SyncDirectory(const std::filesystem::path& dir) {
    int fd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);  // best effort: the rename itself is already atomic
    ::close(fd);
}

}  // namespace

bool ReadWholeFile(const std::string& path, std::string* content, std::string* error,
                   std::size_t maxBytes) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        *error = "cannot read " + path + ": it is a directory";
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        *error = Describe("cannot read", path);
        return false;
    }
    std::string text;
    std::array<char, kReadChunk> chunk;  // not cleared: only what was read is used
    while (in && text.size() <= maxBytes) {
        std::size_t want = std::min(chunk.size(), maxBytes + 1 - text.size());
        in.read(chunk.data(), static_cast<std::streamsize>(want));
        text.append(chunk.data(), static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad()) {
        *error = "cannot read " + path;
        return false;
    }
    if (text.size() > maxBytes) {
        *error = TooLarge(path, maxBytes);
        return false;
    }
    *content = std::move(text);
    return true;
}

bool WriteFileAtomically(const std::string& path, const std::string& content, std::string* error) {
    std::filesystem::path dir = std::filesystem::path(path).parent_path();
    std::error_code ec;
    if (!dir.empty() && !std::filesystem::create_directories(dir, ec) && ec) {
        *error = "cannot create directory " + dir.string() + ": " + ec.message();
        return false;
    }
    std::string temp = path + ".tmp";
    if (!WriteTemporary(temp, content, error)) return false;
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        *error = Describe("cannot replace", path);
        ::unlink(temp.c_str());
        return false;
    }
    SyncDirectory(dir);
    return true;
}
