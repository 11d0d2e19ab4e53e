// Creates the native control for a template control.
#pragma once

#include <memory>

#include "platform/ui/dialog_template.h"
#include "platform/ui/window.h"

// Creates the object for the kind and its window as a child of `parent`, at the template's
// position in pixels, with its initial content (a combo box's entries). Null for a kind that
// is not a control or when the window cannot be created.
std::unique_ptr<Window> CreateTemplateControl(Window& parent, const ControlTemplate& control);
// Style bits a kind always carries (a check box's BS_AUTOCHECKBOX, a combo box's
// CBS_DROPDOWNLIST, a picture's SS_BITMAP); they replace the template's type bits.
DWORD KindStyle(ControlKind kind);
