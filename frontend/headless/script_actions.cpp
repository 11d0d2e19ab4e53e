#include "frontend/headless/script_actions.h"

#include <initializer_list>

#include "frontend/headless/file_answer_queue.h"
#include "frontend/headless/quoted_text.h"
#include "frontend/headless/window_dump.h"
#include "platform/ui/dialog.h"
#include "platform/ui/edit_control.h"
#include "platform/ui/property_sheet.h"
#include "platform/ui/ui_input.h"
#include "platform/ui/window_manager.h"

namespace {

std::string Named(Window& front, int id) {
    return "control " + std::to_string(id) + " in " + QuoteText(WindowTitle(front));
}

std::string WithArticle(const std::string& noun) {
    bool vowel = !noun.empty() && std::string("aeiou").find(noun.front()) != std::string::npos;
    return (vowel ? "an " : "a ") + noun;
}

// The control `id` of the window in front when the user can reach it and it is one of
// `kinds`; otherwise null and `error` says why.
Window* Reachable(Window& front, int id, std::initializer_list<ControlKind> kinds,
                  std::string& error) {
    Window* control = FindControl(front, id);
    if (control == nullptr) {
        error = "no control " + std::to_string(id) + " in " + QuoteText(WindowTitle(front));
        return nullptr;
    }
    bool kindFits = false;
    std::string wanted;
    for (ControlKind kind : kinds) {
        kindFits = kindFits || control->Kind() == kind;
        wanted += (wanted.empty() ? "" : "/") + std::string(ControlKindName(kind));
    }
    if (!kindFits) {
        error = Named(front, id) + " is " + WithArticle(ControlKindName(control->Kind())) +
                ", not " + WithArticle(wanted);
    } else if (!control->IsWindowVisible()) {
        error = Named(front, id) + " is hidden";
    } else if (!control->IsWindowEnabled()) {
        error = Named(front, id) + " is disabled";
    }
    return error.empty() ? control : nullptr;
}

std::string Refused(Window& front, int id) { return Named(front, id) + " did not take the input"; }

std::string OutOfRange(Window& front, int id, int index, std::size_t count, const char* what,
                       const char* plural) {
    return Named(front, id) + " has no " + what + " " + std::to_string(index) + " (it has " +
           std::to_string(count) + " " + plural + ")";
}

// The modal dialog above the main window, if one is open.
Dialog* ModalAboveMain() {
    const auto& stack = WindowManager::Instance().ModalStack();
    Window* main = WindowManager::Instance().MainWindow();
    if (stack.empty() || stack.back() == main) return nullptr;
    return stack.back();
}

std::string BlockedBy(const Dialog& dialog) {
    return "dialog " + QuoteText(dialog.GetWindowText()) + " is in front";
}

}  // namespace

std::string ScriptActions::Run(const ScriptCommand& command) {
    switch (command.verb) {
        case ScriptVerb::Tab:
            return Tab(command.id);
        case ScriptVerb::Close:
            return Close();
        case ScriptVerb::File:
            files_.QueueFileAnswer(command.path);
            return "";
        default:
            break;
    }
    Window* front = WindowManager::Instance().FrontWindow();
    if (front == nullptr) return "no window is in front";
    return Input(command, *front);
}

std::string ScriptActions::Input(const ScriptCommand& command, Window& front) {
    switch (command.verb) {
        case ScriptVerb::Click:
            return Click(front, command.id);
        case ScriptVerb::Type:
            return Type(front, command.id, command.text);
        case ScriptVerb::Select:
            return Select(front, command.id, command.index);
        case ScriptVerb::DoubleClick:
            return DoubleClick(front, command.id, command.index);
        case ScriptVerb::Scroll:
            return Scroll(front, command.id, command.index);
        case ScriptVerb::KeyEnter:
            return PressEnter(front) ? "" : "the window in front took no key";
        case ScriptVerb::KeyEscape:
            return PressEscape(front) ? "" : "the window in front took no key";
        case ScriptVerb::Dump:
            DumpWindow(out_, front);
            return "";
        case ScriptVerb::Expect:
            return Expect(front, command.id, command.text);
        default:
            return "not a user-input command";
    }
}

std::string ScriptActions::Tab(int index) {
    if (Dialog* modal = ModalAboveMain()) return BlockedBy(*modal);
    Window* main = WindowManager::Instance().MainWindow();
    PropertySheet* sheet = main != nullptr ? FindSheet(*main) : nullptr;
    if (sheet == nullptr || sheet->Handle() == 0) return "the main window shows no pages";
    if (!sheet->IsWindowVisible() || !sheet->IsWindowEnabled())
        return "the page sheet is hidden or disabled";
    if (index >= sheet->GetPageCount()) {
        return "there is no page " + std::to_string(index) + " (the sheet has " +
               std::to_string(sheet->GetPageCount()) + " pages)";
    }
    // A page that refuses to lose the front (a field it cannot take) has shown its message;
    // that is the application's answer, not a fault of the script.
    SelectTab(*sheet, index);
    return "";
}

std::string ScriptActions::Click(Window& front, int id) {
    std::string error;
    if (!Reachable(front, id,
                   {ControlKind::PushButton, ControlKind::CheckBox, ControlKind::RadioButton},
                   error))
        return error;
    return ClickControl(front, id) ? "" : Refused(front, id);
}

std::string ScriptActions::Type(Window& front, int id, const std::string& text) {
    std::string error;
    auto* edit = dynamic_cast<EditControl*>(Reachable(front, id, {ControlKind::Edit}, error));
    if (edit == nullptr) return error.empty() ? Refused(front, id) : error;
    if (edit->IsReadOnly()) return Named(front, id) + " is read-only";
    return TypeText(front, id, text) ? "" : Refused(front, id);
}

std::string ScriptActions::Select(Window& front, int id, int index) {
    std::string error;
    Window* control = Reachable(front, id, {ControlKind::ComboBox, ControlKind::ListView}, error);
    if (control == nullptr) return error;
    ControlState state = control->Describe();
    std::size_t count =
        state.kind == ControlKind::ComboBox ? state.items.size() : state.rows.size();
    if (static_cast<std::size_t>(index) >= count)
        return OutOfRange(front, id, index, count, "entry", "entries");
    return SelectItem(front, id, index) ? "" : Refused(front, id);
}

std::string ScriptActions::DoubleClick(Window& front, int id, int row) {
    std::string error;
    Window* control = Reachable(front, id, {ControlKind::ListView}, error);
    if (control == nullptr) return error;
    std::size_t count = control->Describe().rows.size();
    if (static_cast<std::size_t>(row) >= count)
        return OutOfRange(front, id, row, count, "row", "rows");
    return DoubleClickItem(front, id, row) ? "" : Refused(front, id);
}

std::string ScriptActions::Scroll(Window& front, int id, int line) {
    std::string error;
    Window* edit = Reachable(front, id, {ControlKind::Edit}, error);
    if (edit == nullptr) return error;
    if ((edit->GetStyle() & ES_MULTILINE) == 0) return Named(front, id) + " has one line";
    return ScrollEdit(front, id, line) ? "" : Refused(front, id);
}

std::string ScriptActions::Close() {
    if (Dialog* modal = ModalAboveMain()) return BlockedBy(*modal);
    Window* main = WindowManager::Instance().MainWindow();
    if (main == nullptr || main->Handle() == 0) return "there is no main window";
    return CloseWindow(*main) ? "" : "the main window took no close";
}

std::string ScriptActions::Expect(Window& front, int id, const std::string& text) {
    Window* control = FindControl(front, id);
    if (control == nullptr)
        return "no control " + std::to_string(id) + " in " + QuoteText(WindowTitle(front));
    std::string shown = ShownText(control->Describe());
    if (shown == text) return "";
    return Named(front, id) + " shows " + QuoteText(shown) + ", expected " + QuoteText(text);
}
