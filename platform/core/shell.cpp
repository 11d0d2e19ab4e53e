#include "platform/core/shell.h"

#include <sys/stat.h>

#include "platform/core/last_error.h"

namespace {

std::vector<ShellRequest> g_requests;
std::function<bool(const std::string&)> g_opener;

bool IsLocalFile(const std::string& path) {
    struct stat info {};
    return !path.empty() && path[0] == '/' && ::stat(path.c_str(), &info) == 0 &&
           S_ISREG(info.st_mode);
}

std::string OrEmpty(const char* text) { return text != nullptr ? text : ""; }

}  // namespace

BOOL ShellExecuteEx(SHELLEXECUTEINFO* info) {
    if (info == nullptr || info->cbSize != SHELLEXECUTEINFO_SIZE) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    ShellRequest request{OrEmpty(info->lpVerb), OrEmpty(info->lpFile), OrEmpty(info->lpParameters),
                         info->nShow, info->fMask};
    g_requests.push_back(request);
    if (g_opener && IsLocalFile(request.file) && g_opener(request.file)) return TRUE;
    SetLastError(ERROR_FILE_NOT_FOUND);
    return FALSE;
}

const std::vector<ShellRequest>& ShellRequests() { return g_requests; }

void ClearShellRequests() { g_requests.clear(); }

void SetShellOpener(std::function<bool(const std::string&)> opener) {
    g_opener = std::move(opener);
}
