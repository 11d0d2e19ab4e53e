// An EEPROM image loaded from a file in the engineering mode is still there when the utility
// starts again with the same registry. The pages' reads, sets, dumps and failures are in the
// headless scripts ap_baseband_*, ap_mac_registers and ap_eeprom_*.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "main/program.h"

namespace {

namespace fs = std::filesystem;

const fs::path kDir = fs::path(SDWLAN_BINARY_DIR) / "engineering-script";

// The transcript of `script` in the engineering mode, ending with "exit STATUS".
std::string RunScript(const std::string& script) {
    std::istringstream in(script);
    std::ostringstream out;
    int status =
        RunProgram({"--headless", "--engineering", "--script", "-", "--registry",
                    (kDir / "registry.reg").string(), "--scenario", (kDir / "world.json").string()},
                   in, out, out);
    return out.str() + "exit " + std::to_string(status) + "\n";
}

TEST(EngineeringScript, AnEepromImageFromAFileOutlivesARestart) {
    fs::remove_all(kDir);
    fs::create_directories(kDir);
    std::ofstream(kDir / "world.json") << R"({"adapters": [{"name": "KESTREL1",
        "eeprom": {"size": 15}}]})";
    std::ofstream(kDir / "image.txt") << "0102 0304,0506\r\n0708 0909 0a0a 0b0b 0c0c";
    // 15 bytes hold seven words: the eighth word of the image is not written.
    EXPECT_EQ(RunScript("tab 7\nfile " + (kDir / "image.txt").string() +
                        "\nclick 1029\nclick 1022\nexpect 1028 "
                        "\"000:\\t0102\\t0304\\t0506\\t0708\\r\\n004:\\t0909\\t0A0A\\t0B0B\"\n"),
              "open-file \"Open\": \"" + (kDir / "image.txt").string() + "\"\nexit 0\n");
    EXPECT_EQ(RunScript("tab 7\ntype 1026 3\nclick 1018\nexpect 1027 0708\n"), "exit 0\n");
}

}  // namespace
