#include "sim/json_fields.h"

#include <limits>

#include "platform/core/text.h"
#include "sim/scenario_error.h"
#include "sim/value_text.h"

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
