#include "app/utility_app.h"

#include "app/main_dialog.h"
#include "platform/ui/window_manager.h"
#include "res/utility_resources.h"

UtilityApp theApp;

BOOL UtilityApp::InitInstance() {
    RegisterUtilityResources();
    {
        MainDialog dialog(nullptr, engineering_);
        WindowManager::Instance().SetMainWindow(&dialog);
        dialog.DoModal();
        WindowManager::Instance().SetMainWindow(nullptr);
    }
    return FALSE;
}
