// clang-format off
#include "frontend/fltk/x11_names.h"  // first: see there
// clang-format on
#include "frontend/fltk/fltk_host.h"

#include <FL/Fl.H>
#include <FL/Fl_File_Chooser.H>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <utility>

#include "frontend/fltk/message_box_window.h"
#include "frontend/fltk/screenshot.h"
#include "frontend/fltk/text_mapping.h"
#include "platform/core/clock.h"
#include "platform/ui/dialog.h"
#include "platform/ui/message_loop.h"
#include "platform/ui/ui_input.h"

namespace {

// Longest sleep of a loop turn: work that other threads hand to the model's scheduler is
// not kept waiting longer than this.
constexpr DWORD kMaxWaitMs = 50;

bool IsTopLevel(HWND hwnd) {
    Window* window = WindowManager::Instance().FromHandle(hwnd);
    return window != nullptr && window->GetParent() == nullptr;
}

}  // namespace

bool FltkHost::DisplayAvailable() {
    const char* name = std::getenv("DISPLAY");
    if (name == nullptr || *name == '\0') return false;
    // The toolkit ends the process when it cannot open its display; ask first.
    Display* display = XOpenDisplay(name);
    if (display == nullptr) return false;
    XCloseDisplay(display);
    return true;
}

FltkHost::FltkHost() : FltkHost(Config{}) {}

FltkHost::FltkHost(Config config) : geometry_(config.scale) {
    // Widgets on the handheld's button face, as the model's own painting assumes.
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    Fl::background(GetRValue(face), GetGValue(face), GetBValue(face));
    Fl::visible_focus(0);
    previousObserver_ = WindowManager::Instance().SetChangeObserver([this](HWND hwnd) {
        pending_.insert(hwnd);
        if (previousObserver_) previousObserver_(hwnd);
    });
}

FltkHost::~FltkHost() {
    Fl::remove_timeout(&FltkHost::OnScreenshotDue, this);
    WindowManager::Instance().SetChangeObserver(previousObserver_);
    views_.clear();
    // Windows are deleted by the toolkit's loop; give it the turn it needs.
    if (fl_display != nullptr) Fl::check();
}

void FltkHost::RunModalLoop(Dialog& dialog) {
    Sync();
    while (!dialog.IsEnding() && !quitting_) Turn();
    if (WindowView* view = ViewOf(dialog.Handle())) view->Desktop().hide();
}

int FltkHost::ShowMessageBox(HWND, const std::string& text, const std::string& caption, UINT type) {
    Sync();
    MessageBoxWindow box(text, caption, type, geometry_);
    box.Show();
    MessageBoxWindow* const below = std::exchange(box_, &box);
    if (messageObserver_) messageObserver_(text);
    while (!box.Answered() && !quitting_) Turn();
    box_ = below;
    return box.Result();
}

std::optional<std::string> FltkHost::ChooseOpenFile(const OpenFileRequest& request) {
    Sync();
    if (!fileAnswers_.empty()) {
        std::optional<std::string> answer = fileAnswers_.front();
        fileAnswers_.pop_front();
        return answer;
    }
    const std::string filter = FileChooserFilter(request.filters);
    const std::string start = request.initialName.empty() ? "." : request.initialName;
    const std::string title = request.title.empty() ? "Open" : request.title;
    Fl_File_Chooser chooser(start.c_str(), filter.empty() ? nullptr : filter.c_str(),
                            Fl_File_Chooser::SINGLE, title.c_str());
    chooser.show();
    while (chooser.shown() && !quitting_) Turn();
    if (quitting_ || chooser.count() == 0 || chooser.value() == nullptr) return std::nullopt;
    return std::string(chooser.value());
}

void FltkHost::WaitCursorChanged(bool busy) {
    for (auto& [hwnd, view] : views_) {
        if (view->Desktop().shown())
            view->Desktop().cursor(busy ? FL_CURSOR_WAIT : FL_CURSOR_DEFAULT);
    }
    // The model blocks while busy: the cursor has to reach the screen now.
    if (fl_display != nullptr) Fl::flush();
}

void FltkHost::ScheduleScreenshot(const std::string& path, unsigned afterMs) {
    screenshotPath_ = path;
    screenshot_ = ScreenshotState::Pending;
    screenshotError_.clear();
    Fl::remove_timeout(&FltkHost::OnScreenshotDue, this);
    Fl::add_timeout(afterMs / 1000.0, &FltkHost::OnScreenshotDue, this);
}

void FltkHost::QueueFileAnswer(std::optional<std::string> path) {
    fileAnswers_.push_back(std::move(path));
}

bool FltkHost::AnswerMessageBox(int result) {
    if (box_ == nullptr) return false;
    box_->Answer(result);
    return true;
}

bool FltkHost::ScreenshotFront(const std::string& path, std::string& error) {
    Sync();
    if (box_ != nullptr) {
        std::optional<RgbImage> image = CaptureWindow(box_->Desktop());
        if (!image) error = "the message box is not shown";
        return image && WritePng(*image, path, error);
    }
    Window* front = WindowManager::Instance().FrontWindow();
    while (front != nullptr && front->GetParent() != nullptr) front = front->GetParent();
    return WriteView(front != nullptr ? ViewOf(front->Handle()) : nullptr, path, error);
}

void FltkHost::Sync() {
    if (syncing_) return;
    syncing_ = true;
    DropGoneViews();
    AddNewViews();
    std::set<HWND> changed;
    changed.swap(pending_);
    for (auto& [hwnd, view] : views_) view->Update(changed);
    syncing_ = false;
}

WindowView* FltkHost::ViewOf(HWND topLevel) {
    auto it = views_.find(topLevel);
    return it == views_.end() ? nullptr : it->second.get();
}

void FltkHost::InputDelivered(HWND hwnd) { pending_.insert(hwnd); }

InputSink& FltkHost::Sink() { return *this; }

void FltkHost::Turn() {
    if (!quitting_ && stopRequested_ && stopRequested_()) {
        quitting_ = true;
        CloseMainWindow();
    }
    PumpMessages();
    Sync();
    if (quitting_) return;
    // Until the model's next event is due (0 when it is overdue, across the tick count's wrap).
    const std::optional<DWORD> due = NextEventDue();
    DWORD waitMs = due ? std::min(TicksUntil(*due, GetTickCount()), kMaxWaitMs) : kMaxWaitMs;
    if (turnWork_) {
        waitMs = std::min(waitMs, turnWork_());
        Sync();
    }
    Fl::wait(waitMs / 1000.0);
}

void FltkHost::DropGoneViews() {
    for (auto it = views_.begin(); it != views_.end();) {
        it = IsTopLevel(it->first) ? std::next(it) : views_.erase(it);
    }
}

void FltkHost::AddNewViews() {
    WindowManager& manager = WindowManager::Instance();
    for (Window* window : manager.TopLevelWindows()) {
        if (views_.count(window->Handle()) != 0 || !WindowView::ShouldShow(*window)) continue;
        const auto* dialog = dynamic_cast<const Dialog*>(window);
        const bool modal = dialog != nullptr && dialog->IsModal() && window != manager.MainWindow();
        views_[window->Handle()] = std::make_unique<WindowView>(*window, geometry_, Sink(), modal);
    }
}

void FltkHost::OnScreenshotDue(void* self) { static_cast<FltkHost*>(self)->TakeScreenshot(); }

void FltkHost::TakeScreenshot() {
    Sync();
    Window* main = WindowManager::Instance().MainWindow();
    const bool written = WriteView(main != nullptr ? ViewOf(main->Handle()) : nullptr,
                                   screenshotPath_, screenshotError_);
    screenshot_ = written ? ScreenshotState::Written : ScreenshotState::Failed;
    // Whatever is open ends now; the main window goes the way the user would close it.
    quitting_ = true;
    CloseMainWindow();
}

bool FltkHost::WriteView(WindowView* view, const std::string& path, std::string& error) {
    std::optional<RgbImage> image;
    if (view != nullptr) image = CaptureWindow(view->Desktop());
    if (!image) {
        error = "no window is shown in front";
        return false;
    }
    return WritePng(*image, path, error);
}

void FltkHost::CloseMainWindow() {
    Window* main = WindowManager::Instance().MainWindow();
    if (main == nullptr || main->Handle() == 0) return;
    const HWND hwnd = main->Handle();
    CloseWindow(*main);
    InputDelivered(hwnd);
}
