#include "platform/ui/control_factory.h"

#include "platform/ui/button.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/dialog_units.h"
#include "platform/ui/edit_control.h"
#include "platform/ui/list_view.h"
#include "platform/ui/picture_control.h"
#include "platform/ui/progress_bar.h"
#include "platform/ui/static_control.h"

namespace {

std::unique_ptr<Window> MakeObject(const ControlTemplate& control) {
    switch (control.kind) {
        case ControlKind::Static:
            return std::make_unique<StaticControl>();
        case ControlKind::Edit:
            return std::make_unique<EditControl>();
        case ControlKind::PushButton:
        case ControlKind::CheckBox:
        case ControlKind::RadioButton:
        case ControlKind::GroupBox:
            return std::make_unique<Button>();
        case ControlKind::ComboBox:
            return std::make_unique<ComboBox>();
        case ControlKind::ListView:
            return std::make_unique<ListView>();
        case ControlKind::ProgressBar:
            return std::make_unique<ProgressBar>();
        case ControlKind::Picture:
            return std::make_unique<PictureControl>(control.bitmapId);
        case ControlKind::Dialog:
        case ControlKind::Sheet:
            return nullptr;
    }
    return nullptr;
}

// The template style bits that KindStyle replaces.
DWORD KindStyleMask(ControlKind kind) {
    switch (kind) {
        case ControlKind::PushButton:
            return BS_TYPEMASK & ~BS_DEFPUSHBUTTON;
        case ControlKind::CheckBox:
        case ControlKind::RadioButton:
        case ControlKind::GroupBox:
            return BS_TYPEMASK;
        case ControlKind::ComboBox:
            return 0x0003;
        case ControlKind::Picture:
            return 0x001F;
        default:
            return 0;
    }
}

}  // namespace

DWORD KindStyle(ControlKind kind) {
    switch (kind) {
        case ControlKind::CheckBox:
            return BS_AUTOCHECKBOX;
        case ControlKind::RadioButton:
            return BS_AUTORADIOBUTTON;
        case ControlKind::GroupBox:
            return BS_GROUPBOX;
        case ControlKind::ComboBox:
            return CBS_DROPDOWNLIST;
        case ControlKind::Picture:
            return SS_BITMAP;
        default:
            return 0;
    }
}

std::unique_ptr<Window> CreateTemplateControl(Window& parent, const ControlTemplate& control) {
    std::unique_ptr<Window> window = MakeObject(control);
    if (window == nullptr) return nullptr;
    RECT rect{control.x, control.y, control.x + control.cx, control.y + control.cy};
    MapDialogRect(&rect);
    DWORD style = (control.style & ~KindStyleMask(control.kind) & ~WS_VISIBLE) |
                  KindStyle(control.kind) | WS_CHILD | (control.visible ? WS_VISIBLE : 0);
    bool hasText = control.kind != ControlKind::ComboBox && control.kind != ControlKind::ListView;
    if (!window->CreateWindowObject(&parent, control.id, hasText ? control.text : std::string(),
                                    style, control.exStyle, rect)) {
        return nullptr;
    }
    if (auto* combo = dynamic_cast<ComboBox*>(window.get())) {
        for (const std::string& item : control.items) combo->AddString(item);
    }
    return window;
}
