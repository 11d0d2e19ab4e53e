#include "pages/c_about.h"

#include "res/resource_ids.h"

CAbout::CAbout() : UtilityPage(IDD_ABOUT, OnDestroyAction::EndMainDialog) {}
