#include "platform/ui/dialog_template.h"

const char* ControlKindName(ControlKind kind) {
    switch (kind) {
        case ControlKind::Static:
            return "static";
        case ControlKind::Edit:
            return "edit";
        case ControlKind::PushButton:
            return "button";
        case ControlKind::CheckBox:
            return "check";
        case ControlKind::RadioButton:
            return "radio";
        case ControlKind::GroupBox:
            return "group";
        case ControlKind::ComboBox:
            return "combo";
        case ControlKind::ListView:
            return "listview";
        case ControlKind::ProgressBar:
            return "progress";
        case ControlKind::Picture:
            return "picture";
        case ControlKind::Dialog:
            return "dialog";
        case ControlKind::Sheet:
            return "sheet";
    }
    return "?";
}
