// An engineer's session in the engineering mode, run as a script: registers read, set and
// dumped, a failing MAC register, an EEPROM image loaded from a file and still there when the
// utility starts again with the same registry.
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

TEST(EngineeringScript, RegistersDumpsAndAnImageThatOutlivesARestart) {
    fs::remove_all(kDir);
    fs::create_directories(kDir);
    std::ofstream(kDir / "world.json") << R"({"adapters": [{"name": "KESTREL1",
        "eeprom": {"size": 15}, "basebandRegisters": {"44": 90},
        "faults": [{"oid": "0xFFA0C801", "address": "0x40", "kind": "status"}]}]})";
    std::ofstream(kDir / "image.txt") << "0102 0304,0506\r\n0708 0909 0a0a 0b0b 0c0c";
    const std::string first = RunScript(
        "tab 5\ntype 1016 300\nclick 1018\nexpect 1017 5a\ntype 1017 0x2A\nclick 1021\n"
        "click 1018\nexpect 1017 2a\nclick 1022\nscroll 1020 6\nclick 1022\ndump\n"
        "tab 6\nclick 1022\ntab 7\nfile " +
        (kDir / "image.txt").string() +
        "\nclick 1029\n"
        "click 1022\nexpect 1028 "
        "\"000:\\t0102\\t0304\\t0506\\t0708\\r\\n004:\\t0909\\t0A0A\\t0B0B\"\n");
    EXPECT_NE(first.find("1020 edit \"0000:\\t00 00 00 00 00 00 00 00\\r\\n"), std::string::npos);
    EXPECT_NE(first.find(" top=6\nmessage: Fail to read\n"), std::string::npos) << first;
    EXPECT_EQ(first.substr(first.size() - 7), "exit 0\n") << first;
    EXPECT_EQ(RunScript("tab 7\ntype 1026 3\nclick 1018\nexpect 1027 0708\n"), "exit 0\n");
}

}  // namespace
