// Events: manual- or auto-reset, optionally named so that another thread (a driver's
// worker) can open the same event by name.
#pragma once

#include <cstddef>
#include <functional>
#include <string_view>

#include "platform/core/win_types.h"

constexpr DWORD EVENT_ALL_ACCESS = 0x001F0003u;

// Creates an event, or opens the existing one of the same name (last error ERROR_ALREADY_EXISTS).
HANDLE CreateEvent(void* attributes, BOOL manualReset, BOOL initialState, LPCWSTR name);
// Opens a named event; 0 with ERROR_FILE_NOT_FOUND when there is none.
HANDLE OpenEvent(DWORD access, BOOL inherit, LPCWSTR name);
BOOL SetEvent(HANDLE event);
BOOL ResetEvent(HANDLE event);
// Waits in real time. Returns WAIT_OBJECT_0, WAIT_TIMEOUT or WAIT_FAILED.
DWORD WaitForSingleObject(HANDLE handle, DWORD milliseconds);
// Sees every signal of a named event, with its name (a tracer the program installs). Installed
// before any event is set; an empty function removes it.
void SetNamedEventObserver(std::function<void(std::u16string_view name)> observer);
// How many names the event name table holds (each has at least one open handle).
std::size_t NamedEventCount();
