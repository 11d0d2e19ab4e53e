// Creates the native control object for a template control.
#pragma once

#include <memory>

#include "platform/ui/dialog_template.h"
#include "platform/ui/window.h"

// The object for the kind, with the template's initial content; its window is not created.
std::unique_ptr<Window> MakeControl(const ControlTemplate& control);
// Style bits a kind always carries (a check box's BS_AUTOCHECKBOX, a combo's
// CBS_DROPDOWNLIST...), added to the template's style.
DWORD KindStyle(ControlKind kind);
