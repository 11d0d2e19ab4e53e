// Dialog templates: the data a dialog or property page is built from. The resources fill them;
// the window system creates a dialog's controls from its template.
#pragma once

#include <string>
#include <vector>

#include "platform/core/win_types.h"

enum class ControlKind {
    Static,
    Edit,
    PushButton,
    CheckBox,     // auto check box
    RadioButton,  // auto radio button; a group starts at a control with WS_GROUP
    GroupBox,
    ComboBox,  // drop-down list (CBS_SORT for a sorted one)
    ListView,
    ProgressBar,
    Picture,  // static bitmap
    // Windows that are not template controls.
    Dialog,
    Sheet,
};

// Name of a kind in dumps and messages: "static", "edit", "button", "check", "radio",
// "group", "combo", "listview", "progress", "picture", "dialog", "sheet".
const char* ControlKindName(ControlKind kind);

struct ControlTemplate {
    int id = -1;  // IDC_STATIC (-1) for controls the code never addresses
    ControlKind kind = ControlKind::Static;
    std::string text;    // UTF-8
    int x = 0, y = 0;    // dialog units, relative to the dialog's client area
    int cx = 0, cy = 0;  // dialog units
    DWORD style = 0;     // kind-specific bits plus WS_*; WS_VISIBLE follows `visible`
    DWORD exStyle = 0;
    bool visible = true;
    std::vector<std::string> items;  // initial entries of a combo box, added in this order
    int bitmapId = 0;                // bitmap resource of a picture
};

struct DialogTemplate {
    int id = 0;
    std::string caption;  // also the tab caption of a property page
    int cx = 0, cy = 0;   // dialog units
    std::string fontName = "System";
    int fontSize = 8;
    DWORD style = 0;
    DWORD exStyle = 0;
    std::vector<ControlTemplate> controls;  // in tab (creation) order
};
