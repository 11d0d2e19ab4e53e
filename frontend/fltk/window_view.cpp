#include "frontend/fltk/window_view.h"

#include <FL/Fl.H>

#include <algorithm>

#include "frontend/fltk/screenshot.h"
#include "platform/ui/dialog.h"
#include "platform/ui/resources.h"
#include "platform/ui/window_manager.h"

namespace {

void AppendDescendants(const Window& window, std::vector<const Window*>& out) {
    for (const Window* child : window.Children()) {
        out.push_back(child);
        AppendDescendants(*child, out);
    }
}

}  // namespace

WindowView::WindowView(Window& model, const WidgetGeometry& geometry, InputSink& sink, bool modal)
    : hwnd_(model.Handle()), geometry_(geometry), sink_(sink) {
    RECT client;
    model.GetClientRect(&client);
    WidgetBox box = geometry_.Client(client.right, client.bottom);
    Fl_Group* current = Fl_Group::current();
    Fl_Group::current(nullptr);
    window_ = new DesktopWindow(box.w, box.h, hwnd_, sink_);
    window_->end();
    Fl_Group::current(current);
    window_->position(std::max(0, (Fl::w() - box.w) / 2), std::max(0, (Fl::h() - box.h) / 2));
    if (modal) window_->set_modal();
    Build(model);
}

WindowView::~WindowView() {
    // The window may be in the middle of handling an event: the toolkit deletes it when it
    // is safe.
    window_->hide();
    Fl::delete_widget(window_);
}

std::vector<WindowView::Entry> WindowView::Signature(const Window& model) const {
    std::vector<const Window*> windows;
    AppendDescendants(model, windows);
    std::vector<Entry> entries;
    entries.reserve(windows.size());
    for (const Window* window : windows) {
        entries.push_back(
            Entry{window->Handle(), ControlMirror::Shape(*window), window->PixelRect()});
    }
    return entries;
}

void WindowView::Build(const Window& model) {
    for (int i = window_->children() - 1; i >= 0; --i) {
        Fl_Widget* child = window_->child(i);
        window_->remove(child);
        Fl::delete_widget(child);
    }
    byHandle_.clear();
    mirrors_.clear();
    RECT client;
    model.GetClientRect(&client);
    window_->begin();
    BuildChildren(model, geometry_.Client(client.right, client.bottom),
                  FontOf(model, DesktopFont{}));
    window_->end();
    built_ = Signature(model);
    ++builds_;
    UpdateCoverage(model);
    RefreshTopLevel(model);
    window_->redraw();
}

void WindowView::BuildChildren(const Window& parent, const WidgetBox& area,
                               const DesktopFont& font) {
    for (Window* child : parent.Children()) {
        const DesktopFont childFont = FontOf(*child, font);
        MirrorContext context{&geometry_, childFont, &sink_};
        auto mirror = std::make_unique<ControlMirror>(
            *child, geometry_.Map(child->PixelRect(), area), context);
        ControlMirror* raw = mirror.get();
        mirrors_.push_back(std::move(mirror));
        byHandle_[raw->Hwnd()] = raw;
        if (Fl_Group* group = raw->Container()) {
            Fl_Group* outer = Fl_Group::current();
            group->begin();
            BuildChildren(*child, raw->Box(), childFont);
            group->end();
            Fl_Group::current(outer);
        }
    }
}

DesktopFont WindowView::FontOf(const Window& window, const DesktopFont& inherited) const {
    const auto* dialog = dynamic_cast<const Dialog*>(&window);
    const DialogTemplate* dialogTemplate = dialog != nullptr ? dialog->Template() : nullptr;
    if (dialogTemplate == nullptr) {
        return inherited.size > 0 ? inherited : geometry_.Font("System", 8);
    }
    return geometry_.Font(dialogTemplate->fontName, dialogTemplate->fontSize);
}

void WindowView::Update(const std::set<HWND>& changed) {
    Window* model = WindowManager::Instance().FromHandle(hwnd_);
    if (model == nullptr) return;
    if (Signature(*model) != built_) {
        Build(*model);
        return;
    }
    bool containerChanged = false;
    for (HWND hwnd : changed) {
        if (hwnd == hwnd_) RefreshTopLevel(*model);
        auto it = byHandle_.find(hwnd);
        if (it == byHandle_.end()) continue;
        it->second->Refresh();
        containerChanged = containerChanged || it->second->Container() != nullptr;
    }
    if (containerChanged) UpdateCoverage(*model);
}

void WindowView::UpdateCoverage(const Window& parent) {
    const std::vector<Window*>& children = parent.Children();
    for (std::size_t i = 0; i < children.size(); ++i) {
        const RECT rect = children[i]->PixelRect();
        bool covered = false;
        for (std::size_t j = i + 1; j < children.size() && !covered; ++j) {
            const Window& later = *children[j];
            const bool opaque =
                later.Kind() == ControlKind::Dialog || later.Kind() == ControlKind::Sheet;
            covered =
                opaque && later.IsVisibleFlag() && IntersectRects(rect, later.PixelRect()) == rect;
        }
        auto it = byHandle_.find(children[i]->Handle());
        if (it != byHandle_.end()) it->second->SetCovered(covered);
        UpdateCoverage(*children[i]);
    }
}

bool WindowView::ShouldShow(const Window& model) {
    const auto* dialog = dynamic_cast<const Dialog*>(&model);
    return model.IsVisibleFlag() && (dialog == nullptr || !dialog->IsEnding());
}

const ControlMirror* WindowView::MirrorOf(HWND hwnd) const {
    auto it = byHandle_.find(hwnd);
    return it == byHandle_.end() ? nullptr : it->second;
}

void WindowView::RefreshTopLevel(const Window& model) {
    const std::string title = model.GetWindowText();
    if (window_->label() == nullptr || title != window_->label())
        window_->copy_label(title.c_str());
    RECT client;
    model.GetClientRect(&client);
    WidgetBox box = geometry_.Client(client.right, client.bottom);
    if (box.w != window_->w() || box.h != window_->h()) window_->size(box.w, box.h);
    UpdateIcon(model);
    if (ShouldShow(model) && !window_->shown()) window_->show();
    if (!ShouldShow(model) && window_->shown()) window_->hide();
}

void WindowView::UpdateIcon(const Window& model) {
    const int id = static_cast<int>(model.GetIcon(true));
    if (id == iconId_) return;
    iconId_ = id;
    const Surface* bitmap = Resources::Instance().FindBitmap(id);
    if (bitmap == nullptr || bitmap->Width() == 0 || bitmap->Height() == 0) return;
    std::vector<std::uint8_t> rgb = SurfaceToRgb(*bitmap, 1);
    Fl_RGB_Image image(rgb.data(), bitmap->Width(), bitmap->Height(), 3);
    icon_.reset(static_cast<Fl_RGB_Image*>(image.copy()));  // owns its pixels
    window_->icon(icon_.get());
}
