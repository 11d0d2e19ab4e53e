// The open-file dialog: the front end asks the user (UiHost::ChooseOpenFile).
//
// The filter text is pairs of description and pattern divided by '|' (a trailing "||" ends
// it). A chosen name without an extension gets the default one. With OFN_FILEMUSTEXIST a name
// that does not exist is refused with a message and the user is asked again.
#pragma once

#include <string>

#include "platform/ui/ui_host.h"

class OpenFileDialog {
  public:
    OpenFileDialog(const std::string& defaultExtension, const std::string& initialName, DWORD flags,
                   const std::string& filter, HWND owner = 0);

    // IDOK with a path, or IDCANCEL.
    INT_PTR DoModal();
    std::string GetPathName() const { return path_; }
    const OpenFileRequest& Request() const { return request_; }

    // Message shown for a name that does not exist (with OFN_FILEMUSTEXIST).
    static std::string NotFoundMessage(const std::string& path);

  private:
    std::string WithDefaultExtension(const std::string& path) const;

    OpenFileRequest request_;
    std::string path_;
};

// Divides a filter text at '|' into (description, pattern) pairs; an unpaired last part is
// dropped.
std::vector<std::pair<std::string, std::string>> SplitFileFilter(const std::string& filter);
