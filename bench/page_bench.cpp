// The Status page's 5-second tick (about ten OIDs and two meter paints) against one OID query,
// and the gradient meter's paint against one fill of the control and one block copy.
#include <benchmark/benchmark.h>

#include "app/main_dialog.h"
#include "app/utility_app.h"
#include "bench_stack.h"
#include "controls/gradient_meter.h"
#include "controls/memory_dc.h"
#include "pages/c_config.h"
#include "platform/ui/default_ui_host.h"
#include "platform/ui/dialog.h"
#include "platform/ui/message_loop.h"
#include "platform/ui/resources.h"
#include "platform/ui/ui_input.h"

namespace {

void BM_StatusTick(benchmark::State& state) {
    BenchStack stack;
    DefaultUiHost ui;
    SetUiHost(&ui);
    ui.onModal = [&state](Dialog& dialog) {
        auto* main = dynamic_cast<MainDialog*>(&dialog);
        if (main == nullptr) return;
        HWND page = main->Sheet().GetPage(0)->Handle();
        for (auto _ : state) {
            SendMessage(page, WM_TIMER, CConfig::LINK_TIMER, 0);
            PumpMessages();
        }
        CloseWindow(*main);
    };
    theApp.InitInstance();
    SetUiHost(nullptr);
}
BENCHMARK(BM_StatusTick);

constexpr int kTemplateId = 9701;
constexpr int kMeterId = 1001;

// The floor's control: one fill of its client area through the same off-screen copy.
class PlainBar : public ProgressBar {
  protected:
    void OnPaint() override {
        PAINTSTRUCT paint;
        HDC hdc = BeginPaint(&paint);
        {
            DeviceContext dc(hdc);
            MemoryDC memory(&dc);
            RECT client;
            GetClientRect(&client);
            memory.FillSolidRect(&client, 0x00FF0000);
        }
        EndPaint(&paint);
    }
};

// A 150 x 18 pixel control with the Status page's colours (238 bands), full.
template <typename Bar>
class BarDialog : public Dialog {
  public:
    BarDialog() : Dialog(kTemplateId) {
        ControlTemplate control;
        control.id = kMeterId;
        control.kind = ControlKind::ProgressBar;
        control.cx = 100;
        control.cy = 12;
        control.style = WS_CHILD | WS_VISIBLE;
        DialogTemplate dialog;
        dialog.id = kTemplateId;
        dialog.cx = 110;
        dialog.cy = 20;
        dialog.style = WS_POPUP | WS_VISIBLE;
        dialog.controls = {control};
        Resources::Instance().AddDialog(dialog);
    }
    ~BarDialog() override {
        DestroyWindow();
        Resources::Instance().Clear();
    }
    Bar bar;

  protected:
    void DoDataExchange(DataExchange& dx) override {
        Dialog::DoDataExchange(dx);
        dx.Control(kMeterId, bar);
    }
};

template <typename Bar>
void PaintLoop(benchmark::State& state, Bar& bar) {
    for (auto _ : state) {
        bar.Invalidate();
        bar.UpdateWindow();
    }
}

void BM_Floor_FillAndBlit(benchmark::State& state) {
    BarDialog<PlainBar> dialog;
    if (!dialog.Create(nullptr)) return state.SkipWithError("no dialog");
    PaintLoop(state, dialog.bar);
}
BENCHMARK(BM_Floor_FillAndBlit);

void BM_MeterPaint(benchmark::State& state) {
    BarDialog<GradientMeter> dialog;
    if (!dialog.Create(nullptr)) return state.SkipWithError("no dialog");
    GradientMeter& meter = dialog.bar;
    meter.SetRange(0, 100);
    meter.startColor = 0x00EEEEAF;
    meter.endColor = 0x00FF0000;
    meter.showText = true;
    meter.SetPos(100);
    PaintLoop(state, meter);
}
BENCHMARK(BM_MeterPaint);

}  // namespace
