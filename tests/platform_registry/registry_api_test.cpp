// Semantics of the Reg* calls: keys, values, rights, error codes and buffer sizes.
#include "platform/registry/registry_api.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "platform/core/event.h"
#include "platform/core/handle_table.h"
#include "platform/registry/registry_store.h"

namespace {

class RegistryApiTest : public ::testing::Test {
  protected:
    void SetUp() override {
        RegistryStore::Instance().Reset();
        handlesBefore_ = HandleTable::Instance().Count();
    }
    void TearDown() override {
        for (HKEY key : open_) RegCloseKey(key);
        EXPECT_EQ(HandleTable::Instance().Count(), handlesBefore_);
        RegistryStore::Instance().Reset();
    }
    HKEY Open(LPCWSTR path, DWORD access = KEY_ALL_ACCESS) {
        HKEY key = 0;
        EXPECT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, path, 0, access, &key), ERROR_SUCCESS);
        open_.push_back(key);
        return key;
    }
    HKEY Create(LPCWSTR path, DWORD* disposition = nullptr, HKEY parent = HKEY_LOCAL_MACHINE) {
        HKEY key = 0;
        EXPECT_EQ(
            RegCreateKeyEx(parent, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, disposition),
            ERROR_SUCCESS);
        open_.push_back(key);
        return key;
    }
    static LONG SetText(HKEY key, LPCWSTR name, const std::u16string& text) {
        return RegSetValueEx(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                             static_cast<DWORD>((text.size() + 1) * 2));
    }
    static std::u16string QueryText(HKEY key, LPCWSTR name) {
        char16_t buffer[130] = {};
        DWORD size = sizeof(buffer) - 2;
        LONG status =
            RegQueryValueEx(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &size);
        return status == ERROR_SUCCESS ? std::u16string(buffer) : u"<error>";
    }
    static std::vector<std::u16string> EnumAll(HKEY key) {
        std::vector<std::u16string> names;
        for (DWORD i = 0;; ++i) {
            WCHAR name[260];
            DWORD chars = 260;
            LONG status = RegEnumKeyEx(key, i, name, &chars, nullptr, nullptr, nullptr, nullptr);
            if (status != ERROR_SUCCESS) {
                EXPECT_EQ(status, static_cast<LONG>(ERROR_NO_MORE_ITEMS));
                return names;
            }
            names.emplace_back(name, chars);
        }
    }

    std::vector<HKEY> open_;
    std::size_t handlesBefore_ = 0;
};

TEST_F(RegistryApiTest, OpenReportsMissingKeysAndBadArguments) {
    HKEY key = 0;
    EXPECT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, u"Comm\\KESTREL1", 0, KEY_READ, &key),
              static_cast<LONG>(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(RegOpenKeyEx(0x1234, u"Comm", 0, KEY_READ, &key),
              static_cast<LONG>(ERROR_INVALID_HANDLE));
    EXPECT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, u"Comm", 0, KEY_READ, nullptr),
              static_cast<LONG>(ERROR_INVALID_PARAMETER));
    Create(u"Comm");
    EXPECT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, u"Comm\\\\X", 0, KEY_READ, &key),
              static_cast<LONG>(ERROR_INVALID_PARAMETER));
}

TEST_F(RegistryApiTest, CreateMakesIntermediateKeysAndReportsDisposition) {
    DWORD disposition = 0;
    Create(u"Comm\\KESTREL1\\Parms", &disposition);
    EXPECT_EQ(disposition, REG_CREATED_NEW_KEY);
    Create(u"comm\\kestrel1\\PARMS", &disposition);
    EXPECT_EQ(disposition, REG_OPENED_EXISTING_KEY);
    EXPECT_TRUE(RegistryStore::Instance().KeyExists("Comm\\KESTREL1"));
    HKEY comm = Open(u"Comm");
    Create(u"Other", &disposition, comm);
    EXPECT_EQ(disposition, REG_CREATED_NEW_KEY);
    EXPECT_TRUE(RegistryStore::Instance().KeyExists("Comm\\Other"));
}

TEST_F(RegistryApiTest, CreateRefusesKeysBeyondTheDepthAndNameLimits) {
    std::u16string deepest = u"k";
    for (int level = 1; level < 512; ++level) deepest += u"\\k";
    HKEY parent = Create(deepest.c_str());
    HKEY key = 0;
    // From the root and below an open key alike, the 513th level is one too many.
    EXPECT_EQ(RegCreateKeyEx(HKEY_LOCAL_MACHINE, (deepest + u"\\k").c_str(), 0, nullptr, 0,
                             KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegCreateKeyEx(parent, u"k", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_INVALID_PARAMETER);
    Create(std::u16string(255, u'n').c_str());
    EXPECT_EQ(RegCreateKeyEx(HKEY_LOCAL_MACHINE, std::u16string(256, u'n').c_str(), 0, nullptr, 0,
                             KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_INVALID_PARAMETER);
}

TEST_F(RegistryApiTest, TrailingBackslashOpensTheKey) {
    Create(u"Drivers\\Active\\01");
    HKEY active = Open(u"Drivers\\Active\\");
    EXPECT_EQ(EnumAll(active), std::vector<std::u16string>{u"01"});
    Open(u"Drivers\\Active\\01\\");
}

TEST_F(RegistryApiTest, NamesMatchWithoutCaseAndKeepTheirSpelling) {
    HKEY parms = Create(u"Comm\\KESTREL1\\Parms");
    ASSERT_EQ(SetText(parms, u"Ssid", u"home"), ERROR_SUCCESS);
    HKEY same = Open(u"COMM\\kestrel1\\pArMs");
    EXPECT_EQ(QueryText(same, u"SSID"), u"home");
    ASSERT_EQ(SetText(same, u"sSID", u"work"), ERROR_SUCCESS);
    EXPECT_EQ(QueryText(parms, u"Ssid"), u"work");
    EXPECT_EQ(EnumAll(Open(u"comm")), std::vector<std::u16string>{u"KESTREL1"});
}

TEST_F(RegistryApiTest, QueryGivesTypeAndSizeAndNeverWritesPastTheBuffer) {
    HKEY key = Create(u"Comm");
    ASSERT_EQ(SetText(key, u"Rts", u"2347"), ERROR_SUCCESS);
    DWORD type = 0, size = 0;
    ASSERT_EQ(RegQueryValueEx(key, u"Rts", nullptr, &type, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, REG_SZ);
    EXPECT_EQ(size, 10u);

    BYTE buffer[16];
    std::fill(std::begin(buffer), std::end(buffer), 0xAB);
    size = 9;
    EXPECT_EQ(RegQueryValueEx(key, u"Rts", nullptr, nullptr, buffer, &size),
              static_cast<LONG>(ERROR_MORE_DATA));
    EXPECT_EQ(size, 10u);
    for (BYTE b : buffer) EXPECT_EQ(b, 0xAB);

    size = 10;
    EXPECT_EQ(RegQueryValueEx(key, u"Rts", nullptr, nullptr, buffer, &size), ERROR_SUCCESS);
    EXPECT_EQ(std::u16string(reinterpret_cast<char16_t*>(buffer)), u"2347");
    EXPECT_EQ(buffer[10], 0xAB);

    EXPECT_EQ(RegQueryValueEx(key, u"Absent", nullptr, nullptr, buffer, &size),
              static_cast<LONG>(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(RegQueryValueEx(key, u"Rts", nullptr, nullptr, buffer, nullptr),
              static_cast<LONG>(ERROR_INVALID_PARAMETER));
}

TEST_F(RegistryApiTest, DwordAndDefaultValuesKeepTypeAndBytes) {
    HKEY key = Create(u"Comm");
    DWORD number = 12;
    ASSERT_EQ(RegSetValueEx(key, u"DebugModule", 0, REG_DWORD, reinterpret_cast<BYTE*>(&number), 4),
              ERROR_SUCCESS);
    ASSERT_EQ(SetText(key, nullptr, u"default"), ERROR_SUCCESS);
    DWORD type = 0, out = 0, size = 4;
    ASSERT_EQ(
        RegQueryValueEx(key, u"debugmodule", nullptr, &type, reinterpret_cast<BYTE*>(&out), &size),
        ERROR_SUCCESS);
    EXPECT_EQ(type, REG_DWORD);
    EXPECT_EQ(out, 12u);
    EXPECT_EQ(QueryText(key, u""), u"default");
    EXPECT_EQ(RegistryStore::Instance().GetDword("COMM", "DebugModule"), 12u);
}

TEST_F(RegistryApiTest, RightsOfTheHandleAreEnforced) {
    Create(u"Comm\\Sub");
    HKEY reader = Open(u"Comm", KEY_READ);
    HKEY writer = Open(u"Comm", KEY_WRITE);
    HKEY queryOnly = Open(u"Comm", KEY_QUERY_VALUE);
    EXPECT_EQ(SetText(reader, u"Ssid", u"x"), static_cast<LONG>(ERROR_ACCESS_DENIED));
    EXPECT_EQ(RegDeleteValue(reader, u"Ssid"), static_cast<LONG>(ERROR_ACCESS_DENIED));
    EXPECT_EQ(RegDeleteKey(reader, u"Sub"), static_cast<LONG>(ERROR_ACCESS_DENIED));
    HKEY created = 0;
    EXPECT_EQ(RegCreateKeyEx(reader, u"New", 0, nullptr, 0, KEY_READ, nullptr, &created, nullptr),
              static_cast<LONG>(ERROR_ACCESS_DENIED));
    EXPECT_FALSE(RegistryStore::Instance().KeyExists("Comm\\New"));
    ASSERT_EQ(SetText(writer, u"Ssid", u"x"), ERROR_SUCCESS);
    DWORD size = 0;
    EXPECT_EQ(RegQueryValueEx(writer, u"Ssid", nullptr, nullptr, nullptr, &size),
              static_cast<LONG>(ERROR_ACCESS_DENIED));
    WCHAR name[8];
    DWORD chars = 8;
    EXPECT_EQ(RegEnumKeyEx(queryOnly, 0, name, &chars, nullptr, nullptr, nullptr, nullptr),
              static_cast<LONG>(ERROR_ACCESS_DENIED));
    EXPECT_EQ(QueryText(reader, u"Ssid"), u"x");
}

TEST_F(RegistryApiTest, EnumerationIsSortedAndIncludesKeysWithoutValues) {
    HKEY active = Create(u"Drivers\\Active");
    Create(u"Drivers\\Active\\b2");
    Create(u"Drivers\\Active\\A1");
    HKEY c3 = Create(u"Drivers\\Active\\C3");
    ASSERT_EQ(SetText(c3, u"Name", u"RAD4:"), ERROR_SUCCESS);
    EXPECT_EQ(EnumAll(active), (std::vector<std::u16string>{u"A1", u"b2", u"C3"}));
    EXPECT_TRUE(EnumAll(c3).empty());
}

TEST_F(RegistryApiTest, EnumerationNeedsRoomForTheNul) {
    HKEY parent = Create(u"P");
    Create(u"Name5", nullptr, parent);
    WCHAR name[8];
    std::fill(std::begin(name), std::end(name), u'#');
    DWORD chars = 5;
    EXPECT_EQ(RegEnumKeyEx(parent, 0, name, &chars, nullptr, nullptr, nullptr, nullptr),
              static_cast<LONG>(ERROR_MORE_DATA));
    EXPECT_EQ(name[0], u'#');
    chars = 6;
    ASSERT_EQ(RegEnumKeyEx(parent, 0, name, &chars, nullptr, nullptr, nullptr, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(chars, 5u);
    EXPECT_EQ(std::u16string(name), u"Name5");
    EXPECT_EQ(name[6], u'#');
    EXPECT_EQ(RegEnumKeyEx(parent, 1, name, &chars, nullptr, nullptr, nullptr, nullptr),
              static_cast<LONG>(ERROR_NO_MORE_ITEMS));
}

TEST_F(RegistryApiTest, DeletesValuesAndWholeSubtrees) {
    HKEY comm = Create(u"Comm");
    HKEY parms = Create(u"Comm\\KESTREL1\\Parms");
    ASSERT_EQ(SetText(parms, u"Ssid", u"home"), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteValue(parms, u"SSID"), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteValue(parms, u"Ssid"), static_cast<LONG>(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(RegDeleteKey(comm, u""), static_cast<LONG>(ERROR_INVALID_PARAMETER));
    EXPECT_EQ(RegDeleteKey(comm, u"Missing"), static_cast<LONG>(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(RegDeleteKey(comm, u"kestrel1"), ERROR_SUCCESS);
    EXPECT_FALSE(RegistryStore::Instance().KeyExists("Comm\\KESTREL1\\Parms"));
    EXPECT_TRUE(EnumAll(comm).empty());
    // A handle to a deleted key fails cleanly.
    EXPECT_EQ(SetText(parms, u"Ssid", u"x"), static_cast<LONG>(ERROR_KEY_DELETED));
}

TEST_F(RegistryApiTest, CloseAcceptsOnlyRegistryHandles) {
    HKEY key = 0;
    Create(u"Comm");
    ASSERT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, u"Comm", 0, KEY_READ, &key), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(key), static_cast<LONG>(ERROR_INVALID_HANDLE));
    EXPECT_EQ(RegCloseKey(HKEY_LOCAL_MACHINE), ERROR_SUCCESS);
    HANDLE event = CreateEvent(nullptr, TRUE, FALSE, nullptr);
    EXPECT_EQ(RegCloseKey(event), static_cast<LONG>(ERROR_INVALID_HANDLE));
    EXPECT_EQ(SetEvent(event), TRUE);
    CloseHandle(event);
}

TEST_F(RegistryApiTest, RefusedWritesChangeNothing) {
    HKEY key = Create(u"Comm");
    ASSERT_EQ(SetText(key, u"Ssid", u"home"), ERROR_SUCCESS);
    RegistryStore::Instance().SetWriteFailure(ERROR_ACCESS_DENIED);
    EXPECT_EQ(SetText(key, u"Ssid", u"work"), static_cast<LONG>(ERROR_ACCESS_DENIED));
    EXPECT_EQ(RegDeleteValue(key, u"Ssid"), static_cast<LONG>(ERROR_ACCESS_DENIED));
    EXPECT_EQ(RegDeleteKey(HKEY_LOCAL_MACHINE, u"Comm"), static_cast<LONG>(ERROR_ACCESS_DENIED));
    HKEY created = 0;
    EXPECT_EQ(
        RegCreateKeyEx(key, u"New", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &created, nullptr),
        static_cast<LONG>(ERROR_ACCESS_DENIED));
    EXPECT_EQ(RegistryStore::Instance().SetString("Comm", "Ssid", "x"),
              static_cast<LONG>(ERROR_ACCESS_DENIED));
    Open(u"Comm", KEY_WRITE);  // opening for writing still works; the write itself fails
    EXPECT_EQ(QueryText(key, u"Ssid"), u"home");
    RegistryStore::Instance().SetWriteFailure(0);
    EXPECT_EQ(SetText(key, u"Ssid", u"work"), ERROR_SUCCESS);
}

TEST_F(RegistryApiTest, ReaderThreadSeesWholeValuesWhileTheUiThreadWrites) {
    HKEY key = Create(u"Comm");
    ASSERT_EQ(SetText(key, u"Ssid", u"aaaa"), ERROR_SUCCESS);
    std::thread reader([] {
        for (int i = 0; i < 2000; ++i) {
            auto text = RegistryStore::Instance().GetString("Comm", "Ssid");
            ASSERT_TRUE(text == "aaaa" || text == "bbbbbbbb") << *text;
        }
    });
    for (int i = 0; i < 2000; ++i) {
        ASSERT_EQ(SetText(key, u"Ssid", i % 2 ? u"aaaa" : u"bbbbbbbb"), ERROR_SUCCESS);
    }
    reader.join();
}

}  // namespace
