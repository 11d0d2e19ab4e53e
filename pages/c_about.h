// The About page: the driver's and the utility's versions, a notice line and a picture, and
// a hidden "Link" group whose two buttons open the web page and a support mail through the
// shell.
#pragma once

#include <string>

#include "pages/utility_page.h"

class CAbout : public UtilityPage {
  public:
    static constexpr const char* WEB_ADDRESS = "http://www.example.com/";
    static constexpr const char* SUPPORT_MAIL = "mailto:support@example.com";

    CAbout();

    BOOL OnInitDialog() override;

    const std::string& DriverVersionText() const { return driverVersionText_; }
    const std::string& UtilityVersionText() const { return utilityVersionText_; }

    // "major.minor.build.revision" as "%d.%02d.%02d.%04d"; a text that does not start with
    // four dot-separated numbers is shown as stored.
    static std::string FormatDriverVersion(const std::string& stored);

  protected:
    void DoDataExchange(DataExchange& dx) override;
    bool OnCommand(int id, int code, HWND control) override;

  private:
    void FillDriverVersion();
    static void OpenLink(const char* target);

    std::string driverVersionText_;
    std::string utilityVersionText_;
};
