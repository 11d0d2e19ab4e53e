// A wireless source that answers from fields the test sets and records the changes it is
// asked for, so the Linux driver can be tested without a kernel.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "nl80211/wifi_source.h"

class FakeWifi : public WifiSource {
  public:
    std::vector<WifiInterface> interfaces;
    StationFigures station;
    std::vector<BssInfo> networks;
    bool scanning = false;
    std::optional<bool> powerSave = false;
    std::optional<bool> radio = true;
    int refusal = 0;  // errno every change answers with
    std::vector<std::string> changes;

    std::vector<WifiInterface> Interfaces() override { return interfaces; }
    StationFigures Station(const WifiInterface&) override { return station; }
    std::vector<BssInfo> ScanResults(const WifiInterface&) override { return networks; }
    bool Scanning(const WifiInterface&) override { return scanning; }
    int TriggerScan(const WifiInterface& wifi) override { return Change("scan " + wifi.name); }
    int Connect(const WifiInterface& wifi, const std::string& ssid,
                std::uint32_t frequencyMhz) override {
        return Change("connect " + wifi.name + " " + ssid + " " + std::to_string(frequencyMhz));
    }
    int Disconnect(const WifiInterface& wifi) override { return Change("disconnect " + wifi.name); }
    std::optional<bool> PowerSave(const WifiInterface&) override { return powerSave; }
    int SetPowerSave(const WifiInterface&, bool on) override {
        return Change(on ? "power save on" : "power save off");
    }
    std::optional<bool> RadioOn(const WifiInterface&) override { return radio; }
    int SetRadio(const WifiInterface&, bool on) override {
        return Change(on ? "radio on" : "radio off");
    }

  private:
    int Change(const std::string& what) {
        if (refusal == 0) changes.push_back(what);
        return refusal;
    }
};

inline constexpr WifiMac kStationMac{0x02, 0x00, 0x00, 0x00, 0x01, 0x00};
inline constexpr WifiMac kHarborMac{0x02, 0x00, 0x00, 0x00, 0x00, 0x00};
inline constexpr WifiMac kQuayMac{0x02, 0x00, 0x00, 0x00, 0x02, 0x00};

// wlan0 associated with "Harbor" on channel 6 (2437 MHz) at -52 dBm and 54 Mbit/s; "Quay" on
// channel 11 in range as well.
inline void HarborWorld(FakeWifi& wifi) {
    WifiInterface& wlan = wifi.interfaces.emplace_back();
    wlan.name = "wlan0";
    wlan.index = 7;
    wlan.type = 2;
    wlan.mac = kStationMac;
    wlan.ssid = "Harbor";
    wlan.frequencyMhz = 2437;
    wifi.station.present = true;
    wifi.station.peer = kHarborMac;
    wifi.station.signalDbm = -52;
    wifi.station.txBitrate100k = 540;
    wifi.station.txPackets = 120;
    wifi.station.rxPackets = 340;
    wifi.station.txFailed = 3;
    wifi.station.txBytes = 5000000000ULL;
    wifi.station.rxBytes = 77;
    BssInfo& harbor = wifi.networks.emplace_back();
    harbor.bssid = kHarborMac;
    harbor.ssid = "Harbor";
    harbor.frequencyMhz = 2437;
    harbor.signalDbm = -52;
    harbor.beaconInterval = 100;
    harbor.capability = 0x0001;
    harbor.associated = true;
    harbor.rates = {0x82, 0x84, 0x8B, 0x96, 0x0C, 0x12, 0x18, 0x24, 0x30, 0x48, 0x60, 0x6C};
    BssInfo& quay = wifi.networks.emplace_back();
    quay.bssid = kQuayMac;
    quay.ssid = "Quay";
    quay.frequencyMhz = 2462;
    quay.signalDbm = -70;
    quay.beaconInterval = 200;
    quay.capability = 0x0011;
    quay.rates = {0x82, 0x84};
}
