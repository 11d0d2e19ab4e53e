// One command of an automation script, as read from its line (docs/script.md).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/core/win_types.h"

enum class ScriptVerb {
    Wait,         // wait MS
    Tab,          // tab N
    Click,        // click ID
    Select,       // select ID INDEX
    Type,         // type ID TEXT
    DoubleClick,  // dblclick ID ROW
    Scroll,       // scroll ID LINE
    KeyEnter,     // key enter
    KeyEscape,    // key escape
    Close,        // close
    File,         // file PATH | file -
    Dump,         // dump
    Expect,       // expect ID TEXT
    Extension,    // a word registered by the program (e.g. sim ...)
};

struct ScriptCommand {
    ScriptVerb verb = ScriptVerb::Dump;
    int line = 0;
    std::string word;                 // the command word as written
    DWORD ms = 0;                     // wait
    int id = 0;                       // control id; tab: the page index
    int index = 0;                    // select: entry or row; dblclick: row; scroll: line
    std::string text;                 // type, expect
    std::optional<std::string> path;  // file: nothing for `file -` (cancel)
    std::vector<std::string> args;    // extension: the words after the command word
};
