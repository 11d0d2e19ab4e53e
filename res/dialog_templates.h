// The utility's dialog templates, one function each.
#pragma once

#include "platform/ui/dialog_template.h"

DialogTemplate MainDialogTemplate();           // 102
DialogTemplate AboutPageTemplate();            // 129
DialogTemplate StatusPageTemplate();           // 130
DialogTemplate BasebandRegisterTemplate();     // 131
DialogTemplate MacRegisterTemplate();          // 132
DialogTemplate EepromTemplate();               // 133
DialogTemplate StatisticsPageTemplate();       // 134
DialogTemplate SiteSurveyPageTemplate();       // 135
DialogTemplate ProcessingDialogTemplate();     // 139
DialogTemplate ConfigurationDialogTemplate();  // 141
DialogTemplate RadioPageTemplate();            // 142
