// The application object: runs the main dialog modally and ends with it. There is no message
// loop of the application's own.
#pragma once

#include "platform/core/win_types.h"

class UtilityApp {
  public:
    UtilityApp() = default;

    // Registers the resources, runs the main dialog until it ends and returns FALSE (the
    // application ends without a message loop). Can run again after it returned.
    BOOL InitInstance();

    // The engineering mode: the main dialog adds the engineering pages to its sheet and shows
    // the Status page's opener of the profile dialog. Off by default.
    void SetEngineeringMode(bool on) { engineering_ = on; }
    bool EngineeringMode() const { return engineering_; }

  private:
    bool engineering_ = false;
};

// The one application object.
extern UtilityApp theApp;
