// The Site Survey page: the networks the driver reported after the last rescan, one row each.
//
// "&Rescan" starts a scan, holds the user in the processing dialog for three seconds, then
// fetches the list into the page's buffer and shows it. The template's profile area stays
// hidden: its list is filled from an in-memory list that nothing fills, its buttons do nothing.
#pragma once

#include <string>
#include <vector>

#include "adapter/ndis_records.h"
#include "pages/utility_page.h"

class ListView;

class CScanResult : public UtilityPage {
  public:
    static constexpr DWORD NETWORK_LIST_STYLE = 0x70;
    static constexpr std::size_t MAX_PROFILES = 32;

    CScanResult();

    BOOL OnInitDialog() override;
    // The last list fetched (zero before the first rescan).
    const NdisBssidList& ScanList() const { return scanList_; }

  protected:
    bool OnCommand(int id, int code, HWND control) override;

  private:
    void InitNetworkList();
    void InitProfileArea();
    void Rescan();
    void FillNetworkList();
    void AddNetworkRow(const NdisWlanBssid& entry);

    NdisBssidList scanList_{};
    std::vector<std::string> profileNames_;
    ListView* networkList_ = nullptr;
    ListView* profileList_ = nullptr;
};
