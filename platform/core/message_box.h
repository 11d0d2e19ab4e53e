// Message boxes. The utility shows its messages through MessageBox; the front end in use
// decides how a box is shown and answered.
#pragma once

#include <functional>
#include <string>

#include "platform/core/win_types.h"

using HWND = std::uint32_t;

constexpr UINT MB_OK = 0x00000000u;
constexpr UINT MB_ICONERROR = 0x00000010u;
constexpr UINT MB_ICONWARNING = 0x00000030u;
constexpr UINT MB_ICONINFORMATION = 0x00000040u;
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;

// Shows a modal box; returns the button pressed (IDOK for an OK box).
int MessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type);

// Text (UTF-8), caption, type; returns the button. Without a handler boxes are answered IDOK.
using MessageBoxHandler = std::function<int(const std::string&, const std::string&, UINT)>;
// Installs a handler and returns the previous one.
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);
