// User input for front ends: each call updates the model's control state first and then sends
// the notification the OS would send. Each returns false (and changes nothing) when the window
// or control is missing, hidden, disabled or of the wrong kind.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/window.h"

class PropertySheet;

// Control `id` of `window` (a dialog or page); null when there is none.
Window* FindControl(Window& window, int id);

// Tap on a button (BN_CLICKED; check box and radio button change state first).
bool ClickControl(Window& window, int id);
// Replaces an edit's text as typing would (EN_CHANGE).
bool TypeText(Window& window, int id, const std::string& text);
// Chooses entry `index` of a combo box (CBN_SELCHANGE) or row `index` of a list view
// (LVN_ITEMCHANGED).
bool SelectItem(Window& window, int id, int index);
// Scrolls a multi-line edit so that line `first` is at the top (as far as it goes), as its
// scroll bar does.
bool ScrollEdit(Window& window, int id, int first);
// Double tap on a list-view row (NM_DBLCLK).
bool DoubleClickItem(Window& window, int id, int row);
// Enter and escape keys: IDOK / IDCANCEL to the top-level window of `window`.
bool PressEnter(Window& window);
bool PressEscape(Window& window);
// The caption OK button: IDOK to the top-level window of `window`.
bool CloseWindow(Window& window);
// Tap on a tab of a sheet.
bool SelectTab(PropertySheet& sheet, int index);

// The property sheet among `window`'s children, if any.
PropertySheet* FindSheet(Window& window);
// The state of each child control of `window`, in creation order.
std::vector<ControlState> DescribeControls(const Window& window);
