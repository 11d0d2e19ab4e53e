// Builders for the controls and dialogs of the resource templates. Positions and sizes are in
// dialog units; each builder sets the kind's usual style bits, WS_CHILD, and WS_VISIBLE for a
// visible control.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/dialog_template.h"

struct Place {
    int x = 0, y = 0, cx = 0, cy = 0;
};

ControlTemplate MakeLabel(int id, const std::string& text, Place at, DWORD style = 0);
// Single-line unless `style` says otherwise; bordered, tab stop.
ControlTemplate MakeEdit(int id, Place at, DWORD style = 0);
ControlTemplate MakePushButton(int id, const std::string& text, Place at, DWORD style = 0);
ControlTemplate MakeCheckBox(int id, const std::string& text, Place at);
// `startsGroup` marks the first button of a radio group.
ControlTemplate MakeRadioButton(int id, const std::string& text, Place at, bool startsGroup);
ControlTemplate MakeGroupBox(const std::string& text, Place at);
// Drop-down list with its initial entries; `style` adds CBS_SORT and the like.
ControlTemplate MakeDropList(int id, Place at, std::vector<std::string> items = {},
                             DWORD style = 0);
ControlTemplate MakeListView(int id, Place at, DWORD style);
ControlTemplate MakeProgressBar(int id, Place at, DWORD style = 0);
ControlTemplate MakePicture(int bitmapId, Place at);
// The same control, created hidden.
ControlTemplate Hidden(ControlTemplate control);

// A page of a property sheet: child window with a caption (the tab text).
DialogTemplate MakePageTemplate(int id, const std::string& caption, int cx, int cy);
// A top-level modal dialog: popup, visible, caption, modal frame; `extraStyle` adds e.g. the
// system menu.
DialogTemplate MakeModalTemplate(int id, const std::string& caption, int cx, int cy,
                                 DWORD extraStyle = 0, DWORD exStyle = 0);
