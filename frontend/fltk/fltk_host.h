// The desktop front end: a real window for each top-level window of the model, with the
// model's loop running in real time inside the toolkit's event loop.
//
// Every modal loop (dialogs, message boxes, the open-file dialog) turns the same way: deliver
// what the model has due (PumpMessages), bring the widgets up to date with what changed, then
// wait for user input until the model's next timer or scheduled event is due. User input goes
// into the model through ui_input.h; the model's change notification says which widgets to
// refresh.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>

#include "frontend/fltk/input_sink.h"
#include "frontend/fltk/widget_geometry.h"
#include "frontend/fltk/window_view.h"
#include "platform/ui/ui_host.h"
#include "platform/ui/window_manager.h"

class MessageBoxWindow;

class FltkHost : public UiHost, private InputSink {
  public:
    struct Config {
        int scale = WidgetGeometry::kDefaultScale;
    };
    enum class ScreenshotState { None, Pending, Written, Failed };

    // Whether the host can run here: an X display is named and answers.
    static bool DisplayAvailable();

    FltkHost();
    explicit FltkHost(Config config);
    ~FltkHost() override;
    FltkHost(const FltkHost&) = delete;
    FltkHost& operator=(const FltkHost&) = delete;

    void RunModalLoop(Dialog& dialog) override;
    int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption,
                       UINT type) override;
    std::optional<std::string> ChooseOpenFile(const OpenFileRequest& request) override;
    void WaitCursorChanged(bool busy) override;

    // After `afterMs` of real time: writes a PNG of the main window to `path`, then closes the
    // main window through its caption OK button (so the application shuts down as usual) and
    // ends every loop that is still running.
    void ScheduleScreenshot(const std::string& path, unsigned afterMs);
    ScreenshotState Screenshot() const { return screenshot_; }
    const std::string& ScreenshotError() const { return screenshotError_; }

    // Asked at every turn of a loop: when it says so, the main window is closed through its
    // caption OK button and every loop that is still running ends (a stop signal, say).
    void SetStopRequest(std::function<bool()> requested) { stopRequested_ = std::move(requested); }

    // Work done at every turn of a loop (a script, say) before the loop waits for input; it
    // returns how long the loop may wait, in milliseconds.
    void SetTurnWork(std::function<DWORD()> work) { turnWork_ = std::move(work); }
    // Called with the text of each message box as it is shown.
    void SetMessageObserver(std::function<void(const std::string&)> observer) {
        messageObserver_ = std::move(observer);
    }
    // The answer to the next open-file dialog instead of asking the user: a path, or nothing
    // to cancel it. Answers queue up in order.
    void QueueFileAnswer(std::optional<std::string> path);
    bool MessageBoxOpen() const { return box_ != nullptr; }
    // Answers the message box that is open; false when none is.
    bool AnswerMessageBox(int result);
    // Writes a PNG of the window in front: the message box, else the innermost modal dialog,
    // else the main window. False with `error` set when there is none or the file cannot be
    // written.
    bool ScreenshotFront(const std::string& path, std::string& error);

    // Brings the desktop windows up to date with the model.
    void Sync();
    // The view of a top-level window; null when it has none.
    WindowView* ViewOf(HWND topLevel);
    const WidgetGeometry& Geometry() const { return geometry_; }

  private:
    void InputDelivered(HWND hwnd) override;
    InputSink& Sink();
    // One turn of a loop: the model's due work, the widgets, then waiting for input.
    void Turn();
    void DropGoneViews();
    void AddNewViews();
    static void OnScreenshotDue(void* self);
    void TakeScreenshot();
    void CloseMainWindow();
    bool WriteView(WindowView* view, const std::string& path, std::string& error);

    WidgetGeometry geometry_;
    std::map<HWND, std::unique_ptr<WindowView>> views_;
    std::set<HWND> pending_;
    WindowManager::ChangeObserver previousObserver_;
    bool syncing_ = false;
    bool quitting_ = false;
    std::string screenshotPath_;
    ScreenshotState screenshot_ = ScreenshotState::None;
    std::string screenshotError_;
    std::function<bool()> stopRequested_;
    std::function<DWORD()> turnWork_;
    std::function<void(const std::string&)> messageObserver_;
    std::deque<std::optional<std::string>> fileAnswers_;
    MessageBoxWindow* box_ = nullptr;
};
