// Linked into every module: the build stamp the program compares with its own before it uses
// the module (main/module_loader.cpp).
#include "main/build_stamp.h"

extern "C" __attribute__((visibility("default"))) const char sdwlan_module_stamp[] =
    SDWLAN_BUILD_STAMP;
