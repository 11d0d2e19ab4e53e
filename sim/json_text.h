// Scenario text to a JSON tree, stricter than the JSON library alone: no NUL bytes, no key given
// twice in one object, no nesting deeper than kMaxJsonDepth, and every library error (syntax,
// a number too large for a double) reported as a ScenarioError naming the place.
#pragma once

#include <nlohmann/json.hpp>
#include <set>
#include <string>
#include <vector>

constexpr std::size_t kMaxJsonDepth = 64;

class JsonText {
  public:
    using Json = nlohmann::json;

    static Json Parse(const std::string& text);

  private:
    struct Frame {
        bool array = false;
        std::string path;
        std::size_t count = 0;
        std::string key;
        std::set<std::string> keys;
    };

    bool OnEvent(Json::parse_event_t event, const Json& parsed);
    void Open(bool array);
    void Close();
    void Key(const std::string& key);
    std::string ChildPath() const;

    std::vector<Frame> frames_;
};
