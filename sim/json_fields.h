// Reading one JSON object of a scenario: typed fields with ranges, each error naming the JSON
// path, and unknown keys refused so that a typo is never silently ignored.
#pragma once

#include <nlohmann/json.hpp>
#include <optional>
#include <set>
#include <string>

#include "platform/core/win_types.h"

class JsonFields {
  public:
    using Json = nlohmann::json;

    // Scenario text to a JSON tree: no NUL bytes, no key given twice in one object, no deep
    // nesting; every error is a ScenarioError naming the place.
    static Json ParseText(const std::string& text);

    // Throws ScenarioError when `object` is not a JSON object.
    JsonFields(const Json& object, std::string path);

    // The value of a key, or null when absent; marks the key as known.
    const Json* Find(const std::string& key);
    bool Bool(const std::string& key, bool fallback);
    // Integers may be given as numbers or as decimal or "0x" hexadecimal strings.
    DWORD Dword(const std::string& key, DWORD fallback, DWORD low = 0, DWORD high = 0xFFFFFFFFu);
    std::optional<DWORD> OptionalDword(const std::string& key, DWORD low = 0,
                                       DWORD high = 0xFFFFFFFFu);
    int Int(const std::string& key, int fallback, int low, int high);
    double Real(const std::string& key, double fallback, double low, double high);
    std::string String(const std::string& key, const std::string& fallback);
    std::string PathOf(const std::string& key) const { return path_ + "." + key; }
    const std::string& Path() const { return path_; }
    // Throws for the first key that no Find (or typed getter) asked for.
    void Finish() const;

    static DWORD AsDword(const Json& value, const std::string& path, DWORD low, DWORD high);
    static long long AsInteger(const Json& value, const std::string& path, long long low,
                               long long high);
    static std::string AsString(const Json& value, const std::string& path);
    [[noreturn]] static void Fail(const std::string& path, const std::string& message);

  private:
    const Json& object_;
    std::string path_;
    std::set<std::string> known_;
};
