// A static text control.
#pragma once

#include "platform/ui/window.h"

class StaticControl : public Window {
  public:
    ControlKind Kind() const override { return ControlKind::Static; }
};
