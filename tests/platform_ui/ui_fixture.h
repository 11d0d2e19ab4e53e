// The window-system tests: small templates on top of the clean tables.
#pragma once

#include <gtest/gtest.h>

#include "support/ui_world.h"

class UiTest : public UiWorld {
  protected:
    static ControlTemplate Control(int id, ControlKind kind, std::string text = "", DWORD style = 0,
                                   int cx = 40, int cy = 12) {
        ControlTemplate control;
        control.id = id;
        control.kind = kind;
        control.text = std::move(text);
        control.style = style;
        control.cx = cx;
        control.cy = cy;
        return control;
    }

    static void AddTemplate(int id, std::string caption, std::vector<ControlTemplate> controls,
                            DWORD style = WS_POPUP | WS_VISIBLE | WS_CAPTION) {
        DialogTemplate dialog;
        dialog.id = id;
        dialog.caption = std::move(caption);
        dialog.cx = 140;
        dialog.cy = 140;
        dialog.style = style;
        dialog.controls = std::move(controls);
        Resources::Instance().AddDialog(std::move(dialog));
    }
};
