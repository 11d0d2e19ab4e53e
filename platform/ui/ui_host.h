// What the window system needs from the front end in use: a modal loop that keeps the model
// running until a dialog ends, message boxes, the open-file dialog and the busy cursor.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/ui/window_constants.h"

class Dialog;

// What an open-file dialog asks for.
struct OpenFileRequest {
    HWND owner = 0;
    std::string title;
    // Filter pairs (description, pattern list such as "*.txt;*.hex") from the '|' text.
    std::vector<std::pair<std::string, std::string>> filters;
    std::string defaultExtension;  // without the dot
    std::string initialName;
    DWORD flags = 0;  // OFN_*
};

class UiHost {
  public:
    virtual ~UiHost() = default;
    // Runs the loop of a modal dialog: keeps delivering input, time and messages until
    // dialog.IsEnding(). Returning while the dialog is not ending ends it with IDCANCEL.
    virtual void RunModalLoop(Dialog& dialog) = 0;
    virtual int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption,
                               UINT type) = 0;
    // The chosen path, or nothing for cancel.
    virtual std::optional<std::string> ChooseOpenFile(const OpenFileRequest& request) = 0;
    virtual void WaitCursorChanged(bool busy) { (void)busy; }
};

// Installs the host (not owned) and routes MessageBox to it; null restores the default host.
void SetUiHost(UiHost* host);
UiHost& CurrentUiHost();
