#include "platform/ui/ui_host.h"

#include "platform/core/message_box.h"
#include "platform/ui/default_ui_host.h"

namespace {

UiHost* g_host = nullptr;

DefaultUiHost& DefaultHost() {
    static DefaultUiHost host;
    return host;
}

}  // namespace

void SetUiHost(UiHost* host) {
    g_host = host;
    if (host == nullptr) {
        SetMessageBoxHandler(nullptr);
        return;
    }
    SetMessageBoxHandler([host](const std::string& text, const std::string& caption, UINT type) {
        return host->ShowMessageBox(0, text, caption, type);
    });
}

UiHost& CurrentUiHost() { return g_host != nullptr ? *g_host : DefaultHost(); }
