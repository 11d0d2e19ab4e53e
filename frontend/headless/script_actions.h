// What the script's user-input commands do to the window in front: tabs, clicks, typing,
// selections, keys, closing, answers for open-file dialogs, dumps and expectations. Each check
// a user would run into (no such control, hidden, disabled, wrong kind, entry out of range)
// is an error naming the control and the window.
#pragma once

#include <ostream>
#include <string>

#include "frontend/headless/script_command.h"

class FileAnswerQueue;
class Window;

class ScriptActions {
  public:
    ScriptActions(FileAnswerQueue& files, std::ostream& out) : files_(files), out_(out) {}

    // Carries out every command but `wait` and registered words; returns an error text, or an
    // empty one when the command was carried out.
    std::string Run(const ScriptCommand& command);

  private:
    std::string Tab(int index);
    std::string Click(Window& front, int id);
    std::string Type(Window& front, int id, const std::string& text);
    std::string Select(Window& front, int id, int index);
    std::string DoubleClick(Window& front, int id, int row);
    std::string Scroll(Window& front, int id, int line);
    std::string Close();
    std::string Expect(Window& front, int id, const std::string& text);
    std::string Input(const ScriptCommand& command, Window& front);

    FileAnswerQueue& files_;
    std::ostream& out_;
};
