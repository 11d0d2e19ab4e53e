#include "res/control_templates.h"

#include "platform/ui/window_constants.h"

namespace {

ControlTemplate Make(int id, ControlKind kind, const std::string& text, Place at, DWORD style) {
    ControlTemplate control;
    control.id = id;
    control.kind = kind;
    control.text = text;
    control.x = at.x;
    control.y = at.y;
    control.cx = at.cx;
    control.cy = at.cy;
    control.style = WS_CHILD | WS_VISIBLE | style;
    return control;
}

}  // namespace

ControlTemplate MakeLabel(int id, const std::string& text, Place at, DWORD style) {
    return Make(id, ControlKind::Static, text, at, SS_LEFT | style);
}

ControlTemplate MakeEdit(int id, Place at, DWORD style) {
    return Make(id, ControlKind::Edit, "", at, WS_BORDER | WS_TABSTOP | style);
}

ControlTemplate MakePushButton(int id, const std::string& text, Place at, DWORD style) {
    return Make(id, ControlKind::PushButton, text, at, BS_PUSHBUTTON | WS_TABSTOP | style);
}

ControlTemplate MakeCheckBox(int id, const std::string& text, Place at) {
    return Make(id, ControlKind::CheckBox, text, at, BS_AUTOCHECKBOX | WS_TABSTOP);
}

ControlTemplate MakeRadioButton(int id, const std::string& text, Place at, bool startsGroup) {
    DWORD group = startsGroup ? WS_GROUP | WS_TABSTOP : 0;
    return Make(id, ControlKind::RadioButton, text, at, BS_AUTORADIOBUTTON | group);
}

ControlTemplate MakeGroupBox(const std::string& text, Place at) {
    return Make(IDC_STATIC, ControlKind::GroupBox, text, at, BS_GROUPBOX);
}

ControlTemplate MakeDropList(int id, Place at, std::vector<std::string> items, DWORD style) {
    ControlTemplate control =
        Make(id, ControlKind::ComboBox, "", at, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP | style);
    control.items = std::move(items);
    return control;
}

ControlTemplate MakeListView(int id, Place at, DWORD style) {
    return Make(id, ControlKind::ListView, "", at, WS_BORDER | WS_TABSTOP | style);
}

ControlTemplate MakeProgressBar(int id, Place at, DWORD style) {
    return Make(id, ControlKind::ProgressBar, "", at, style);
}

ControlTemplate MakePicture(int bitmapId, Place at) {
    ControlTemplate control = Make(IDC_STATIC, ControlKind::Picture, "", at, SS_BITMAP);
    control.bitmapId = bitmapId;
    return control;
}

ControlTemplate Hidden(ControlTemplate control) {
    control.visible = false;
    control.style &= ~WS_VISIBLE;
    return control;
}

DialogTemplate MakePageTemplate(int id, const std::string& caption, int cx, int cy) {
    DialogTemplate page;
    page.id = id;
    page.caption = caption;
    page.cx = cx;
    page.cy = cy;
    page.style = WS_CHILD | WS_CAPTION | DS_SETFONT;
    return page;
}

DialogTemplate MakeModalTemplate(int id, const std::string& caption, int cx, int cy,
                                 DWORD extraStyle, DWORD exStyle) {
    DialogTemplate dialog;
    dialog.id = id;
    dialog.caption = caption;
    dialog.cx = cx;
    dialog.cy = cy;
    dialog.style = WS_POPUP | WS_VISIBLE | WS_CAPTION | DS_MODALFRAME | DS_SETFONT | extraStyle;
    dialog.exStyle = exStyle;
    return dialog;
}
