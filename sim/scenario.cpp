#include "sim/scenario.h"

#include "platform/registry/atomic_file.h"
#include "sim/scenario_error.h"

namespace {

NetworkSpec InRange(const char* ssid, MacAddress bssid, int channel, std::vector<BYTE> rates,
                    int signalDbm, SignalWander wander) {
    NetworkSpec network;
    network.ssid = ssid;
    network.bssid = bssid;
    network.channel = channel;
    network.rates = std::move(rates);
    network.signalDbm = signalDbm;
    network.wander = wander;
    return network;
}

AdapterSpec HarborCard() {
    AdapterSpec card;
    card.name = u"KESTREL1";
    card.mac = {0x00, 0x0A, 0x0B, 0x1C, 0x2D, 0x3E};
    card.link.connected = true;
    card.link.ssid = "Harbor";
    card.link.bssid = {0x02, 0x1A, 0x2B, 0x3C, 0x4D, 0x01};
    card.link.channel = 6;
    card.link.signalDbm = -54;
    card.link.wander = {1, 1000, 4};
    card.link.linkSpeed = 110000;
    card.traffic = {1800, 12500, 14, 22, 0.05, 0.1};
    card.macFlag = true;
    card.eepromSize = 512;
    card.eepromWords = {{19, 0x0104}};
    return card;
}

}  // namespace

// One wireless card associated with "Harbor", three more networks in range: the first example
// of docs/scenario.md, built directly since every start of the utility needs it.
Scenario Scenario::Default() {
    const std::vector<BYTE> dsRates = {0x82, 0x84, 0x8B, 0x96};
    Scenario scenario;
    scenario.adapters.push_back(HarborCard());
    scenario.networks = {
        InRange("Harbor", {0x02, 0x1A, 0x2B, 0x3C, 0x4D, 0x01}, 6, dsRates, -54, {2, 1000, 5}),
        InRange("Orchard-Guest", {0x02, 0x1A, 0x2B, 0x3C, 0x4D, 0x02}, 1,
                {0x82, 0x84, 0x8B, 0x96, 12, 24, 48, 108}, -71, {2, 1000, 6}),
        InRange("Lighthouse", {0x02, 0x5E, 0x11, 0x22, 0x33, 0x44}, 11, dsRates, -83, {3, 1000, 6}),
        InRange("meshnode", {0x02, 0x77, 0x88, 0x99, 0xAA, 0xBB}, 3, {2, 4}, -77, {})};
    scenario.networks[0].privacy = 1;
    scenario.networks[2].privacy = 1;
    scenario.networks[3].mode = 0;
    return scenario;
}

Scenario Scenario::LoadFile(const std::string& path) {
    std::string text, error;
    if (!ReadWholeFile(path, &text, &error, kMaxScenarioBytes)) {
        throw ScenarioError("scenario file '" + path + "': " + error);
    }
    try {
        return Parse(text);
    } catch (const ScenarioError& e) {
        throw ScenarioError("scenario file '" + path + "': " + e.what());
    }
}
