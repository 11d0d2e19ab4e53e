// A window's controls as labelled fields, for the text mode: a static text on the same row
// left of a control is that control's label ("SSID" beside the SSID edit). Rows are taken from
// the controls' positions, so the view follows the dialog template's layout.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/control_state.h"

class Window;

struct TextField {
    int id = -1;  // the control that shows the value
    std::string label;
    std::string value;

    bool operator==(const TextField&) const = default;
};

// The visible fields of `window`, top to bottom and left to right. Push buttons, group boxes
// and pictures are left out; a value without a label keeps an empty label.
std::vector<TextField> LabelledFields(const Window& window);
// How a control's value reads as text: a progress bar as a percentage of its range, a list
// view as its number of rows, a check box or radio button as "[x] Text" / "[ ] Text".
std::string FieldValue(const ControlState& state);
// A label without its mnemonic marks ("&Rescan" -> "Rescan") and trailing colon.
std::string CleanLabel(const std::string& text);
