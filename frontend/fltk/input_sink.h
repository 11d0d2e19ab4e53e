// Where the widgets report that they have fed user input into the model: the host then
// refreshes the control from the model (which may have refused or changed what the toolkit
// already shows) and lets the model's loop run.
#pragma once

#include "platform/ui/window_constants.h"

class InputSink {
  public:
    virtual ~InputSink() = default;
    virtual void InputDelivered(HWND hwnd) = 0;
};
