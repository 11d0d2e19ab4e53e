// The wireless driver's registry parameters under HKLM "Comm\KESTREL1\Parms". The driver reads
// them when it loads, so a setting stored here survives the next driver load. Values are
// strings of decimal numbers or text; "DebugModule", "CCXFlags" and "CCXMeaLimit" are numbers.
#pragma once

#include <string>

class DriverParams {
  public:
    static constexpr const char16_t* KEY = u"Comm\\KESTREL1\\Parms";
    // Read buffer of the reader: 129 characters and the NUL, in bytes.
    static constexpr unsigned READ_BUFFER_BYTES = 260;

    // Reads the named value (of any type) into `value`, keeping the low byte of each UTF-16
    // character. Returns 1, or 0 with `value` unchanged when the key cannot be opened or the
    // value is absent or longer than 129 characters; showError == 1 then shows
    // "registry of the item named '<name>' can't be read".
    static int Read(const std::string& name, std::string& value, int showError);

    // Stores `value` as a string, or for the numeric names as a 32-bit number converted from
    // its leading decimal digits ("12abc" stores 12). A failure shows
    // "registry <name> can't be set, code:<error>" when showError is non-zero.
    static void Write(const std::string& name, const std::string& value, int showError);

  private:
    static bool IsNumericName(const std::string& name);
    static unsigned LeadingDecimal(const std::string& text);
    static std::string LowBytesText(const unsigned char* buffer);
};
