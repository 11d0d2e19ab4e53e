// EEPROM images loaded from files in the engineering mode: what is written, the messages, and an
// image still there when the utility starts again with the same registry. The pages' reads,
// sets, dumps and failures are in the headless scripts ap_baseband_*, ap_mac_registers and
// ap_eeprom_*.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "diagnostics/c_eep_rom_access.h"
#include "main/program.h"

namespace {

namespace fs = std::filesystem;

// A folder per test: ctest runs the tests of this file side by side.
fs::path TestDir() {
    return fs::path(SDWLAN_BINARY_DIR) / "engineering-script" /
           ::testing::UnitTest::GetInstance()->current_test_info()->name();
}

// A fresh directory with the scenario `world` and the files `files` (name, content); returns
// the path of the first file.
std::string Prepare(const std::string& world,
                    const std::vector<std::pair<std::string, std::string>>& files) {
    const fs::path dir = TestDir();
    fs::remove_all(dir);
    fs::create_directories(dir);
    std::ofstream(dir / "world.json") << world;
    for (const auto& [name, content] : files) std::ofstream(dir / name) << content;
    return (dir / files.front().first).string();
}

// The transcript of `script` in the engineering mode, ending with "exit STATUS".
std::string RunScript(const std::string& script) {
    std::istringstream in(script);
    std::ostringstream out;
    int status = RunProgram(
        {"--headless", "--engineering", "--script", "-", "--registry",
         (TestDir() / "registry.reg").string(), "--scenario", (TestDir() / "world.json").string()},
        in, out, out);
    return out.str() + "exit " + std::to_string(status) + "\n";
}

TEST(EngineeringScript, AnEepromImageFromAFileOutlivesARestart) {
    const std::string image =
        Prepare(R"({"adapters": [{"name": "KESTREL1", "eeprom": {"size": 15}}]})",
                {{"image.txt", "0102 0304,0506\r\n0708 0909 0a0a 0b0b 0c0c"}});
    // 15 bytes hold seven words: the eighth word of the image is not written.
    EXPECT_EQ(RunScript("tab 7\nfile " + image +
                        "\nclick 1029\nclick 1022\nexpect 1028 "
                        "\"000:\\t0102\\t0304\\t0506\\t0708\\r\\n004:\\t0909\\t0A0A\\t0B0B\"\n"),
              "open-file \"Open\": \"" + image + "\"\nexit 0\n");
    EXPECT_EQ(RunScript("tab 7\ntype 1026 3\nclick 1018\nexpect 1027 0708\n"), "exit 0\n");
}

// A token that is not a word stops the image after the words before it; a file too large is not
// read; a cancelled dialog writes nothing; the busy cursor ends with each.
TEST(EngineeringScript, FromFileStopsAtASizeErrorAndRefusesATooLargeFile) {
    const std::string sizeError =
        Prepare(R"({"adapters": [{"name": "KESTREL1", "eeprom": {"size": 8}}]})",
                {{"size.txt", "1111 2222 12345 4444"},
                 {"large.txt", std::string(CEEPRomAccess::kMaxFileBytes + 1, ' ')}});
    const std::string large = (TestDir() / "large.txt").string();
    const std::string transcript =
        RunScript("tab 7\nfile " + sizeError + "\nfile " + large +
                  "\nfile -\nclick 1029\nclick 1029\nclick 1029\nclick 1022\nexpect 1028 "
                  "\"000:\\t1111\\t2222\\t0000\\t0000\\r\\n\"\ndump\n");
    EXPECT_TRUE(transcript.starts_with(
        "open-file \"Open\": \"" + sizeError +
        "\"\nmessage: Size error, all of the item should be word-size\nopen-file \"Open\": \"" +
        large + "\"\nmessage: " + large +
        " is too large to be read.\nopen-file \"Open\": cancelled\nwindow \"SD WLAN Utility\"\n"))
        << transcript;
    EXPECT_TRUE(transcript.ends_with("exit 0\n")) << transcript;
}

}  // namespace
