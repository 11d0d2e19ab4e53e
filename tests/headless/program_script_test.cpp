// Scripts run through the whole program in-process: each scripts/NAME.txt runs with the
// scenario scripts/NAME.json (the built-in one when there is none), the further arguments of
// scripts/NAME.args (words separated by blanks) when there is one, and a fresh registry, and
// its transcript (output and error messages, then "exit STATUS") must equal
// scripts/NAME.expected. After an intended change of what the utility shows, run the test
// with SDWLAN_UPDATE_EXPECTED=1 to rewrite the expected files, and review their diff.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "main/program.h"
#include "platform/registry/registry_store.h"

namespace {

namespace fs = std::filesystem;

fs::path ScriptDir() { return fs::path(SDWLAN_SOURCE_DIR) / "tests" / "headless" / "scripts"; }

std::vector<std::string> ScriptNames() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(ScriptDir())) {
        if (entry.path().extension() == ".txt") names.push_back(entry.path().stem().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string ReadFile(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// A registry of its own for each script, so that nothing carries over between runs: the store
// keeps its tree when it is pointed at a file that does not exist yet.
fs::path FreshRegistry(const std::string& name) {
    RegistryStore::Instance().Reset();
    fs::path dir = fs::path(SDWLAN_BINARY_DIR) / "headless-scripts" / name;
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir / "registry.reg";
}

class ProgramScript : public ::testing::TestWithParam<std::string> {};

TEST_P(ProgramScript, PrintsTheExpectedTranscript) {
    const std::string name = GetParam();
    std::vector<std::string> args = {"--headless", "--script", "-", "--registry",
                                     FreshRegistry(name).string()};
    if (fs::path scenario = ScriptDir() / (name + ".json"); fs::exists(scenario)) {
        args.insert(args.end(), {"--scenario", scenario.string()});
    }
    if (fs::path more = ScriptDir() / (name + ".args"); fs::exists(more)) {
        std::istringstream words(ReadFile(more));
        for (std::string word; words >> word;) args.push_back(word);
    }
    std::istringstream script(ReadFile(ScriptDir() / (name + ".txt")));
    std::ostringstream transcript;
    int status = RunProgram(args, script, transcript, transcript);
    transcript << "exit " << status << "\n";

    fs::path expected = ScriptDir() / (name + ".expected");
    if (std::getenv("SDWLAN_UPDATE_EXPECTED") != nullptr) {
        std::ofstream(expected, std::ios::binary) << transcript.str();
    }
    ASSERT_TRUE(fs::exists(expected)) << "no " << expected;
    EXPECT_EQ(transcript.str(), ReadFile(expected));
}

INSTANTIATE_TEST_SUITE_P(Scripts, ProgramScript, ::testing::ValuesIn(ScriptNames()),
                         [](const auto& info) { return info.param; });

}  // namespace
