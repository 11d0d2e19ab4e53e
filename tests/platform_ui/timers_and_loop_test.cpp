// Window timers on the virtual clock, the message loop and modal dialogs' nested loops.
#include <vector>

#include "platform/ui/dialog.h"
#include "platform/ui/message_loop.h"
#include "platform/ui/ui_input.h"
#include "ui_fixture.h"

namespace {

struct Tick {
    UINT_PTR id;
    DWORD at;
};

// A plain window that records its timer ticks.
class TickWindow : public Window {
  public:
    std::vector<Tick> ticks;
    std::function<void(UINT_PTR)> onTick;

  protected:
    void OnTimer(UINT_PTR id) override {
        ticks.push_back({id, GetTickCount()});
        if (onTick) onTick(id);
    }
};

class TimerTest : public UiTest {
  protected:
    void SetUp() override {
        UiTest::SetUp();
        ASSERT_TRUE(window.CreateWindowObject(nullptr, -1, "timers", WS_POPUP | WS_VISIBLE, 0,
                                              RECT{0, 0, 10, 10}));
    }
    std::vector<DWORD> TicksOf(UINT_PTR id) const {
        std::vector<DWORD> at;
        for (const Tick& tick : window.ticks) {
            if (tick.id == id) at.push_back(tick.at - 1000);
        }
        return at;
    }
    TickWindow window;
};

TEST_F(TimerTest, TimersFireAtTheirPeriodsInTimeOrder) {
    window.SetTimer(254, 5000);
    window.SetTimer(255, 6000);
    window.SetTimer(256, 3000);
    AdvanceVirtualClock(clock, 12000);

    EXPECT_EQ(TicksOf(254), (std::vector<DWORD>{5000, 10000}));
    EXPECT_EQ(TicksOf(255), (std::vector<DWORD>{6000, 12000}));
    EXPECT_EQ(TicksOf(256), (std::vector<DWORD>{3000, 6000, 9000, 12000}));
    // Equal ticks come in the order the timers were set.
    ASSERT_GE(window.ticks.size(), 4u);
    EXPECT_EQ(window.ticks[2].id, 255u);
    EXPECT_EQ(window.ticks[3].id, 256u);
}

TEST_F(TimerTest, SettingARunningTimerRestartsItWithTheNewPeriod) {
    window.SetTimer(7, 3000);
    AdvanceVirtualClock(clock, 2000);
    window.SetTimer(7, 3000);  // restart: the next tick is 3 s from now, not 1 s
    AdvanceVirtualClock(clock, 2999);
    EXPECT_TRUE(window.ticks.empty());
    AdvanceVirtualClock(clock, 1);
    EXPECT_EQ(TicksOf(7), (std::vector<DWORD>{5000}));

    window.SetTimer(7, 500);
    AdvanceVirtualClock(clock, 1000);
    EXPECT_EQ(TicksOf(7), (std::vector<DWORD>{5000, 5500, 6000}));
    EXPECT_EQ(TimerTable::Instance().Period(window.Handle(), 7), 500u);
}

TEST_F(TimerTest, KillStopsATimerAndDestroyKillsAll) {
    window.SetTimer(1, 100);
    window.SetTimer(2, 100);
    EXPECT_TRUE(window.KillTimer(1));
    EXPECT_FALSE(window.KillTimer(1));
    AdvanceVirtualClock(clock, 250);
    EXPECT_EQ(TicksOf(1), std::vector<DWORD>{});
    EXPECT_EQ(TicksOf(2), (std::vector<DWORD>{100, 200}));

    HWND hwnd = window.Handle();
    window.DestroyWindow();
    EXPECT_FALSE(TimerTable::Instance().IsSet(hwnd, 2));
    EXPECT_FALSE(NextTimerDue().has_value());
}

TEST_F(TimerTest, MissedTicksAreCoalescedWhenNobodyPumps) {
    window.SetTimer(1, 100);
    clock.Advance(1000);  // nobody steps through the ticks
    EXPECT_EQ(DeliverDueTimers(), 1);
    EXPECT_EQ(window.ticks.size(), 1u);
    EXPECT_EQ(NextTimerDue(), clock.Now() + 100);
}

// The tick count wraps after 2^32 ms: timers and scheduled callbacks keep their periods and
// their order through it, from a start just before the wrap and from one long wait.
TEST_F(TimerTest, TimersAndSchedulerKeepTheirPeriodsAcrossTheTickWrap) {
    for (DWORD before : {300u, 2500u}) {
        SCOPED_TRACE(before);
        window.ticks.clear();
        clock.Set(0u - before);
        const DWORD start = clock.Now();
        std::vector<std::string> events;
        auto at = [&] { return std::to_string(static_cast<DWORD>(clock.Now() - start)); };
        window.onTick = [&](UINT_PTR) { events.push_back("timer@" + at()); };
        window.SetTimer(1, 1000);
        ClockScheduler::Instance().Schedule(start + 1500, [&] { events.push_back("sim@" + at()); });
        AdvanceVirtualClock(clock, 3000);
        EXPECT_EQ(events,
                  (std::vector<std::string>{"timer@1000", "sim@1500", "timer@2000", "timer@3000"}));
        EXPECT_EQ(NextTimerDue(), start + 4000);
    }
}

TEST_F(TimerTest, AWaitLongerThanHalfTheTickRangeStillRunsEveryTick) {
    window.SetTimer(1, 0x60000000);
    AdvanceVirtualClock(clock, 0xC0000000);
    EXPECT_EQ(TicksOf(1), (std::vector<DWORD>{0x60000000, 0xC0000000}));
}

TEST_F(TimerTest, AdvanceStopsEarlyAndReportsTheTimeLeft) {
    window.SetTimer(1, 300);
    DWORD left = AdvanceVirtualClock(clock, 1000, [&] { return !window.ticks.empty(); });
    EXPECT_EQ(left, 700u);
    EXPECT_EQ(clock.Now(), 1300u);
}

TEST_F(TimerTest, PostedMessagesArriveOnTheNextPump) {
    window.PostMessage(WM_TIMER, 42, 0);
    EXPECT_TRUE(window.ticks.empty());
    PumpMessages();
    ASSERT_EQ(window.ticks.size(), 1u);
    EXPECT_EQ(window.ticks[0].id, 42u);
    EXPECT_FALSE(PostMessage(0x7FFFFFFE, WM_TIMER, 1, 0));
}

// A window that counts its paints.
class PaintCounter : public Window {
  public:
    int paints = 0;

  protected:
    void OnPaint() override {
        PAINTSTRUCT paint;
        BeginPaint(&paint);
        EndPaint(&paint);
        ++paints;
    }
};

// A hidden window keeps its update area and is painted once it shows, whichever way it shows:
// its own style, its parent's style or its parent shown.
TEST_F(TimerTest, HiddenWindowsArePaintedOnceTheyShow) {
    PaintCounter parent;
    PaintCounter child;
    ASSERT_TRUE(parent.CreateWindowObject(nullptr, -1, "", WS_POPUP, 0, RECT{0, 0, 10, 10}));
    ASSERT_TRUE(child.CreateWindowObject(&parent, 1, "", WS_CHILD, 0, RECT{0, 0, 5, 5}));
    child.Invalidate();
    PumpMessages();
    EXPECT_EQ(child.paints, 0);
    parent.ModifyStyle(0, WS_VISIBLE);
    child.ModifyStyle(0, WS_VISIBLE);
    PumpMessages();
    EXPECT_EQ(child.paints, 1);
    PumpMessages();
    EXPECT_EQ(child.paints, 1) << "painted once";

    parent.ModifyStyle(WS_VISIBLE, 0);
    child.Invalidate();
    PumpMessages();
    parent.ModifyStyle(0, WS_VISIBLE);
    PumpMessages();
    EXPECT_EQ(child.paints, 2);

    parent.ShowWindow(SW_HIDE);
    child.Invalidate();
    PumpMessages();
    parent.ShowWindow(SW_SHOW);
    PumpMessages();
    EXPECT_EQ(child.paints, 3);
}

// A dialog that closes itself after 30 ticks of 100 ms, with a progress bar, like a timed wait.
constexpr int kWaitDialog = 900;
constexpr int kBar = 50;

class TimedDialog : public Dialog {
  public:
    TimedDialog() : Dialog(kWaitDialog) {}
    int ticks = 0;
    int lastPosition = -1;
    std::function<void()> onFirstTick;

    BOOL OnInitDialog() override {
        Dialog::OnInitDialog();
        SetTimer(255, 100);
        return TRUE;
    }

  protected:
    void OnTimer(UINT_PTR) override {
        if (++ticks == 1 && onFirstTick) onFirstTick();
        SendDlgItemMessage(kBar, PBM_SETPOS, static_cast<WPARAM>((ticks - 1) * 100 / 30), 0);
        lastPosition = static_cast<int>(SendDlgItemMessage(kBar, PBM_GETPOS));
        if (ticks >= 30) OnOK();
    }
    void OnDestroy() override { KillTimer(255); }
};

class ModalTest : public UiTest {
  protected:
    void SetUp() override {
        UiTest::SetUp();
        AddTemplate(kWaitDialog, "Processing ...", {Control(kBar, ControlKind::ProgressBar)});
    }
};

TEST_F(ModalTest, NestedModalLoopsEndInsideOut) {
    TimedDialog outer;
    TimedDialog inner;
    std::vector<Window*> fronts;
    // The outer dialog's first tick runs the inner one. The inner loop delivers every window's
    // messages, so the outer dialog's timer goes on meanwhile and it asks to end first; its
    // own loop sees that only when the inner one has returned.
    outer.onFirstTick = [&] {
        fronts.push_back(WindowManager::Instance().FrontWindow());
        EXPECT_EQ(inner.DoModal(), IDOK);
        fronts.push_back(WindowManager::Instance().FrontWindow());
    };
    inner.onFirstTick = [&] { fronts.push_back(WindowManager::Instance().FrontWindow()); };
    WindowManager::Instance().SetMainWindow(&outer);
    EXPECT_EQ(outer.DoModal(), IDOK);
    EXPECT_EQ(inner.ticks, 30);
    // The outer timer runs until the outer window goes: ticks 1100 to 4100.
    EXPECT_EQ(outer.ticks, 31);
    EXPECT_EQ(fronts, (std::vector<Window*>{&outer, &inner, &outer}));
    // The inner dialog started at the outer's first tick (1100) and ran 3 s.
    EXPECT_EQ(clock.Now(), 1000u + 100u + 3000u);
    WindowManager::Instance().SetMainWindow(nullptr);
}

TEST_F(ModalTest, DialogEndedDuringInitialisationIsNeverShown) {
    class EndsAtOnce : public Dialog {
      public:
        EndsAtOnce() : Dialog(kWaitDialog) {}
        bool shownAtInit = true;
        BOOL OnInitDialog() override {
            Dialog::OnInitDialog();
            OnOK();
            shownAtInit = IsWindowVisible();
            return TRUE;
        }
    } dialog;
    bool loopRan = false;
    host.onModal = [&](Dialog&) { loopRan = true; };
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_FALSE(loopRan);
    EXPECT_FALSE(dialog.shownAtInit);
}

TEST_F(ModalTest, MissingTemplateFailsTheModalRun) {
    Dialog dialog(12345);
    EXPECT_EQ(dialog.DoModal(), -1);
    EXPECT_TRUE(WindowManager::Instance().ModalStack().empty());
}

}  // namespace
