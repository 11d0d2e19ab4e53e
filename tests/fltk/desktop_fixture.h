// What the desktop tests share: the private X server, a desktop host installed for one test,
// the test dialogs and the picture helpers.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "frontend/fltk/fltk_host.h"
#include "frontend/fltk/screenshot.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/dialog.h"
#include "platform/ui/dialog_template.h"
#include "platform/ui/list_view.h"
#include "platform/ui/progress_bar.h"
#include "platform/ui/property_page.h"
#include "platform/ui/property_sheet.h"
#include "platform/ui/window_constants.h"

// Skipped, with the reason, when no X server can be started.
class DesktopTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // A fresh file name in the test's temporary folder; the file goes with the test.
    std::string TempFile(const std::string& name);
    std::string PicturePath(const std::string& name) { return TempFile(name + ".png"); }

  private:
    std::vector<std::string> files_;
};

// With a desktop host installed as the window system's host for the test, and the test
// dialogs' templates registered.
class HostedDesktopTest : public DesktopTest {
  protected:
    void SetUp() override;
    void TearDown() override;

    FltkHost& Host() { return *host_; }

  private:
    std::unique_ptr<FltkHost> host_;
};

// The controls dialog's controls: one of each kind.
enum TestControlId {
    kStaticId = 1001,
    kEditId,  // upper-cases what is typed
    kButtonId,
    kStockBarId,    // at 50 of 100
    kPaintedBarId,  // painted by the dialog in kFill with kTextColor text
    kComboId,       // sorted: "alpha", "beta", "gamma@home"
    kCheckId,
    kFirstRadioId,
    kSecondRadioId,
    kListId,   // two columns, two rows
    kLinesId,  // read-only, multi-line
    kGroupId,
};
constexpr COLORREF kFill = RGB(0x20, 0xA0, 0x60);
constexpr COLORREF kTextColor = RGB(0xFF, 0xFF, 0xFF);
// The sheet dialog's page captions.
extern const std::vector<std::string> kTestCaptions;

// Where a control of the controls dialog is, in dialog units (left, top, width, height).
RECT TestControlPlace(int id);
// Registers the templates of the two test dialogs (HostedDesktopTest does).
void RegisterTestDialogs();

// A popup with each kind of control; it notes what the controls tell it.
class ControlsDialog : public Dialog {
  public:
    ControlsDialog();

    struct Notice {
        int id = 0;
        int code = 0;
        int item = -1;
    };
    std::vector<Notice> notices;
    int clicks = 0;
    std::string typed;
    bool boxAtStart = false;  // shows a message box as soon as it runs
    int boxAnswer = 0;

    ListView& List() { return *dynamic_cast<ListView*>(GetDlgItem(kListId)); }
    ComboBox& Combo() { return *dynamic_cast<ComboBox*>(GetDlgItem(kComboId)); }

  protected:
    void DoDataExchange(DataExchange& dx) override;
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    LRESULT OnNotify(int id, int code, const NMHDR& header) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    std::unique_ptr<ProgressBar> paintedBar_;
};

// A popup with a sheet of five pages (kTestCaptions) over a button (kCoveredId), as the main
// window's sheet covers its chooser.
class SheetDialog : public Dialog {
  public:
    static constexpr int kCoveredId = 1020;

    SheetDialog();
    PropertySheet& Sheet() { return sheet_; }

  protected:
    BOOL OnInitDialog() override;

  private:
    std::vector<std::unique_ptr<PropertyPage>> pages_;
    PropertySheet sheet_;
};

// Pixels in `box` (clipped to the image) of `image` for which `test` holds.
int CountPixels(const RgbImage& image, const WidgetBox& box, const std::function<bool(Rgb)>& test);
bool IsDark(Rgb pixel);
// Left and right ends (inclusive) of the dark pixels' columns in `box` (clipped to the image);
// {-1, -1} when none.
std::pair<int, int> InkColumns(const RgbImage& image, const WidgetBox& box);
// Checks that the tab strip at `strip` in `image` shows `captions` in this order: each tab
// holds ink as wide as its caption rendered alone by the toolkit, and nothing follows the last.
void ExpectTabCaptions(const RgbImage& image, const std::vector<std::string>& captions,
                       const WidgetBox& strip, const WidgetGeometry& geometry);
