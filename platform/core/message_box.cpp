#include "platform/core/message_box.h"

namespace {
MessageBoxHandler g_handler;
}

int MessageBox(HWND, const std::string& text, const std::string& caption, UINT type) {
    if (!g_handler) return IDOK;
    return g_handler(text, caption, type);
}

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler) {
    std::swap(g_handler, handler);
    return handler;
}
