#include "res/utility_resources.h"

#include <functional>

#include "platform/ui/resources.h"
#include "res/artwork.h"
#include "res/dialog_templates.h"
#include "res/resource_ids.h"

namespace {

void RegisterTemplates(Resources& resources) {
    for (auto make :
         {MainDialogTemplate, AboutPageTemplate, StatusPageTemplate, BasebandRegisterTemplate,
          MacRegisterTemplate, EepromTemplate, StatisticsPageTemplate, SiteSurveyPageTemplate,
          ProcessingDialogTemplate, ConfigurationDialogTemplate, RadioPageTemplate}) {
        resources.AddDialog(make());
    }
}

void RegisterStrings(Resources& resources) {
    resources.AddString(IDS_UTILITY_VERSION, "1.05.00.2005\n");
    resources.AddString(IDS_NETWORK_TYPES, "Infrastructure\nAd hoc\nAP Mode\n");
    resources.AddString(IDS_TX_RATES, "Automatic\n1 Mbps\n2 Mbps\n5.5 Mbps\n11 Mbps\n");
}

}  // namespace

void RegisterUtilityResources() {
    Resources& resources = Resources::Instance();
    RegisterTemplates(resources);
    RegisterStrings(resources);
    resources.AddBitmap(IDR_MAINFRAME, std::function<Surface()>(DrawApplicationIcon));
    resources.AddBitmap(IDB_ABOUT_PICTURE, std::function<Surface()>(DrawAboutPicture));
}
