// Semantics of the Reg* calls: keys, values, rights, error codes and buffer sizes.
#include "platform/registry/registry_api.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "platform/core/event.h"
#include "platform/core/handle_table.h"
#include "platform/registry/registry_store.h"

namespace {

// The codes as the calls return them.
constexpr LONG kOk = ERROR_SUCCESS, kNotFound = ERROR_FILE_NOT_FOUND, kDenied = ERROR_ACCESS_DENIED,
               kBadParameter = ERROR_INVALID_PARAMETER, kBadHandle = ERROR_INVALID_HANDLE,
               kMoreData = ERROR_MORE_DATA, kNoMore = ERROR_NO_MORE_ITEMS;

LONG OpenKey(HKEY parent, LPCWSTR path, DWORD access, HKEY* key) {
    return RegOpenKeyEx(parent, path, 0, access, key);
}
LONG CreateKey(HKEY parent, LPCWSTR path, HKEY* key, DWORD* disposition = nullptr) {
    return RegCreateKeyEx(parent, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, key, disposition);
}
LONG SetText(HKEY key, LPCWSTR name, const std::u16string& text) {
    return RegSetValueEx(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                         static_cast<DWORD>((text.size() + 1) * 2));
}
std::u16string QueryText(HKEY key, LPCWSTR name) {
    char16_t buffer[130] = {};
    DWORD size = sizeof(buffer) - 2;
    LONG status =
        RegQueryValueEx(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &size);
    return status == kOk ? std::u16string(buffer) : u"<error>";
}
LONG EnumKey(HKEY key, DWORD index, WCHAR* name, DWORD* chars) {
    return RegEnumKeyEx(key, index, name, chars, nullptr, nullptr, nullptr, nullptr);
}
std::vector<std::u16string> EnumAll(HKEY key) {
    std::vector<std::u16string> names;
    for (DWORD i = 0;; ++i) {
        WCHAR name[260];
        DWORD chars = 260;
        LONG status = EnumKey(key, i, name, &chars);
        if (status != kOk) {
            EXPECT_EQ(status, kNoMore);
            return names;
        }
        names.emplace_back(name, chars);
    }
}

// Every handle a test opens is closed after it, and none is left over.
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
        EXPECT_EQ(OpenKey(HKEY_LOCAL_MACHINE, path, access, &key), kOk);
        return open_.emplace_back(key);
    }
    HKEY Create(LPCWSTR path, DWORD* disposition = nullptr, HKEY parent = HKEY_LOCAL_MACHINE) {
        HKEY key = 0;
        EXPECT_EQ(CreateKey(parent, path, &key, disposition), kOk);
        return open_.emplace_back(key);
    }

    std::vector<HKEY> open_;
    std::size_t handlesBefore_ = 0;
};

TEST_F(RegistryApiTest, OpenAndCreateReportMissingKeysBadArgumentsAndLimits) {
    HKEY key = 0;
    EXPECT_EQ(OpenKey(HKEY_LOCAL_MACHINE, u"Comm\\KESTREL1", KEY_READ, &key), kNotFound);
    EXPECT_EQ(OpenKey(0x1234, u"Comm", KEY_READ, &key), kBadHandle);
    EXPECT_EQ(OpenKey(HKEY_LOCAL_MACHINE, u"Comm", KEY_READ, nullptr), kBadParameter);
    Create(u"Comm");
    EXPECT_EQ(OpenKey(HKEY_LOCAL_MACHINE, u"Comm\\\\X", KEY_READ, &key), kBadParameter);

    std::u16string deepest = u"k";
    for (int level = 1; level < 512; ++level) deepest += u"\\k";
    HKEY parent = Create(deepest.c_str());
    // From the root and below an open key alike, the 513th level is one too many.
    EXPECT_EQ(CreateKey(HKEY_LOCAL_MACHINE, (deepest + u"\\k").c_str(), &key), kBadParameter);
    EXPECT_EQ(CreateKey(parent, u"k", &key), kBadParameter);
    Create(std::u16string(255, u'n').c_str());
    EXPECT_EQ(CreateKey(HKEY_LOCAL_MACHINE, std::u16string(256, u'n').c_str(), &key),
              kBadParameter);
}

TEST_F(RegistryApiTest, CreateMakesIntermediateKeysAndNamesMatchWithoutCaseKeepingTheirSpelling) {
    DWORD disposition = 0;
    HKEY parms = Create(u"Comm\\KESTREL1\\Parms", &disposition);
    EXPECT_EQ(disposition, REG_CREATED_NEW_KEY);
    Create(u"comm\\kestrel1\\PARMS", &disposition);
    EXPECT_EQ(disposition, REG_OPENED_EXISTING_KEY);
    Create(u"Other", &disposition, Open(u"Comm"));
    EXPECT_EQ(disposition, REG_CREATED_NEW_KEY);
    EXPECT_TRUE(RegistryStore::Instance().KeyExists("Comm\\Other"));
    // A trailing backslash names the key itself.
    EXPECT_EQ(EnumAll(Open(u"comm\\")), (std::vector<std::u16string>{u"KESTREL1", u"Other"}));
    Open(u"Comm\\Other\\");
    ASSERT_EQ(SetText(parms, u"Ssid", u"home"), kOk);
    HKEY same = Open(u"COMM\\kestrel1\\pArMs");
    EXPECT_EQ(QueryText(same, u"SSID"), u"home");
    ASSERT_EQ(SetText(same, u"sSID", u"work"), kOk);
    EXPECT_EQ(QueryText(parms, u"Ssid"), u"work");
}

TEST_F(RegistryApiTest, QueryGivesTypeAndSizeNeverWritesPastTheBufferAndKeepsDwords) {
    HKEY key = Create(u"Comm");
    ASSERT_EQ(SetText(key, u"Rts", u"2347"), kOk);
    DWORD type = 0, size = 0;
    ASSERT_EQ(RegQueryValueEx(key, u"Rts", nullptr, &type, nullptr, &size), kOk);
    EXPECT_EQ(type, REG_SZ);
    EXPECT_EQ(size, 10u);

    BYTE buffer[16];
    std::fill(std::begin(buffer), std::end(buffer), 0xAB);
    size = 9;
    EXPECT_EQ(RegQueryValueEx(key, u"Rts", nullptr, nullptr, buffer, &size), kMoreData);
    EXPECT_EQ(size, 10u);
    for (BYTE b : buffer) EXPECT_EQ(b, 0xAB);
    size = 10;
    EXPECT_EQ(RegQueryValueEx(key, u"Rts", nullptr, nullptr, buffer, &size), kOk);
    EXPECT_EQ(std::u16string(reinterpret_cast<char16_t*>(buffer)), u"2347");
    EXPECT_EQ(buffer[10], 0xAB);

    EXPECT_EQ(RegQueryValueEx(key, u"Absent", nullptr, nullptr, buffer, &size), kNotFound);
    EXPECT_EQ(RegQueryValueEx(key, u"Rts", nullptr, nullptr, buffer, nullptr), kBadParameter);

    DWORD number = 12, out = 0;
    ASSERT_EQ(RegSetValueEx(key, u"DebugModule", 0, REG_DWORD, reinterpret_cast<BYTE*>(&number), 4),
              kOk);
    ASSERT_EQ(SetText(key, nullptr, u"default"), kOk);
    size = 4;
    ASSERT_EQ(
        RegQueryValueEx(key, u"debugmodule", nullptr, &type, reinterpret_cast<BYTE*>(&out), &size),
        kOk);
    EXPECT_EQ(std::tuple(type, out), std::tuple(DWORD{REG_DWORD}, 12u));
    EXPECT_EQ(QueryText(key, u""), u"default");
}

TEST_F(RegistryApiTest, RightsOfTheHandleAreEnforced) {
    Create(u"Comm\\Sub");
    HKEY reader = Open(u"Comm", KEY_READ);
    HKEY writer = Open(u"Comm", KEY_WRITE);
    HKEY queryOnly = Open(u"Comm", KEY_QUERY_VALUE);
    EXPECT_EQ(SetText(reader, u"Ssid", u"x"), kDenied);
    EXPECT_EQ(RegDeleteValue(reader, u"Ssid"), kDenied);
    EXPECT_EQ(RegDeleteKey(reader, u"Sub"), kDenied);
    HKEY created = 0;
    EXPECT_EQ(CreateKey(reader, u"New", &created), kDenied);
    EXPECT_FALSE(RegistryStore::Instance().KeyExists("Comm\\New"));
    ASSERT_EQ(SetText(writer, u"Ssid", u"x"), kOk);
    DWORD size = 0;
    EXPECT_EQ(RegQueryValueEx(writer, u"Ssid", nullptr, nullptr, nullptr, &size), kDenied);
    WCHAR name[8];
    DWORD chars = 8;
    EXPECT_EQ(EnumKey(queryOnly, 0, name, &chars), kDenied);
    EXPECT_EQ(QueryText(reader, u"Ssid"), u"x");
}

TEST_F(RegistryApiTest, EnumerationIsSortedAndNeedsRoomForTheNul) {
    HKEY active = Create(u"Drivers\\Active");
    Create(u"Drivers\\Active\\b2");
    Create(u"Drivers\\Active\\A1");
    HKEY c3 = Create(u"Drivers\\Active\\C3");
    ASSERT_EQ(SetText(c3, u"Name", u"RAD4:"), kOk);
    EXPECT_EQ(EnumAll(active), (std::vector<std::u16string>{u"A1", u"b2", u"C3"}));
    EXPECT_TRUE(EnumAll(c3).empty());

    WCHAR name[8];
    std::fill(std::begin(name), std::end(name), u'#');
    DWORD chars = 2;
    EXPECT_EQ(EnumKey(active, 0, name, &chars), kMoreData);
    EXPECT_EQ(name[0], u'#');
    chars = 3;
    ASSERT_EQ(EnumKey(active, 1, name, &chars), kOk);
    EXPECT_EQ(chars, 2u);
    EXPECT_EQ(std::u16string(name), u"b2");
    EXPECT_EQ(name[3], u'#');
    EXPECT_EQ(EnumKey(active, 3, name, &chars), kNoMore);
}

TEST_F(RegistryApiTest, DeletesValuesAndWholeSubtrees) {
    HKEY comm = Create(u"Comm");
    HKEY parms = Create(u"Comm\\KESTREL1\\Parms");
    ASSERT_EQ(SetText(parms, u"Ssid", u"home"), kOk);
    EXPECT_EQ(RegDeleteValue(parms, u"SSID"), kOk);
    EXPECT_EQ(RegDeleteValue(parms, u"Ssid"), kNotFound);
    EXPECT_EQ(RegDeleteKey(comm, u""), kBadParameter);
    EXPECT_EQ(RegDeleteKey(comm, u"Missing"), kNotFound);
    EXPECT_EQ(RegDeleteKey(comm, u"kestrel1"), kOk);
    EXPECT_FALSE(RegistryStore::Instance().KeyExists("Comm\\KESTREL1\\Parms"));
    EXPECT_TRUE(EnumAll(comm).empty());
    // A handle to a deleted key fails cleanly.
    EXPECT_EQ(SetText(parms, u"Ssid", u"x"), static_cast<LONG>(ERROR_KEY_DELETED));
}

TEST_F(RegistryApiTest, CloseAcceptsOnlyRegistryHandles) {
    HKEY key = 0;
    Create(u"Comm");
    ASSERT_EQ(OpenKey(HKEY_LOCAL_MACHINE, u"Comm", KEY_READ, &key), kOk);
    EXPECT_EQ(RegCloseKey(key), kOk);
    EXPECT_EQ(RegCloseKey(key), kBadHandle);
    EXPECT_EQ(RegCloseKey(HKEY_LOCAL_MACHINE), kOk);
    HANDLE event = CreateEvent(nullptr, TRUE, FALSE, nullptr);
    EXPECT_EQ(RegCloseKey(event), kBadHandle);
    EXPECT_EQ(SetEvent(event), TRUE);
    CloseHandle(event);
}

TEST_F(RegistryApiTest, RefusedWritesChangeNothing) {
    HKEY key = Create(u"Comm");
    ASSERT_EQ(SetText(key, u"Ssid", u"home"), kOk);
    RegistryStore::Instance().SetWriteFailure(ERROR_ACCESS_DENIED);
    EXPECT_EQ(SetText(key, u"Ssid", u"work"), kDenied);
    EXPECT_EQ(RegDeleteValue(key, u"Ssid"), kDenied);
    EXPECT_EQ(RegDeleteKey(HKEY_LOCAL_MACHINE, u"Comm"), kDenied);
    HKEY created = 0;
    EXPECT_EQ(CreateKey(key, u"New", &created), kDenied);
    EXPECT_EQ(RegistryStore::Instance().SetString("Comm", "Ssid", "x"), kDenied);
    Open(u"Comm", KEY_WRITE);  // opening for writing still works; the write itself fails
    EXPECT_EQ(QueryText(key, u"Ssid"), u"home");
    RegistryStore::Instance().SetWriteFailure(0);
    EXPECT_EQ(SetText(key, u"Ssid", u"work"), kOk);
}

TEST_F(RegistryApiTest, ReaderThreadSeesWholeValuesWhileTheUiThreadWrites) {
    HKEY key = Create(u"Comm");
    ASSERT_EQ(SetText(key, u"Ssid", u"aaaa"), kOk);
    std::thread reader([] {
        for (int i = 0; i < 2000; ++i) {
            auto text = RegistryStore::Instance().GetString("Comm", "Ssid");
            ASSERT_TRUE(text == "aaaa" || text == "bbbbbbbb") << *text;
        }
    });
    for (int i = 0; i < 2000; ++i) {
        ASSERT_EQ(SetText(key, u"Ssid", i % 2 ? u"aaaa" : u"bbbbbbbb"), kOk);
    }
    reader.join();
}

}  // namespace
