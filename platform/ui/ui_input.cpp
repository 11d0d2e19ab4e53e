#include "platform/ui/ui_input.h"

#include "platform/ui/button.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit_control.h"
#include "platform/ui/list_view.h"
#include "platform/ui/property_sheet.h"

namespace {

// A control the user can reach: it exists, shows and takes input.
template <typename T>
T* Reachable(Window& window, int id) {
    auto* control = dynamic_cast<T*>(FindControl(window, id));
    if (control == nullptr || !control->IsWindowVisible() || !control->IsWindowEnabled())
        return nullptr;
    return control;
}

bool SendKeyCommand(Window& window, int id) {
    Window* top = window.TopLevel();
    if (top->Handle() == 0) return false;
    top->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), BN_CLICKED), 0);
    return true;
}

}  // namespace

Window* FindControl(Window& window, int id) {
    return window.Handle() != 0 ? window.GetDlgItem(id) : nullptr;
}

bool ClickControl(Window& window, int id) {
    Button* button = Reachable<Button>(window, id);
    if (button == nullptr || button->Kind() == ControlKind::GroupBox) return false;
    button->Click();
    return true;
}

bool TypeText(Window& window, int id, const std::string& text) {
    EditControl* edit = Reachable<EditControl>(window, id);
    return edit != nullptr && edit->Type(text);
}

bool SelectItem(Window& window, int id, int index) {
    if (ComboBox* combo = Reachable<ComboBox>(window, id)) return combo->Select(index);
    if (ListView* list = Reachable<ListView>(window, id)) return list->Select(index);
    return false;
}

bool ScrollEdit(Window& window, int id, int first) {
    EditControl* edit = Reachable<EditControl>(window, id);
    if (edit == nullptr || (edit->GetStyle() & ES_MULTILINE) == 0) return false;
    edit->LineScroll(first - edit->GetFirstVisibleLine());
    return true;
}

bool DoubleClickItem(Window& window, int id, int row) {
    ListView* list = Reachable<ListView>(window, id);
    return list != nullptr && list->DoubleClick(row);
}

bool PressEnter(Window& window) { return SendKeyCommand(window, IDOK); }

bool PressEscape(Window& window) { return SendKeyCommand(window, IDCANCEL); }

bool CloseWindow(Window& window) { return SendKeyCommand(window, IDOK); }

bool SelectTab(PropertySheet& sheet, int index) {
    if (!sheet.IsWindowVisible() || !sheet.IsWindowEnabled()) return false;
    return sheet.SetActivePage(index);
}

PropertySheet* FindSheet(Window& window) {
    for (Window* child : window.Children()) {
        if (auto* sheet = dynamic_cast<PropertySheet*>(child)) return sheet;
    }
    return nullptr;
}

std::vector<ControlState> DescribeControls(const Window& window) {
    std::vector<ControlState> states;
    for (const Window* child : window.Children()) states.push_back(child->Describe());
    return states;
}
