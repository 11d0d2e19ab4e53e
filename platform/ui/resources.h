// The application's resources: dialog templates, string table, bitmaps and icons. The res/
// layer registers them at start-up; dialogs find their templates here by id.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>

#include "platform/gdi/surface.h"
#include "platform/ui/dialog_template.h"
#include "platform/ui/window_constants.h"

class Resources {
  public:
    static Resources& Instance();

    void AddDialog(DialogTemplate dialogTemplate);
    // Null when no template has the id.
    const DialogTemplate* FindDialog(int id) const;
    void AddString(UINT id, std::string text);
    std::optional<std::string> FindString(UINT id) const;
    void AddBitmap(int id, Surface bitmap);
    // A bitmap drawn the first time it is asked for, so that start-up does not pay for
    // pictures only the desktop window shows. User-interface thread only.
    void AddBitmap(int id, std::function<Surface()> draw);
    const Surface* FindBitmap(int id) const;
    bool HasBitmap(int id) const;
    // Empties everything (tests).
    void Clear();

  private:
    std::map<int, DialogTemplate> dialogs_;
    std::map<UINT, std::string> strings_;
    struct Bitmap {
        std::function<Surface()> draw;
        std::optional<Surface> drawn;
    };
    mutable std::map<int, Bitmap> bitmaps_;
};

// Loads a string-table entry into `text`; false (and `text` emptied) when there is none.
bool LoadString(UINT id, std::string& text);
// An icon is a bitmap resource; the handle is its id (0 when there is no such bitmap).
HICON LoadIcon(int id);
