// The card driver's registry parameters ("Comm\KESTREL1\Parms"), read when the driver loads,
// and the "DriverVersion" value its installation writes. Values are decimal texts in the
// utility's encodings; a value that is absent or not understood leaves the setting alone.
#pragma once

#include <optional>
#include <string>

#include "sim/card_settings.h"

class DriverParameters {
  public:
    // Applies the stored values to the settings; returns the stored "Ssid", if any.
    static std::optional<std::string> Apply(const std::string& key, bool apModeSupported,
                                            CardSettings* settings);
    static void WriteDriverVersion(const std::string& key, const std::string& version);
};
