// The Radio page: software radio switch and power-saving mode, and a channel chooser the
// template keeps hidden. The radio switch acts on the driver at once; the channel and the
// power-saving mode are only stored in the driver's registry parameters for its next load.
// Every activation re-reads the three stored values.
#pragma once

#include <string>

#include "pages/utility_page.h"

class CRadio : public UtilityPage {
  public:
    CRadio();

    BOOL OnSetActive() override;

    // 0 "Off", 1 "On", as last read from "RadioOn".
    int RadioState() const { return radioState_; }

  protected:
    void DoDataExchange(DataExchange& dx) override;
    bool OnCommand(int id, int code, HWND control) override;

  private:
    void ReadStoredValues();
    void ShowChannel(const std::string& text);
    void ShowPowerMode(const std::string& text);
    void SwitchRadio(bool on);
    // Stores the selection of `listId` (plus `offset`) as the registry value `name`.
    void StoreSelection(int listId, const char* name, int offset);

    int radioState_ = 0;
};
