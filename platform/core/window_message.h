// Window handles and synchronous message delivery: the part of the window system that the
// lower layers (the driver link filling a combo box) rely on. platform/ui builds its windows
// and controls on this table.
#pragma once

#include <cstdint>
#include <functional>

#include "platform/core/message_box.h"
#include "platform/core/win_types.h"

using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

// Combo-box messages used below the window system.
constexpr UINT CB_ADDSTRING = 0x0143;  // lParam: const char* (UTF-8); returns the index or CB_ERR
constexpr UINT CB_GETCOUNT = 0x0146;
constexpr UINT CB_GETCURSEL = 0x0147;
constexpr UINT CB_SETCURSEL = 0x014E;
constexpr LRESULT CB_ERR = -1;

using WindowProc = std::function<LRESULT(UINT message, WPARAM wParam, LPARAM lParam)>;

// Allocates a window handle (never 0) whose messages go to `proc`.
HWND RegisterWindowProc(WindowProc proc);
void UnregisterWindowProc(HWND window);
bool IsWindow(HWND window);
// Delivers a message at once; 0 for an unknown window.
LRESULT SendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
