// The state of one simulated card and the behaviour that ties it together: association with
// the networks in range, the radio switch, scans, traffic and the hardware. Not locked; SimCard
// serialises every use.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/core/win_types.h"
#include "sim/card_keys.h"
#include "sim/card_registers.h"
#include "sim/card_settings.h"
#include "sim/radio_world.h"
#include "sim/scenario.h"
#include "sim/signal_walk.h"
#include "sim/sim_eeprom.h"
#include "sim/traffic_model.h"

class CardModel {
  public:
    CardModel(const AdapterSpec& desc, std::shared_ptr<RadioWorld> world, const Scenario& scenario,
              const std::string& eepromPath);

    const AdapterSpec& Desc() const { return desc_; }
    DWORD VendorDriverVersion() const { return vendorDriverVersion_; }
    const std::string& DriverVersionText() const { return driverVersionText_; }

    // Settings from the scenario and the registry parameters; counters, scan list and keys reset.
    void LoadDriver(DWORD tick);

    // Link.
    bool Connected() const { return link_.connected && settings.radioOn; }
    const LinkSpec& Link() const { return link_; }
    void SetLink(const LinkSpec& link, DWORD tick);
    // Joins the strongest network in range with this SSID, or drops the link when there is none.
    void Associate(const std::string& ssid, DWORD tick);
    void Disassociate(DWORD scanState, DWORD tick);
    // The link drops (connect status 1) with the scenario's scan state.
    void LinkDown(DWORD tick);
    // Connected again to the scenario's network; when the scenario's link names none, to the
    // strongest network in range with the configured SSID. False when there is none.
    bool LinkUp(DWORD tick);
    // The BSSID kBssid reports (the connected one, or the one a scan state refers to).
    void SetBssid(const MacAddress& bssid) { link_.bssid = bssid; }
    void SetRadio(bool on, DWORD tick);
    void SetSignal(int dbm, DWORD tick);
    // The traffic counters start again from 0, as after a driver reload.
    void RestartCounters(DWORD tick) { traffic_.Reset(tick); }
    void SetScanState(DWORD code) { link_.scanState = code; }
    void SetConnectStatus(std::optional<DWORD> status) { link_.connectStatus = status; }
    void SetLinkSpeed(DWORD speed) { link_.linkSpeed = speed; }
    int SignalDbm(DWORD tick);
    DWORD LinkQuality(DWORD tick);
    DWORD ConnectStatus() const;
    DWORD LinkSpeed() const { return Connected() ? link_.linkSpeed : 0; }
    DWORD ScanStateCode(DWORD tick);

    // Scans.
    void StartScan(DWORD tick);
    bool Scanning(DWORD tick);
    const std::vector<NetworkSighting>& ScanList(DWORD tick);
    std::optional<DWORD> listCountOverride;  // a fault in force for the current request

    // Traffic.
    TrafficCounters Traffic(DWORD tick);
    void SetTraffic(const TrafficSpec& traffic, DWORD tick);

    CardSettings settings;
    CardRegisters registers;
    CardKeys keys;
    SimEeprom eeprom;
    std::vector<BYTE> eepromReply;      // reply to the next EEPROM query
    std::map<BYTE, DWORD> diag804;      // kDiag804 values by selector byte
    std::vector<BYTE> diagWrite807;     // the last kDiagWrite807 payload
    std::pair<DWORD, DWORD> diag80E{};  // the last kDiagSet80E pair

  private:
    void CompleteScan(DWORD tick);
    void InitRegisters();

    AdapterSpec desc_;
    std::shared_ptr<RadioWorld> world_;
    DWORD vendorDriverVersion_;
    std::string driverVersionText_;
    LinkSpec link_;
    SignalWalk linkWalk_;
    TrafficModel traffic_;
    std::optional<DWORD> scanStart_;
    std::vector<NetworkSighting> scanList_;
};
