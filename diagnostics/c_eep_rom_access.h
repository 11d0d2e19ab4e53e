// The EEPROM page: reads, writes and dumps EEPROM words, and writes an image from a text file.
#pragma once

#include "pages/utility_page.h"

class CEEPRomAccess : public UtilityPage {
  public:
    CEEPRomAccess();
};
