// A snapshot of a window's state, as a front end shows it.
#pragma once

#include <string>
#include <vector>

#include "platform/core/window_message.h"
#include "platform/gdi/gdi_types.h"
#include "platform/ui/dialog_template.h"

struct ControlState {
    ControlKind kind = ControlKind::Static;
    HWND hwnd = 0;
    int id = -1;
    std::string text;  // window text (a drop-down list: its selected entry)
    DWORD style = 0;
    bool enabled = true;
    bool visible = true;                         // the window's own visibility flag
    RECT rect;                                   // pixels, relative to the parent's client area
    int checked = 0;                             // buttons: BST_*
    int selection = -1;                          // combo box / list view selected row
    std::vector<std::string> items;              // combo box entries
    std::vector<std::string> columns;            // list view headers
    std::vector<int> columnWidths;               // list view column widths, pixels
    std::vector<std::vector<std::string>> rows;  // list view rows, one cell per column
    int rangeLower = 0, rangeUpper = 0, position = 0;  // progress bar
    int firstVisibleLine = 0;                          // edit
    int bitmapId = 0;                                  // picture
};
