// The Status page: what the adapter is doing now, refreshed on timers while in front.
#pragma once

#include <string>

#include "pages/utility_page.h"

class CConfig : public UtilityPage {
  public:
    CConfig();

    // The name of the opened adapter; the page finds its IP address by it.
    void SetAdapterName(const std::string& name) { adapterName_ = name; }
    const std::string& AdapterName() const { return adapterName_; }

  private:
    std::string adapterName_;
};
