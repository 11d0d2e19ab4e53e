#include "sim/event_parser.h"

#include <algorithm>

#include "platform/core/text.h"
#include "sim/json_fields.h"
#include "sim/value_text.h"

namespace {

constexpr const char* kActions[] = {"removeCard", "removeDevice", "link",
                                    "scanState",  "signalDbm",    "restartCounters"};
constexpr const char* kActionList =
    "removeCard, removeDevice, link, scanState, signalDbm or restartCounters";

}  // namespace

std::vector<SimEvent> EventParser::List(const Json* value, const std::string& path,
                                        const std::vector<AdapterSpec>& adapters) {
    std::vector<SimEvent> events;
    if (value == nullptr) return events;
    if (!value->is_array()) JsonFields::Fail(path, "expected an array");
    for (std::size_t i = 0; i < value->size(); ++i) {
        events.push_back(Event((*value)[i], StrFormat("%s[%zu]", path.c_str(), i), adapters));
    }
    return events;
}

SimEvent EventParser::Event(const Json& value, const std::string& path,
                            const std::vector<AdapterSpec>& adapters) {
    JsonFields fields(value, path);
    SimEvent event;
    if (fields.Find("at") == nullptr) JsonFields::Fail(fields.PathOf("at"), "missing");
    event.atMs = fields.Dword("at", 0);
    std::string action;
    for (const char* key : kActions) {
        if (value.contains(key)) {
            if (!action.empty()) {
                JsonFields::Fail(path,
                                 "both " + action + " and " + key + ": an event does one thing");
            }
            action = key;
        }
    }
    if (action.empty()) JsonFields::Fail(path, std::string("expected one of ") + kActionList);
    Action(fields, action, &event);
    if (event.kind != SimEventKind::RemoveDevice) CheckAdapter(fields, adapters, &event);
    fields.Finish();
    return event;
}

void EventParser::Action(JsonFields& fields, const std::string& key, SimEvent* event) {
    if (key == "removeCard" || key == "restartCounters") {
        if (!fields.Bool(key, false)) JsonFields::Fail(fields.PathOf(key), "expected true");
        event->kind =
            key == "removeCard" ? SimEventKind::RemoveCard : SimEventKind::RestartCounters;
    } else if (key == "removeDevice") {
        event->kind = SimEventKind::RemoveDevice;
        event->deviceName = fields.String(key, "");
        if (event->deviceName.empty()) JsonFields::Fail(fields.PathOf(key), "empty");
    } else if (key == "link") {
        std::string state = fields.String(key, "");
        if (state != "up" && state != "down") {
            JsonFields::Fail(fields.PathOf(key), "expected \"up\" or \"down\"");
        }
        event->kind = state == "up" ? SimEventKind::LinkUp : SimEventKind::LinkDown;
    } else if (key == "scanState") {
        event->kind = SimEventKind::ScanState;
        event->scanState = fields.Dword(key, 0);
        if (const Json* bssid = fields.Find("bssid")) {
            event->bssid = ValueText::Mac(JsonFields::AsString(*bssid, fields.PathOf("bssid")));
            if (!event->bssid) {
                JsonFields::Fail(fields.PathOf("bssid"),
                                 "expected a MAC address like 00-0A-0B-1C-2D-3E");
            }
        }
    } else {
        event->kind = SimEventKind::Signal;
        event->signalDbm = fields.Int(key, 0, -120, 0);
    }
}

// The adapter an event names must be a wireless one; without a name the first wireless
// adapter is meant, and there must be one.
void EventParser::CheckAdapter(JsonFields& fields, const std::vector<AdapterSpec>& adapters,
                               SimEvent* event) {
    auto wireless = [](const AdapterSpec& a) { return a.wireless; };
    const Json* name = fields.Find("adapter");
    if (name == nullptr) {
        if (std::none_of(adapters.begin(), adapters.end(), wireless)) {
            JsonFields::Fail(fields.Path(), "no wireless adapter for this event");
        }
        return;
    }
    event->adapter = Utf8ToWide(JsonFields::AsString(*name, fields.PathOf("adapter")));
    auto it = std::find_if(adapters.begin(), adapters.end(),
                           [&](const AdapterSpec& a) { return a.name == event->adapter; });
    if (it == adapters.end() || !it->wireless) {
        JsonFields::Fail(fields.PathOf("adapter"), "no wireless adapter of this name");
    }
}
