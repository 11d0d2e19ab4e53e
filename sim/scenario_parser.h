// Turns scenario JSON into a Scenario; every error names the JSON path at fault.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "sim/scenario.h"

class JsonFields;

class ScenarioParser {
  public:
    using Json = nlohmann::json;

    static Scenario Parse(const std::string& text);
    static Scenario FromJson(const Json& root);

  private:
    static ProtocolDriverSpec Driver(const Json& value, const std::string& path);
    static AdapterSpec Adapter(const Json& value, const std::string& path);
    static CardSettings Settings(const Json& value, const std::string& path);
    static LinkSpec Link(const Json& value, const std::string& path);
    static TrafficSpec Traffic(const Json& value, const std::string& path);
    static NetworkSpec Network(const Json& value, const std::string& path);
    static SignalWander Wander(const Json& value, const std::string& path);
    static FaultSpec Fault(const Json& value, const std::string& path);
    static void Hardware(JsonFields& fields, AdapterSpec* desc);
    static void Eeprom(const Json& value, const std::string& path, AdapterSpec* adapter);
    static WString AdapterName(const Json* value, const std::string& path);
    static std::string KeyPath(const Json& value, const std::string& path);
    static ActiveDeviceSpec ActiveDevice(const Json& value, const std::string& path);
    // A dotted IPv4 address; an empty text too when mayBeEmpty.
    static std::string Ipv4(const Json& value, const std::string& path, bool mayBeEmpty);
    static MacAddress Mac(const Json& value, const std::string& path);
    static std::vector<BYTE> Rates(const Json& value, const std::string& path);
    static std::vector<BYTE> HexBytes(const Json& value, const std::string& path);
    static std::string Ssid(const Json& value, const std::string& path);
    // "infrastructure" (1), "adhoc" (0) or any number.
    static DWORD Mode(const Json& value, const std::string& path);
    static int Channel(JsonFields& fields, const std::string& key, int fallback);
    template <typename T>
    static std::vector<T> List(const Json* value, const std::string& path,
                               T (*item)(const Json&, const std::string&));
    template <typename V>
    static std::map<DWORD, V> Map(const Json* value, const std::string& path, DWORD maxKey,
                                  DWORD maxValue);
};
