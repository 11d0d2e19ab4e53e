// The dump of the window in front, in the stable text form of docs/script.md:
//
//   window "SD WLAN Utility"
//   tabs ["Status"] "Statistics" "Site Survey" "Radio" "About"
//   1003 edit "MySSID" enabled visible readonly
//   1000 combo "ADAPTER1" enabled visible sel=0
//     [0] "ADAPTER1"
#pragma once

#include <ostream>
#include <string>

#include "platform/ui/control_state.h"

class Window;

// The window's title as the user sees it: a page shows the caption of the window it sits in.
std::string WindowTitle(Window& window);
// The text `expect` compares: the control's text; a progress bar's position in decimal; a
// list view's selected row, its cells separated by " | " (none selected: empty).
std::string ShownText(const ControlState& state);
// One control: its line and, for combo boxes and list views, the indented lines of its
// entries, each ending in a newline.
std::string FormatControl(const ControlState& state);
// The whole window: title, the sheet's tabs when it shows one, one entry per control.
void DumpWindow(std::ostream& out, Window& window);
