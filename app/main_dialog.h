// The application's one top-level window: the adapter chooser, the page sheet, the pages and
// the adapter they all talk to, the driver link, and the reaction to device removal.
#pragma once

#include <memory>
#include <string>

#include "adapter/wlan_adapter.h"
#include "diagnostics/c_bbcr.h"
#include "diagnostics/c_eep_rom_access.h"
#include "diagnostics/c_mcr.h"
#include "link/driver_link.h"
#include "pages/c_about.h"
#include "pages/c_config.h"
#include "pages/c_profile_dialog.h"
#include "pages/c_radio.h"
#include "pages/c_scan_result.h"
#include "pages/c_statistics.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/dialog.h"
#include "platform/ui/property_sheet.h"

class MainDialog : public Dialog {
  public:
    // The "Key" of the card's entry under Drivers\Active.
    static constexpr const char16_t* CARD_DRIVER_KEY =
        u"\\Drivers\\SDCARD\\ClientDrivers\\Custom\\MANF-03C7-CARDID-5D19-FUNC-1";

    // `engineering` adds the engineering pages to the sheet after the five user pages.
    explicit MainDialog(Window* parent = nullptr, bool engineering = false);
    ~MainDialog() override;

    BOOL OnInitDialog() override;
    // Opens the adapter chosen in the chooser, hands it to every page and shows the sheet
    // with the Status page in front. Runs at most once per dialog.
    void OpenSelectedAdapter();
    // True when `deviceName` is listed under Drivers\Active with the card's driver key.
    static bool IsCardDevice(const WString& deviceName);

    bool EngineeringMode() const { return engineering_; }
    const std::string& AdapterName() const { return adapterName_; }
    WlanAdapter* Adapter() const { return adapter_.get(); }
    ComboBox& Chooser() { return chooser_; }
    PropertySheet& Sheet() { return sheet_; }
    CConfig& StatusPage() { return statusPage_; }
    CStatistics& StatisticsPage() { return statisticsPage_; }
    CScanResult& SiteSurveyPage() { return siteSurveyPage_; }
    CRadio& RadioPage() { return radioPage_; }
    CAbout& AboutPage() { return aboutPage_; }
    CBBCR* BasebandPage() const { return basebandPage_.get(); }
    CMCR* MacPage() const { return macPage_.get(); }
    CEEPRomAccess* EepromPage() const { return eepromPage_.get(); }
    CProfileDialog* ProfileDialog() const { return profileDialog_.get(); }

  protected:
    void DoDataExchange(DataExchange& dx) override;
    bool OnCommand(int id, int code, HWND control) override;
    LRESULT OnDeviceChange(UINT event, const BYTE* header) override;
    void OnDestroy() override;

  private:
    void CreateHiddenPages();
    void AddSheetPages();
    // Gives every page and the profile dialog the adapter (null clears it) and this dialog.
    void HandOutReferences(WlanAdapter* adapter);

    // Declaration order is construction order; the members go in reverse.
    bool engineering_;
    std::string adapterName_;
    ComboBox chooser_;
    HICON icon_;
    PropertySheet sheet_;
    std::unique_ptr<CBBCR> basebandPage_;
    std::unique_ptr<CMCR> macPage_;
    std::unique_ptr<CEEPRomAccess> eepromPage_;
    CAbout aboutPage_;
    CConfig statusPage_;
    CStatistics statisticsPage_;
    CScanResult siteSurveyPage_;
    std::unique_ptr<CProfileDialog> profileDialog_;
    CRadio radioPage_;
    std::unique_ptr<WlanAdapter> adapter_;
    DriverLink driverLink_;
};
