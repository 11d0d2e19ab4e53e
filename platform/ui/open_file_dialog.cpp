#include "platform/ui/open_file_dialog.h"

#include <filesystem>

#include "platform/core/message_box.h"

namespace {

// How often the user may give a name that does not exist before the dialog gives up.
constexpr int kMaxAttempts = 16;

}  // namespace

std::vector<std::pair<std::string, std::string>> SplitFileFilter(const std::string& filter) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t bar = filter.find('|'); bar != std::string::npos;
         bar = filter.find('|', start)) {
        parts.push_back(filter.substr(start, bar - start));
        start = bar + 1;
    }
    parts.push_back(filter.substr(start));
    std::vector<std::pair<std::string, std::string>> pairs;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].empty()) break;  // "||" ends the list
        pairs.emplace_back(parts[i], parts[i + 1]);
    }
    return pairs;
}

OpenFileDialog::OpenFileDialog(const std::string& defaultExtension, const std::string& initialName,
                               DWORD flags, const std::string& filter, HWND owner) {
    request_.owner = owner;
    request_.title = "Open";
    request_.filters = SplitFileFilter(filter);
    request_.defaultExtension = defaultExtension;
    request_.initialName = initialName;
    request_.flags = flags;
}

std::string OpenFileDialog::NotFoundMessage(const std::string& path) {
    return path + "\nFile not found.\nPlease verify the correct file name was given.";
}

std::string OpenFileDialog::WithDefaultExtension(const std::string& path) const {
    if (request_.defaultExtension.empty()) return path;
    std::size_t name = path.find_last_of("/\\");
    name = name == std::string::npos ? 0 : name + 1;
    if (path.find('.', name) != std::string::npos) return path;
    return path + "." + request_.defaultExtension;
}

INT_PTR OpenFileDialog::DoModal() {
    for (int attempt = 0; attempt < kMaxAttempts; ++attempt) {
        std::optional<std::string> answer = CurrentUiHost().ChooseOpenFile(request_);
        if (!answer || answer->empty()) return IDCANCEL;
        std::string path = WithDefaultExtension(*answer);
        std::error_code error;
        if ((request_.flags & OFN_FILEMUSTEXIST) != 0 &&
            !std::filesystem::is_regular_file(path, error)) {
            MessageBox(request_.owner, NotFoundMessage(path), request_.title,
                       MB_OK | MB_ICONWARNING);
            continue;
        }
        path_ = path;
        return IDOK;
    }
    return IDCANCEL;
}
