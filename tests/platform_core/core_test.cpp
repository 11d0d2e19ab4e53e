#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cstdint>
#include <thread>
#include <vector>

#include "platform/core/caller_pointer.h"
#include "platform/core/clock.h"
#include "platform/core/event.h"
#include "platform/core/handle_table.h"
#include "platform/core/ip_helper.h"
#include "platform/core/last_error.h"
#include "platform/core/process.h"
#include "platform/core/serial_table.h"
#include "platform/core/shell.h"
#include "platform/core/text.h"
#include "platform/core/window_message.h"

TEST(Handles, AreThirtyTwoBitAndNeverInvalid) {
    HANDLE a = CreateEvent(nullptr, TRUE, FALSE, nullptr);
    HANDLE b = CreateEvent(nullptr, TRUE, FALSE, nullptr);
    EXPECT_NE(a, 0u);
    EXPECT_NE(a, INVALID_HANDLE_VALUE);
    EXPECT_NE(a, b);
    EXPECT_TRUE(CloseHandle(a));
    EXPECT_FALSE(CloseHandle(a));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
    CloseHandle(b);
}

// The id is kept after the first call; a forked child must not report its parent's.
TEST(Process, IdIsThisProcessAlsoInAForkedChild) {
    ASSERT_EQ(GetCurrentProcessId(), static_cast<DWORD>(getpid()));
    pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) _exit(GetCurrentProcessId() == static_cast<DWORD>(getpid()) ? 0 : 1);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(GetCurrentProcessId(), static_cast<DWORD>(getpid()));
}

TEST(LastError, IsKeptPerThread) {
    SetLastError(5);
    std::thread([] {
        EXPECT_EQ(GetLastError(), 0u);
        SetLastError(87);
    }).join();
    EXPECT_EQ(GetLastError(), 5u);
}

TEST(Events, NamedEventIsSharedAndSignalledFromAnotherThread) {
    HANDLE mine = CreateEvent(nullptr, TRUE, FALSE, u"TestEvt-1");
    ASSERT_NE(mine, 0u);
    EXPECT_EQ(WaitForSingleObject(mine, 0), WAIT_TIMEOUT);
    std::thread worker([] {
        HANDLE theirs = OpenEvent(EVENT_ALL_ACCESS, FALSE, u"TestEvt-1");
        SetEvent(theirs);
        CloseHandle(theirs);
    });
    EXPECT_EQ(WaitForSingleObject(mine, INFINITE), WAIT_OBJECT_0);
    worker.join();
    // Manual reset: stays signalled until reset.
    EXPECT_EQ(WaitForSingleObject(mine, 0), WAIT_OBJECT_0);
    ResetEvent(mine);
    EXPECT_EQ(WaitForSingleObject(mine, 0), WAIT_TIMEOUT);
    HANDLE again = CreateEvent(nullptr, TRUE, FALSE, u"TestEvt-1");
    EXPECT_EQ(GetLastError(), ERROR_ALREADY_EXISTS);
    CloseHandle(again);
    CloseHandle(mine);
    // Gone with its last handle.
    EXPECT_EQ(OpenEvent(EVENT_ALL_ACCESS, FALSE, u"TestEvt-1"), 0u);
    EXPECT_EQ(WaitForSingleObject(mine, 0), WAIT_FAILED);
}

// A signal from another thread, caught while the waiter watches or after it sleeps: an
// auto-reset event lets one wait through and is clear again.
TEST(Events, AutoResetEventLetsOneWaitThrough) {
    HANDLE event = CreateEvent(nullptr, FALSE, FALSE, nullptr);
    for (int round = 0; round < 3; ++round) {
        std::thread worker([event] { SetEvent(event); });
        EXPECT_EQ(WaitForSingleObject(event, INFINITE), WAIT_OBJECT_0);
        worker.join();
        EXPECT_EQ(WaitForSingleObject(event, 0), WAIT_TIMEOUT);
    }
    CloseHandle(event);
}

TEST(CallerPointers, MapOnlyWithinTheRegisteredSize) {
    char buffer[16];
    DWORD token = RegisterCallerBuffer(buffer, sizeof(buffer));
    EXPECT_NE(token, 0u);
    EXPECT_EQ(MapCallerPtr(token, 16), buffer);
    EXPECT_EQ(MapCallerPtr(token, 17), nullptr);
    EXPECT_EQ(CallerBufferSize(token), 16u);
    UnregisterCallerBuffer(token);
    EXPECT_EQ(MapCallerPtr(token, 1), nullptr);
    EXPECT_EQ(RegisterCallerBuffer(nullptr, 4), 0u);
}

TEST(Clock, VirtualClockRunsDueCallbacksInOrder) {
    VirtualClock clock(1000);
    SetPlatformClock(&clock);
    std::vector<int> order;
    auto& scheduler = ClockScheduler::Instance();
    scheduler.Schedule(1500, [&] { order.push_back(2); });
    auto cancelled = scheduler.Schedule(1200, [&] { order.push_back(9); });
    scheduler.Schedule(1100, [&] {
        order.push_back(1);
        scheduler.Schedule(1100, [&] { order.push_back(3); });
    });
    scheduler.Cancel(cancelled);
    EXPECT_EQ(scheduler.NextDue(), 1100u);
    clock.Advance(100);
    scheduler.RunDue();
    EXPECT_EQ(order, (std::vector<int>{1, 3}));
    clock.Set(2000);
    scheduler.RunDue();
    EXPECT_EQ(order, (std::vector<int>{1, 3, 2}));
    EXPECT_FALSE(scheduler.NextDue().has_value());
    SetPlatformClock(nullptr);
}

TEST(Text, ConversionsRoundTripAndFormat) {
    EXPECT_EQ(WideToUtf8(Utf8ToWide("Caf\xC3\xA9 \xF0\x9F\x93\xB6")),
              "Caf\xC3\xA9 \xF0\x9F\x93\xB6");
    EXPECT_EQ(Utf8ToWide("\xC3\xA9").size(), 1u);
    EXPECT_EQ(AnsiToUtf8("\xE9"), "\xC3\xA9");
    EXPECT_EQ(Utf8ToAnsi("\xC3\xA9\xE2\x82\xAC"), "\xE9?");
    EXPECT_EQ(WideToUtf8(Utf8ToWide("\xFF")), "\xEF\xBF\xBD");
    EXPECT_EQ(StrFormat("%02X-%s", 10, "x"), "0A-x");
    const std::pair<char32_t, int> digits[] = {{U'0', 0},  {U'9', 9},  {U'a', 10},
                                               {U'F', 15}, {U'g', -1}, {U'/', -1},
                                               {U':', -1}, {U'@', -1}, {U'`', -1}};
    for (auto [c, value] : digits) EXPECT_EQ(HexDigit(c), value) << static_cast<char>(c);
}

TEST(Text, HexTextWritesTwoDigitsPerByteBetweenSeparators) {
    const unsigned char bytes[] = {0x00, 0x1B, 0xAF, 0xF0, 0x09};
    EXPECT_EQ(HexText(bytes, 5, HexCase::Upper, '-'), "00-1B-AF-F0-09");
    EXPECT_EQ(HexText(bytes, 5, HexCase::Lower), "001baff009");
    EXPECT_EQ(HexText(bytes, 1, HexCase::Lower, ':'), "00");
    EXPECT_EQ(HexText(bytes, 0, HexCase::Upper, '-'), "");
}

// A window's procedure gets its messages until it is unregistered, even from inside one of
// its own messages; after that, messages to it are dropped.
TEST(WindowMessages, DeliverUntilUnregisteredEvenFromWithin) {
    std::vector<UINT> seen;
    HWND self = 0;
    const HWND other = RegisterWindowProc([](UINT, WPARAM, LPARAM) { return LRESULT{7}; });
    self = RegisterWindowProc([&](UINT message, WPARAM wParam, LPARAM) {
        seen.push_back(message);
        if (wParam == 1) UnregisterWindowProc(self);
        // Still callable after its own unregistration: the captures are alive.
        return static_cast<LRESULT>(seen.size()) + ::SendMessage(other, 0, 0, 0);
    });
    EXPECT_NE(self, other);
    EXPECT_TRUE(IsWindow(self));
    EXPECT_EQ(::SendMessage(self, 10, 0, 0), 8);
    EXPECT_EQ(::SendMessage(self, 11, 1, 0), 9);
    EXPECT_FALSE(IsWindow(self));
    EXPECT_EQ(::SendMessage(self, 12, 0, 0), 0);
    EXPECT_EQ(seen, (std::vector<UINT>{10, 11}));
    UnregisterWindowProc(other);
    UnregisterWindowProc(other);
    EXPECT_FALSE(IsWindow(other));
    EXPECT_EQ(::SendMessage(0, 1, 0, 0), 0);
}

// Windows registered, sent to and unregistered from several threads at once (the table
// growing and shrinking meanwhile) each get their own messages, and only while registered.
TEST(WindowMessages, TableIsSharedSafelyBetweenThreads) {
    constexpr int kThreads = 4;
    constexpr int kRounds = 100;
    constexpr int kWindows = 200;
    std::atomic<int> delivered{0};
    std::atomic<int> wrong{0};
    auto run = [&] {
        for (int round = 0; round < kRounds; ++round) {
            std::vector<HWND> windows;
            for (int i = 0; i < kWindows; ++i) {
                windows.push_back(RegisterWindowProc([&delivered](UINT message, WPARAM, LPARAM) {
                    delivered += static_cast<int>(message);
                    return LRESULT{1};
                }));
            }
            for (HWND window : windows) {
                if (::SendMessage(window, 1, 0, 0) != 1) ++wrong;
            }
            for (HWND window : windows) UnregisterWindowProc(window);
            for (HWND window : windows) {
                if (IsWindow(window)) ++wrong;
            }
        }
    };
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) threads.emplace_back(run);
    for (std::thread& thread : threads) thread.join();
    EXPECT_EQ(delivered, kThreads * kRounds * kWindows);
    EXPECT_EQ(wrong, 0);
}

// Well-formed UTF-8 is exactly what survives the trip through UTF-16 unchanged: every one- and
// two-byte string, and the three- and four-byte edges (surrogates, overlong forms, U+10FFFF+1).
TEST(Text, Utf8CheckAgreesWithTheRoundTrip) {
    auto survives = [](const std::string& s) { return WideToUtf8(Utf8ToWide(s)) == s; };
    for (int a = 0; a < 256; ++a) {
        for (int b = -1; b < 256; ++b) {
            std::string s(1, static_cast<char>(a));
            if (b >= 0) s += static_cast<char>(b);
            ASSERT_EQ(IsValidUtf8(s), survives(s)) << a << ' ' << b;
        }
    }
    for (const char* s : {"\xE2\x82\xAC", "\xEF\xBF\xBD", "\xED\xA0\x80", "\xE0\x80\xAF",
                          "\xF0\x9F\x93\xB6", "\xF4\x8F\xBF\xBF", "\xF4\x90\x80\x80",
                          "\xF0\x80\x80\x80", "\xE2\x82", "\xED\xA0\x80\xED\xB0\x80"}) {
        EXPECT_EQ(IsValidUtf8(s), survives(s)) << s;
    }
    EXPECT_TRUE(IsValidUtf8("Caf\xC3\xA9"));
    EXPECT_FALSE(IsValidUtf8("caf\xE9"));
}

TEST(IpHelper, ReportsSizeThenFillsTheList) {
    ClearAdapterAddresses();
    ULONG size = 0;
    EXPECT_EQ(GetAdaptersInfo(nullptr, &size), ERROR_NO_DATA);
    SetAdapterAddress("WLAN1", "192.0.2.10", "255.255.255.0");
    SetAdapterAddress("ETH1", "192.0.2.20", "255.255.255.0");
    EXPECT_EQ(GetAdaptersInfo(nullptr, &size), ERROR_BUFFER_OVERFLOW);
    EXPECT_EQ(size, 2 * sizeof(IP_ADAPTER_INFO));
    std::vector<IP_ADAPTER_INFO> list(2);
    ULONG small = sizeof(IP_ADAPTER_INFO);
    EXPECT_EQ(GetAdaptersInfo(list.data(), &small), ERROR_BUFFER_OVERFLOW);
    ASSERT_EQ(GetAdaptersInfo(list.data(), &size), ERROR_SUCCESS);
    EXPECT_STREQ(list[0].AdapterName, "WLAN1");
    EXPECT_EQ(list[0].Next, &list[1]);
    EXPECT_STREQ(list[1].IpAddressList.IpAddress.String, "192.0.2.20");
    EXPECT_EQ(list[1].Next, nullptr);
    ClearAdapterAddresses();
}

TEST(Shell, RecordsRequestsAndRunsNothing) {
    ClearShellRequests();
    bool opened = false;
    SetShellOpener([&](const std::string&) { return opened = true; });
    SHELLEXECUTEINFO info{};
    info.cbSize = SHELLEXECUTEINFO_SIZE;
    info.lpVerb = "Open";
    info.lpFile = "\\My Documents\\x.lnk";
    EXPECT_FALSE(ShellExecuteEx(&info));
    EXPECT_FALSE(opened);
    info.cbSize = 4;
    EXPECT_FALSE(ShellExecuteEx(&info));
    ASSERT_EQ(ShellRequests().size(), 1u);
    EXPECT_EQ(ShellRequests()[0].verb, "Open");
    EXPECT_EQ(ShellRequests()[0].file, "\\My Documents\\x.lnk");
    SetShellOpener(nullptr);
}

TEST(SerialTable, GivesKeysInOrderForgetsErasedOnesAndWrapsSkippingLiveOnes) {
    SerialTable<int, 4> table(0x10, 0x1000);
    std::vector<DWORD> keys;
    for (int i = 0; i < 200; ++i) keys.push_back(table.Insert(i));  // grows past 64 slots
    EXPECT_EQ(keys.front(), 0x10u);
    EXPECT_EQ(keys[1], 0x14u);
    for (int i = 0; i < 200; ++i) ASSERT_EQ(*table.Find(keys[i]), i);
    int removed = -1;
    EXPECT_TRUE(table.Erase(keys[7], &removed));
    EXPECT_EQ(removed, 7);
    EXPECT_EQ(table.Find(keys[7]), nullptr);
    EXPECT_FALSE(table.Erase(keys[7], &removed));
    EXPECT_EQ(table.Find(0), nullptr);
    EXPECT_EQ(table.Size(), 199u);

    SerialTable<int, 4> small(0x10, 0x20);  // keys 0x10, 0x14, 0x18, 0x1C
    DWORD first = small.Insert(1);
    DWORD second = small.Insert(2);
    small.Erase(second, &removed);
    small.Insert(3);
    small.Insert(4);
    EXPECT_EQ(small.Insert(5), second);  // 0x10 is still live and is skipped
    EXPECT_EQ(small.TakeAll(), (std::vector<int>{1, 5, 3, 4}));
    EXPECT_EQ(small.Size(), 0u);
    EXPECT_EQ(small.Find(first), nullptr);
}
