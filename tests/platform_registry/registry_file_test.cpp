// The registry file: round trip, hand-written files, refused files, failed saves.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/registry/registry_api.h"
#include "platform/registry/registry_store.h"

namespace fs = std::filesystem;

namespace {

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteFile(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

class RegistryFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("sdwlan-registry-" + std::to_string(getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        file_ = dir_ / "registry.reg";
        store().Reset();
    }
    void TearDown() override {
        store().Reset();
        fs::remove_all(dir_);
    }
    static RegistryStore& store() { return RegistryStore::Instance(); }
    // Drops the tree and loads the file again, as a new process would.
    void Reload() {
        store().Reset();
        std::string error;
        ASSERT_TRUE(store().SetBackingFile(file_.string(), &error)) << error;
    }
    // A raw value of key "Data", created when needed.
    static void SetRaw(const RegistryValue& value) {
        RegistryPath canonical;
        bool created = false;
        ASSERT_EQ(store().CreateKey({}, {"Data"}, &canonical, &created), ERROR_SUCCESS);
        ASSERT_EQ(store().SetValue({"Data"}, value), ERROR_SUCCESS);
    }
    static RegistryValue QueryRaw(const RegistryPath& key, const std::string& name) {
        RegistryValue value;
        EXPECT_EQ(store().QueryValue(key, name, &value), ERROR_SUCCESS) << name;
        return value;
    }

    fs::path dir_;
    fs::path file_;
};

TEST_F(RegistryFileTest, ValuesOfEveryKindSurviveAReload) {
    const std::string tricky = "say \"hi\" to C:\\dir\\ and caf\xC3\xA9 \xE2\x98\x95 \xE6\x97\xA5";
    std::vector<BYTE> blob;
    for (int i = 0; i < 60; ++i) blob.push_back(static_cast<BYTE>(i * 7));
    const std::vector<RegistryValue> raw = {
        {"Blob", REG_BINARY, blob},
        {"Multi", REG_MULTI_SZ, {'a', 0, 0, 0, 'b', 0, 0, 0, 0, 0}},
        {"NoNul", REG_SZ, {'x', 0, 'y', 0}},  // string without terminating NUL
        {"Break", REG_SZ, {'a', 0, '\n', 0, 0, 0}},
        {"Empty", REG_BINARY, {}}};

    std::string error;
    ASSERT_TRUE(store().SetBackingFile(file_.string(), &error)) << error;
    ASSERT_EQ(store().SetString("Comm\\KESTREL1\\Parms", "Ssid", tricky), ERROR_SUCCESS);
    ASSERT_EQ(store().SetString("Comm\\KESTREL1\\Parms", "Quote\"d \\name", "v"), ERROR_SUCCESS);
    ASSERT_EQ(store().SetString("Comm\\KESTREL1\\Parms", "", "default"), ERROR_SUCCESS);
    ASSERT_EQ(store().SetDword("Comm\\KESTREL1\\Parms", "DebugModule", 0xC0FFEE12), ERROR_SUCCESS);
    for (const RegistryValue& value : raw) SetRaw(value);
    ASSERT_EQ(store().SetString("Drivers\\Active\\07", "Name", "RAD4:"), ERROR_SUCCESS);

    Reload();
    EXPECT_EQ(store().GetString("comm\\kestrel1\\parms", "SSID"), tricky);
    EXPECT_EQ(store().GetString("Comm\\KESTREL1\\Parms", "Quote\"d \\name"), "v");
    EXPECT_EQ(store().GetString("Comm\\KESTREL1\\Parms", ""), "default");
    EXPECT_EQ(store().GetDword("Comm\\KESTREL1\\Parms", "DebugModule"), 0xC0FFEE12u);
    for (const RegistryValue& value : raw) {
        const RegistryValue back = QueryRaw({"Data"}, value.name);
        EXPECT_EQ(std::tie(back.type, back.data), std::tie(value.type, value.data)) << value.name;
    }
    EXPECT_FALSE(store().KeyExists("Drivers\\Active\\07")) << "running state is not saved";

    std::string text = ReadFile(file_);
    EXPECT_EQ(text.rfind("Windows Registry Editor Version 5.00\n\n", 0), 0u);
    EXPECT_NE(text.find("\"Quote\\\"d \\\\name\"=\"v\""), std::string::npos) << text;
    EXPECT_NE(text.find("\"DebugModule\"=dword:c0ffee12"), std::string::npos) << text;
    EXPECT_NE(text.find("@=\"default\""), std::string::npos) << text;
    EXPECT_NE(text.find("\"Multi\"=hex(7):61,00,00,00"), std::string::npos) << text;
    EXPECT_EQ(text.find("Drivers"), std::string::npos) << text;
    EXPECT_NE(text.find(",\\\n  "), std::string::npos) << "long hex data is continued";
    EXPECT_FALSE(fs::exists(file_.string() + ".tmp"));
}

TEST_F(RegistryFileTest, ReadsHandWrittenFilesWithCrlfCommentsAndContinuations) {
    WriteFile(file_,
              "\xEF\xBB\xBFWindows Registry Editor Version 5.00\r\n\r\n"
              "; written by hand\r\n"
              "[HKEY_LOCAL_MACHINE\\Comm\\KESTREL1\\Parms\\]\r\n"
              "\"Rate\"=\"15\"\r\n"
              "\"Flags\" = DWORD:0000000C\r\n"
              "\"Bytes\"=hex:01,02,\\\r\n"
              "    03,0a\r\n"
              "\r\n"
              "[hkey_local_machine\\Drivers\\Active\\12]\r\n"
              "\"Name\"=\"RAD4:\"");
    Reload();
    EXPECT_EQ(store().GetString("Comm\\KESTREL1\\Parms", "Rate"), "15");
    EXPECT_EQ(store().GetDword("Comm\\KESTREL1\\Parms", "Flags"), 12u);
    EXPECT_EQ(QueryRaw({"Comm", "KESTREL1", "Parms"}, "Bytes").data,
              (std::vector<BYTE>{1, 2, 3, 10}));
    EXPECT_EQ(store().GetString("Drivers\\Active\\12", "Name"), "RAD4:");
}

// "[HKEY_LOCAL_MACHINE\Comm\k\k...]" with `levels` more levels below Comm.
std::string DeepKeyLine(int levels) {
    std::string line = "[HKEY_LOCAL_MACHINE\\Comm";
    for (int i = 0; i < levels; ++i) line += "\\k";
    return line + "]";
}

constexpr const char* kHeader = "Windows Registry Editor Version 5.00\n";

struct MalformedCase {
    std::string body;
    int line;
    const char* expected;
    std::string head = std::string(kHeader) + "\n[HKEY_LOCAL_MACHINE\\Comm]\n";
};

class RegistryMalformedFileTest : public RegistryFileTest,
                                  public ::testing::WithParamInterface<MalformedCase> {};

TEST_P(RegistryMalformedFileTest, IsRefusedWithItsLineAndNeverOverwritten) {
    const std::string original = GetParam().head + GetParam().body;
    WriteFile(file_, original);
    ASSERT_EQ(store().SetString("Kept", "Value", "before"), ERROR_SUCCESS);

    std::string error;
    EXPECT_FALSE(store().SetBackingFile(file_.string(), &error));
    std::string where = file_.string() + ":" + std::to_string(GetParam().line) + ": expected ";
    EXPECT_EQ(error.rfind(where, 0), 0u) << error;
    EXPECT_NE(error.find(GetParam().expected), std::string::npos) << error;
    EXPECT_NE(error.find("left unchanged"), std::string::npos) << error;
    EXPECT_EQ(store().BackingFile(), "");
    EXPECT_EQ(store().GetString("Kept", "Value"), "before");

    ASSERT_EQ(store().SetString("Comm", "Ssid", "changed"), ERROR_SUCCESS);
    ASSERT_EQ(store().DeleteKey("Kept"), ERROR_SUCCESS);
    EXPECT_EQ(ReadFile(file_), original);
    EXPECT_FALSE(fs::exists(file_.string() + ".tmp"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RegistryMalformedFileTest,
    ::testing::Values(MalformedCase{"REGEDIT4\n", 1, "Version 5.00\"", ""},
                      MalformedCase{"\"A\"=\"1\"\n", 2, "before the first value", kHeader},
                      MalformedCase{"\"Ssid\"=dword:1234567890\n", 4, "dword"},
                      MalformedCase{"\"Ssid\"=\"open\n", 4, "closing"},
                      MalformedCase{"\"A\"=\"1\"\n\"Ssid\"=\"a\\tb\"\n", 5, "backslash"},
                      MalformedCase{"[HKEY_CURRENT_USER\\Comm]\n", 4, "HKEY_LOCAL_MACHINE"},
                      MalformedCase{"[HKEY_LOCAL_MACHINE\\Comm\n", 4, "']'"},
                      MalformedCase{"\"Bytes\"=hex:01,zz\n", 4, "hex bytes"},
                      MalformedCase{"\"Bytes\"=hex:01,\\\n 02,\n", 5, "hex byte"},
                      MalformedCase{"\"Ssid\"=-\n", 4, "quoted string"},
                      MalformedCase{"\"Ssid\"=\"caf\xE9\"\n", 4, "UTF-8"},
                      MalformedCase{"\"Ssid\"\n", 4, "'='"}, MalformedCase{"garbage\n", 4, "[key]"},
                      // A deep key would be rebuilt, path and all, at every level when saved.
                      MalformedCase{DeepKeyLine(512) + "\n", 4, "at most 512 levels deep"},
                      MalformedCase{"[HKEY_LOCAL_MACHINE\\" + std::string(256, 'k') + "]\n", 4,
                                    "at most 255 characters"}));

TEST_F(RegistryFileTest, AFileLargerThanTheLimitIsRefusedUnread) {
    std::string error;
    EXPECT_FALSE(store().SetBackingFile("/dev/zero", &error));
    EXPECT_NE(error.find("/dev/zero: larger than the limit of 1048576 bytes"), std::string::npos)
        << error;
    EXPECT_EQ(store().BackingFile(), "");
}

// A file not there yet starts an empty tree: nothing from the file used before reaches it.
TEST_F(RegistryFileTest, NewFileStartsEmptyAfterAnotherOne) {
    ASSERT_EQ(store().SetString("Comm\\A", "Kept", "old"), ERROR_SUCCESS);
    std::string error;
    ASSERT_TRUE(store().SetBackingFile((dir_ / "new.reg").string(), &error)) << error;
    EXPECT_FALSE(store().KeyExists("Comm\\A"));
    ASSERT_EQ(store().SetString("Comm\\B", "New", "1"), ERROR_SUCCESS);
    const std::string saved = ReadFile(dir_ / "new.reg");
    EXPECT_NE(saved.find("New"), std::string::npos) << saved;
    EXPECT_EQ(saved.find("Kept"), std::string::npos) << saved;
}

TEST_F(RegistryFileTest, FailedSaveLeavesThePreviousFileAndTheTreeAsTheyWere) {
    std::string error;
    ASSERT_TRUE(store().SetBackingFile(file_.string(), &error)) << error;
    ASSERT_EQ(store().SetString("Comm", "Ssid", "home"), ERROR_SUCCESS);
    const std::string saved = ReadFile(file_);
    // A directory where the temporary file must go: the save fails even for root.
    fs::create_directories(file_.string() + ".tmp/inside");

    EXPECT_EQ(store().SetString("Comm", "Ssid", "work"), static_cast<LONG>(ERROR_GEN_FAILURE));
    EXPECT_EQ(store().DeleteKey("Comm"), static_cast<LONG>(ERROR_GEN_FAILURE));
    EXPECT_NE(store().LastSaveError().find("registry.reg.tmp"), std::string::npos)
        << store().LastSaveError();
    EXPECT_EQ(ReadFile(file_), saved);
    EXPECT_EQ(store().GetString("Comm", "Ssid"), "home");
    EXPECT_TRUE(fs::is_directory(file_.string() + ".tmp/inside"));

    fs::remove_all(file_.string() + ".tmp");
    EXPECT_EQ(store().SetString("Comm", "Ssid", "work"), ERROR_SUCCESS);
    EXPECT_EQ(store().LastSaveError(), "");
    Reload();
    EXPECT_EQ(store().GetString("Comm", "Ssid"), "work");
}

TEST_F(RegistryFileTest, MissingFileAndDirectoryAreCreatedOnTheFirstChange) {
    fs::path nested = dir_ / "a" / "b" / "registry.reg";
    std::string error;
    ASSERT_TRUE(store().SetBackingFile(nested.string(), &error)) << error;
    EXPECT_EQ(store().BackingFile(), nested.string());
    EXPECT_FALSE(fs::exists(nested));
    ASSERT_EQ(store().SetDword("Comm", "DebugModule", 1), ERROR_SUCCESS);
    EXPECT_TRUE(fs::exists(nested));
}

TEST(RegistryDefaultPath, FollowsXdgConfigHomeOrHome) {
    if (!std::getenv("HOME")) GTEST_SKIP() << "HOME is not set";
    const char* savedXdg = std::getenv("XDG_CONFIG_HOME");
    std::string xdg = savedXdg ? savedXdg : "";
    setenv("XDG_CONFIG_HOME", "/tmp/xdg", 1);
    EXPECT_EQ(DefaultRegistryPath(), "/tmp/xdg/sdwlan/registry.reg");
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(DefaultRegistryPath(),
              (fs::path(std::getenv("HOME")) / ".config/sdwlan/registry.reg").string());
    if (savedXdg) setenv("XDG_CONFIG_HOME", xdg.c_str(), 1);
}

}  // namespace

// The file is rewritten only when its text would change; the running system's device list
// never reaches it. A rewrite replaces the file (a new inode), so an unchanged inode shows
// that nothing was written.
TEST_F(RegistryFileTest, SavesOnlyWhatChangesThePersistedTextAndNeverDriversActive) {
    Reload();
    ASSERT_EQ(store().SetDword("Comm\\SDW1\\Parms", "Channel", 6), ERROR_SUCCESS);
    struct stat before {};
    ASSERT_EQ(stat(file_.c_str(), &before), 0);
    const std::string text = ReadFile(file_);
    ASSERT_EQ(store().SetDword("Comm\\SDW1\\Parms", "Channel", 6), ERROR_SUCCESS);
    ASSERT_EQ(store().SetString("Drivers\\Active\\01", "Name", "RAD4:"), ERROR_SUCCESS);
    ASSERT_EQ(store().DeleteKey("Drivers\\Active\\01"), ERROR_SUCCESS);
    struct stat after {};
    ASSERT_EQ(stat(file_.c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(ReadFile(file_), text);

    ASSERT_EQ(store().SetString("Drivers\\Active\\02", "Name", "RAD4:"), ERROR_SUCCESS);
    ASSERT_EQ(store().SetDword("Comm\\SDW1\\Parms", "Channel", 11), ERROR_SUCCESS);
    EXPECT_EQ(ReadFile(file_).find("Active"), std::string::npos);
    Reload();
    EXPECT_EQ(store().GetDword("Comm\\SDW1\\Parms", "Channel"), 11u);
    EXPECT_FALSE(store().KeyExists("Drivers"));
}
