// clang-format off
#include "frontend/fltk/x11_names.h"  // first: see there
// clang-format on
#include "frontend/fltk/control_mirror.h"

#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Check_Button.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Progress.H>
#include <FL/Fl_Round_Button.H>

#include <algorithm>

#include "frontend/fltk/combo_choice.h"
#include "frontend/fltk/group_frame.h"
#include "frontend/fltk/list_table.h"
#include "frontend/fltk/multi_line_edit.h"
#include "frontend/fltk/surface_box.h"
#include "frontend/fltk/tab_strip.h"
#include "frontend/fltk/text_mapping.h"
#include "platform/ui/picture_control.h"
#include "platform/ui/property_sheet.h"
#include "platform/ui/resources.h"
#include "platform/ui/ui_input.h"
#include "platform/ui/window_manager.h"

namespace {

Window* ModelWindow(HWND hwnd) { return WindowManager::Instance().FromHandle(hwnd); }

bool IsContainerKind(ControlKind kind) {
    return kind == ControlKind::Dialog || kind == ControlKind::Sheet;
}

bool IsMultiLine(const ControlState& state) {
    return state.kind == ControlKind::Edit && (state.style & ES_MULTILINE) != 0;
}

bool IsReadOnly(const ControlState& state) { return (state.style & ES_READONLY) != 0; }

SurfaceBox::Source PaintSource(HWND hwnd) {
    return [hwnd]() -> const Surface* {
        Window* window = ModelWindow(hwnd);
        return window != nullptr ? &window->PaintSurface() : nullptr;
    };
}

SurfaceBox::Source PictureSource(HWND hwnd) {
    return [hwnd]() -> const Surface* {
        auto* picture = dynamic_cast<PictureControl*>(ModelWindow(hwnd));
        return picture != nullptr ? Resources::Instance().FindBitmap(picture->BitmapId()) : nullptr;
    };
}

// Keeps the caret and selection of an input whose text the model replaced.
void SetInputValue(Fl_Input_& input, const std::string& text) {
    if (text == input.value()) return;
    const int position = std::min(input.position(), static_cast<int>(text.size()));
    const int mark = std::min(input.mark(), static_cast<int>(text.size()));
    input.value(text.c_str());
    input.position(position, mark);
}

}  // namespace

ControlMirror::ControlMirror(Window& window, const WidgetBox& box, const MirrorContext& context)
    : hwnd_(window.Handle()),
      kind_(window.Kind()),
      painted_(window.Painted() && !IsContainerKind(window.Kind())),
      multiLine_(false),
      box_(box),
      context_(context) {
    ControlState state = window.Describe();
    multiLine_ = IsMultiLine(state);
    widget_ = MakeWidget(state);
    widget_->labelfont(context_.font.face);
    widget_->labelsize(context_.font.size);
    Update(state);
}

unsigned ControlMirror::Shape(const Window& window) {
    ControlState state = window.Describe();
    unsigned shape = static_cast<unsigned>(state.kind);
    if (window.Painted() && !IsContainerKind(state.kind)) shape |= 0x100;
    if (IsMultiLine(state)) shape |= 0x200;
    if (state.kind == ControlKind::Edit && IsReadOnly(state)) shape |= 0x400;
    return shape;
}

Fl_Widget* ControlMirror::MakeWidget(const ControlState& state) {
    const WidgetBox& b = box_;
    if (painted_)
        return new SurfaceBox(b.x, b.y, b.w, b.h, PaintSource(hwnd_), context_.geometry->Scale(),
                              context_.font);
    Fl_Widget* widget = nullptr;
    switch (state.kind) {
        case ControlKind::Edit:
            return MakeEdit(state);
        case ControlKind::PushButton:
            widget = new Fl_Button(b.x, b.y, b.w, b.h);
            break;
        case ControlKind::CheckBox:
            widget = new Fl_Check_Button(b.x, b.y, b.w, b.h);
            break;
        case ControlKind::RadioButton:
            widget = new Fl_Round_Button(b.x, b.y, b.w, b.h);
            break;
        case ControlKind::GroupBox:
            return new GroupFrame(b.x, b.y, b.w, b.h, context_.font);
        case ControlKind::ComboBox: {
            // The template's height includes the dropped-down list.
            const int closed = context_.geometry->Length(kSystemFontHeight + 8);
            widget = new ComboChoice(b.x, b.y, b.w, std::min(b.h, closed), context_.font);
            break;
        }
        case ControlKind::ListView:
            widget = new ListTable(b.x, b.y, b.w, b.h, context_.font, context_.geometry->Scale());
            break;
        case ControlKind::ProgressBar: {
            auto* progress = new Fl_Progress(b.x, b.y, b.w, b.h);
            progress->selection_color(fl_rgb_color(0, 0, 128));
            return progress;
        }
        case ControlKind::Picture:
            return new SurfaceBox(b.x, b.y, b.w, b.h, PictureSource(hwnd_),
                                  context_.geometry->Scale(), context_.font);
        case ControlKind::Dialog:
        case ControlKind::Sheet:
            return MakeContainer(state);
        case ControlKind::Static: {
            auto* label = new Fl_Box(b.x, b.y, b.w, b.h);
            label->align(StaticAlign(state.style));
            return label;
        }
    }
    widget->callback(&ControlMirror::OnWidget, this);
    return widget;
}

Fl_Widget* ControlMirror::MakeEdit(const ControlState& state) {
    const WidgetBox& b = box_;
    Fl_Widget* widget = nullptr;
    if (multiLine_) {
        // Read-only multi-line edits show columns of figures: a fixed-pitch face keeps them
        // aligned.
        DesktopFont font = context_.font;
        if (IsReadOnly(state)) font.face = FL_COURIER;
        auto* edit = new MultiLineEdit(b.x, b.y, b.w, b.h, font, IsReadOnly(state));
        edit->SetScrollHandler([this](int first) { DeliverScroll(first); });
        widget = edit;
    } else {
        Fl_Input_* input = IsReadOnly(state) ? new Fl_Output(b.x, b.y, b.w, b.h)
                                             : new Fl_Input(b.x, b.y, b.w, b.h);
        input->textfont(context_.font.face);
        input->textsize(context_.font.size);
        if (IsReadOnly(state)) input->color(FL_BACKGROUND_COLOR);
        widget = input;
    }
    widget->box((state.style & WS_BORDER) != 0 ? FL_DOWN_BOX : FL_FLAT_BOX);
    widget->when(FL_WHEN_CHANGED);
    widget->callback(&ControlMirror::OnWidget, this);
    return widget;
}

Fl_Widget* ControlMirror::MakeContainer(const ControlState& state) {
    const WidgetBox& b = box_;
    container_ = new Fl_Group(b.x, b.y, b.w, b.h);
    // Opaque, as the OS paints a dialog's background over the siblings below it.
    container_->box(FL_FLAT_BOX);
    if (state.kind == ControlKind::Sheet) {
        WidgetBox strip{b.x, b.y, b.w, context_.geometry->Length(PropertySheet::kTabHeight)};
        tabs_ =
            new TabStrip(strip, hwnd_, context_.font, context_.geometry->Scale(), *context_.sink);
    }
    container_->end();
    return container_;
}

void ControlMirror::Refresh() {
    Window* window = ModelWindow(hwnd_);
    if (window == nullptr) return;
    Update(window->Describe());
}

void ControlMirror::Update(const ControlState& state) {
    updating_ = true;
    visible_ = state.visible;
    ApplyVisibility();
    if (state.enabled != (widget_->active() != 0)) {
        state.enabled ? widget_->activate() : widget_->deactivate();
    }
    if (painted_) {
        widget_->redraw();
    } else {
        UpdateContent(state);
    }
    updating_ = false;
}

void ControlMirror::SetCovered(bool covered) {
    covered_ = covered;
    ApplyVisibility();
}

void ControlMirror::ApplyVisibility() {
    const bool show = visible_ && !covered_;
    if (show == (widget_->visible() != 0)) return;
    show ? widget_->show() : widget_->hide();
}

void ControlMirror::UpdateContent(const ControlState& state) {
    switch (state.kind) {
        case ControlKind::Static:
        case ControlKind::PushButton:
        case ControlKind::GroupBox:
            SetLabel(state.text);
            break;
        case ControlKind::CheckBox:
        case ControlKind::RadioButton:
            SetLabel(state.text);
            static_cast<Fl_Button*>(widget_)->value(state.checked == BST_CHECKED ? 1 : 0);
            break;
        case ControlKind::Edit:
            UpdateEdit(state);
            break;
        case ControlKind::ComboBox:
            static_cast<ComboChoice*>(widget_)->SetItems(state.items, state.selection);
            break;
        case ControlKind::ListView: {
            std::vector<int> widths;
            for (int width : state.columnWidths) widths.push_back(context_.geometry->Length(width));
            static_cast<ListTable*>(widget_)->SetContent(state.columns, widths, state.rows,
                                                         state.selection);
            break;
        }
        case ControlKind::ProgressBar: {
            auto* progress = static_cast<Fl_Progress*>(widget_);
            progress->minimum(static_cast<float>(state.rangeLower));
            progress->maximum(static_cast<float>(std::max(state.rangeUpper, state.rangeLower + 1)));
            progress->value(static_cast<float>(state.position));
            break;
        }
        case ControlKind::Picture:
            widget_->redraw();
            break;
        case ControlKind::Sheet:
            if (tabs_ != nullptr) tabs_->redraw();
            break;
        case ControlKind::Dialog:
            break;
    }
}

void ControlMirror::UpdateEdit(const ControlState& state) {
    if (multiLine_) {
        auto* edit = static_cast<MultiLineEdit*>(widget_);
        edit->SetText(ToDesktopLines(state.text));
        edit->ScrollToLine(state.firstVisibleLine);
        return;
    }
    SetInputValue(*static_cast<Fl_Input_*>(widget_), state.text);
}

void ControlMirror::SetLabel(const std::string& text) {
    std::string label = EscapeLabel(text);
    const char* current = widget_->label();
    if (current != nullptr && label == current) return;
    widget_->copy_label(label.c_str());
    // A label drawn outside or through a transparent box leaves its old text behind.
    if (widget_->parent() != nullptr) {
        widget_->parent()->damage(FL_DAMAGE_ALL, widget_->x(), widget_->y(), widget_->w(),
                                  widget_->h());
    }
    widget_->redraw();
}

void ControlMirror::OnWidget(Fl_Widget* widget, void* self) {
    static_cast<ControlMirror*>(self)->Deliver(widget);
}

void ControlMirror::DeliverScroll(int first) {
    if (updating_) return;
    const HWND hwnd = hwnd_;
    InputSink* sink = context_.sink;
    Window* window = ModelWindow(hwnd);
    if (window == nullptr || window->GetParent() == nullptr) return;
    ScrollEdit(*window->GetParent(), window->GetDlgCtrlID(), first);
    sink->InputDelivered(hwnd);
}

void ControlMirror::Deliver(Fl_Widget* widget) {
    if (updating_) return;
    // The model may create, destroy or rebuild windows (and with them this mirror) while it
    // handles the input: everything needed afterwards is copied first.
    const HWND hwnd = hwnd_;
    InputSink* sink = context_.sink;
    Window* window = ModelWindow(hwnd);
    if (window == nullptr || window->GetParent() == nullptr) return;
    Window& parent = *window->GetParent();
    const int id = window->GetDlgCtrlID();
    switch (kind_) {
        case ControlKind::Edit: {
            std::string text = multiLine_
                                   ? ToModelLines(static_cast<MultiLineEdit*>(widget)->Text())
                                   : std::string(static_cast<Fl_Input_*>(widget)->value());
            TypeText(parent, id, text);
            break;
        }
        case ControlKind::ComboBox:
            SelectItem(parent, id, static_cast<Fl_Choice*>(widget)->value());
            break;
        case ControlKind::ListView: {
            auto* table = static_cast<ListTable*>(widget);
            const int row = table->ClickedRow();
            if (table->DoubleClicked()) {
                DoubleClickItem(parent, id, row);
            } else {
                SelectItem(parent, id, row);
            }
            break;
        }
        default:
            ClickControl(parent, id);
            break;
    }
    sink->InputDelivered(hwnd);
}
