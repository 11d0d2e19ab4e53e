// The desktop side of one top-level model window: its window and one mirror per descendant
// window, placed by the geometry. When windows come or go, change shape or move, the widgets
// are made anew; other changes refresh only the mirrors of the windows that changed.
#pragma once

#include <FL/Fl_RGB_Image.H>

#include <map>
#include <memory>
#include <set>
#include <vector>

#include "frontend/fltk/control_mirror.h"
#include "frontend/fltk/desktop_window.h"

class WindowView {
  public:
    WindowView(Window& model, const WidgetGeometry& geometry, InputSink& sink, bool modal);
    ~WindowView();
    WindowView(const WindowView&) = delete;
    WindowView& operator=(const WindowView&) = delete;

    HWND Hwnd() const { return hwnd_; }
    DesktopWindow& Desktop() { return *window_; }
    // Brings the widgets up to date with the model; `changed` are the windows whose state
    // changed since the last update.
    void Update(const std::set<HWND>& changed);
    // Whether the model window is to be seen: visible and, for a dialog, not ending.
    static bool ShouldShow(const Window& model);
    // The mirror of a descendant window; null when there is none.
    const ControlMirror* MirrorOf(HWND hwnd) const;
    // How many times the widgets were made (tests watch for needless rebuilds).
    int BuildCount() const { return builds_; }

  private:
    struct Entry {
        HWND hwnd = 0;
        unsigned shape = 0;
        RECT rect;
        bool operator==(const Entry&) const = default;
    };

    std::vector<Entry> Signature(const Window& model) const;
    void Build(const Window& model);
    void BuildChildren(const Window& parent, const WidgetBox& area, const DesktopFont& font);
    void RefreshTopLevel(const Window& model);
    void UpdateCoverage(const Window& parent);
    void UpdateIcon(const Window& model);
    DesktopFont FontOf(const Window& window, const DesktopFont& inherited) const;

    HWND hwnd_;
    const WidgetGeometry& geometry_;
    InputSink& sink_;
    DesktopWindow* window_;
    std::vector<Entry> built_;
    std::vector<std::unique_ptr<ControlMirror>> mirrors_;
    std::map<HWND, ControlMirror*> byHandle_;
    int builds_ = 0;
    int iconId_ = 0;
    std::unique_ptr<Fl_RGB_Image> icon_;
};
