#include "sim/json_text.h"

#include "platform/core/text.h"
#include "sim/json_fields.h"

namespace {

constexpr std::size_t kMaxMessage = 160;

}  // namespace

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
