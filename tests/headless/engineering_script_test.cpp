// An engineer's session in the engineering mode, as a script would run it: registers read,
// set and dumped, a failing MAC register, an EEPROM image loaded from a file, and the words
// still there when the utility starts again with the same registry.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "main/program.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kScenario = R"({
  "adapters": [{
    "name": "KESTREL1",
    "eeprom": { "size": 15 },
    "basebandRegisters": { "44": 90 },
    "faults": [{ "oid": "0xFFA0C801", "address": "0x40", "kind": "status" }]
  }]
})";

class EngineeringScript : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        std::ofstream(dir_ / "world.json") << kScenario;
        std::ofstream(dir_ / "image.txt") << "0102 0304,0506\r\n0708 0909 0a0a 0b0b 0c0c 0d0d";
    }

    // Runs `script` in the engineering mode; the transcript ends with "exit STATUS".
    std::string Run(const std::string& script) {
        std::vector<std::string> args = {"--headless", "--engineering",   "--script",
                                         "-",          "--registry",      Path("registry.reg"),
                                         "--scenario", Path("world.json")};
        std::istringstream in(script);
        std::ostringstream transcript;
        int status = RunProgram(args, in, transcript, transcript);
        return transcript.str() + "exit " + std::to_string(status) + "\n";
    }
    std::string Path(const char* name) const { return (dir_ / name).string(); }

    fs::path dir_ = fs::path(SDWLAN_BINARY_DIR) / "engineering-script";
};

TEST_F(EngineeringScript, RegistersDumpsAndAnImageThatOutlivesARestart) {
    const std::string first =
        Run("tab 5\n"
            "type 1016 300\nclick 1018\nexpect 1017 5a\n"
            "type 1017 0x2A\nclick 1021\nclick 1018\nexpect 1017 2a\n"
            "click 1022\nscroll 1020 6\nclick 1022\ndump\n"
            "tab 6\ntype 1023 2f4\nclick 1018\nclick 1022\n"
            "tab 7\nfile " +
            Path("image.txt") +
            "\nclick 1029\n"
            "click 1022\nexpect 1028 \"000:\\t0102\\t0304\\t0506\\t0708"
            "\\r\\n004:\\t0909\\t0A0A\\t0B0B\"\n");
    EXPECT_NE(first.find("1020 edit \"0000:\\t"), std::string::npos) << first;
    EXPECT_NE(first.find(" top=6\n"), std::string::npos) << first;
    EXPECT_NE(first.find("message: Fail to read\n"), std::string::npos) << first;
    EXPECT_EQ(first.substr(first.size() - 7), "exit 0\n") << first;

    const std::string second =
        Run("tab 7\ntype 1026 3\nclick 1018\nexpect 1027 0708\n"
            "type 1026 6\nclick 1018\nexpect 1027 0b0b\n");
    EXPECT_EQ(second, "exit 0\n");
}

}  // namespace
