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
};

// The one application object.
extern UtilityApp theApp;
