#include "sim/json_fields.h"

#include <limits>
#include <set>
#include <vector>

#include "platform/core/text.h"
#include "sim/scenario_error.h"
#include "sim/value_text.h"

namespace {

constexpr std::size_t kMaxJsonDepth = 64;
constexpr std::size_t kMaxMessage = 160;

// Scenario text to a JSON tree, stricter than the JSON library alone: no NUL bytes, no key given
// twice in one object, no nesting deeper than kMaxJsonDepth, and every library error (syntax,
// a number too large for a double) reported as a ScenarioError naming the place.
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

JsonText::Json JsonText::Parse(const std::string& text) {
    if (auto nul = text.find('\0'); nul != std::string::npos) {
        JsonFields::Fail("$", StrFormat("a NUL byte at offset %zu; expected JSON text", nul));
    }
    JsonText reader;
    try {
        return Json::parse(text, [&reader](int, Json::parse_event_t event, Json& parsed) {
            return reader.OnEvent(event, parsed);
        });
    } catch (const Json::exception& error) {
        // The library quotes the offending token, which may be a thousand digits long.
        std::string what = error.what();
        if (what.size() > kMaxMessage) what = what.substr(0, kMaxMessage) + "...";
        JsonFields::Fail("$", "not valid JSON: " + what);
    }
}

bool JsonText::OnEvent(Json::parse_event_t event, const Json& parsed) {
    using Event = Json::parse_event_t;
    switch (event) {
        case Event::object_start:
        case Event::array_start:
            Open(event == Event::array_start);
            break;
        case Event::key:
            Key(parsed.get<std::string>());
            break;
        case Event::object_end:
        case Event::array_end:
            frames_.pop_back();
            Close();
            break;
        case Event::value:
            Close();
            break;
    }
    return true;
}

void JsonText::Open(bool array) {
    std::string path = ChildPath();
    if (frames_.size() >= kMaxJsonDepth) {
        JsonFields::Fail(path, StrFormat("nested deeper than %zu levels", kMaxJsonDepth));
    }
    frames_.push_back(Frame{array, std::move(path), 0, {}, {}});
}

// One element of the enclosing array is complete.
void JsonText::Close() {
    if (!frames_.empty() && frames_.back().array) ++frames_.back().count;
}

void JsonText::Key(const std::string& key) {
    Frame& frame = frames_.back();
    frame.key = key;
    if (!frame.keys.insert(key).second) JsonFields::Fail(ChildPath(), "key given twice");
}

std::string JsonText::ChildPath() const {
    if (frames_.empty()) return "$";
    const Frame& frame = frames_.back();
    return frame.array ? StrFormat("%s[%zu]", frame.path.c_str(), frame.count)
                       : frame.path + "." + frame.key;
}

}  // namespace

JsonFields::Json JsonFields::ParseText(const std::string& text) { return JsonText::Parse(text); }

JsonFields::JsonFields(const Json& object, std::string path)
    : object_(object), path_(std::move(path)) {
    if (!object_.is_object()) Fail(path_, "expected an object");
}

void JsonFields::Fail(const std::string& path, const std::string& message) {
    throw ScenarioError(path + ": " + message);
}

const JsonFields::Json* JsonFields::Find(const std::string& key) {
    known_.insert(key);
    auto it = object_.find(key);
    return it == object_.end() ? nullptr : &*it;
}

void JsonFields::Finish() const {
    for (const auto& item : object_.items()) {
        if (known_.count(item.key()) == 0) Fail(PathOf(item.key()), "unknown key");
    }
}

namespace {

constexpr unsigned long long kLargest = std::numeric_limits<long long>::max();

}  // namespace

long long JsonFields::AsInteger(const Json& value, const std::string& path, long long low,
                                long long high) {
    std::optional<long long> number;
    if (value.is_number_unsigned() && value.get<unsigned long long>() > kLargest) {
        Fail(path,
             StrFormat("%llu is outside %lld to %lld", value.get<unsigned long long>(), low, high));
    }
    if (value.is_number_integer()) number = value.get<long long>();
    if (value.is_string()) number = ValueText::Integer(value.get<std::string>());
    if (!number) Fail(path, "expected an integer");
    if (*number < low || *number > high) {
        Fail(path, StrFormat("%lld is outside %lld to %lld", *number, low, high));
    }
    return *number;
}

DWORD JsonFields::AsDword(const Json& value, const std::string& path, DWORD low, DWORD high) {
    return static_cast<DWORD>(AsInteger(value, path, low, high));
}

std::string JsonFields::AsString(const Json& value, const std::string& path) {
    if (!value.is_string()) Fail(path, "expected a string");
    return value.get<std::string>();
}

bool JsonFields::Bool(const std::string& key, bool fallback) {
    const Json* value = Find(key);
    if (value == nullptr) return fallback;
    if (!value->is_boolean()) Fail(PathOf(key), "expected true or false");
    return value->get<bool>();
}

DWORD JsonFields::Dword(const std::string& key, DWORD fallback, DWORD low, DWORD high) {
    return OptionalDword(key, low, high).value_or(fallback);
}

std::optional<DWORD> JsonFields::OptionalDword(const std::string& key, DWORD low, DWORD high) {
    const Json* value = Find(key);
    if (value == nullptr) return std::nullopt;
    return AsDword(*value, PathOf(key), low, high);
}

int JsonFields::Int(const std::string& key, int fallback, int low, int high) {
    const Json* value = Find(key);
    return value == nullptr ? fallback
                            : static_cast<int>(AsInteger(*value, PathOf(key), low, high));
}

double JsonFields::Real(const std::string& key, double fallback, double low, double high) {
    const Json* value = Find(key);
    if (value == nullptr) return fallback;
    if (!value->is_number()) Fail(PathOf(key), "expected a number");
    double number = value->get<double>();
    if (number < low || number > high) {
        Fail(PathOf(key), StrFormat("%g is outside %g to %g", number, low, high));
    }
    return number;
}

std::string JsonFields::String(const std::string& key, const std::string& fallback) {
    const Json* value = Find(key);
    return value == nullptr ? fallback : AsString(*value, PathOf(key));
}
