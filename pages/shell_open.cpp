#include "pages/shell_open.h"

void ShellOpen(const char* verb, const char* file, ULONG mask, int show) {
    SHELLEXECUTEINFO info{};
    info.cbSize = SHELLEXECUTEINFO_SIZE;
    info.fMask = mask;
    info.lpVerb = verb;
    info.lpFile = file;
    info.nShow = show;
    ShellExecuteEx(&info);
}
