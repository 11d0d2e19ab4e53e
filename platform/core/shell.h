// The shell's "open a document with a verb". The stand-in never runs a program: it records
// every request, and at most hands an existing local file to the desktop's opener when a front
// end installed one.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/core/message_box.h"
#include "platform/core/win_types.h"

constexpr ULONG SEE_MASK_FLAG_NO_UI = 0x00000400;
// The record's size on the handheld OS, which callers put in cbSize.
constexpr DWORD SHELLEXECUTEINFO_SIZE = 60;

struct SHELLEXECUTEINFO {
    DWORD cbSize;
    ULONG fMask;
    HWND hwnd;
    const char* lpVerb;
    const char* lpFile;
    const char* lpParameters;
    const char* lpDirectory;
    int nShow;
    HANDLE hInstApp;
};

struct ShellRequest {
    std::string verb;
    std::string file;
    std::string parameters;
    int show = 0;
    ULONG mask = 0;
};

BOOL ShellExecuteEx(SHELLEXECUTEINFO* info);

// Every request made so far, oldest first.
const std::vector<ShellRequest>& ShellRequests();
void ClearShellRequests();
// The desktop's opener for a local file that exists; returns whether it took the file.
void SetShellOpener(std::function<bool(const std::string& path)> opener);
