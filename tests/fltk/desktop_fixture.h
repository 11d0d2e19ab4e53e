// What the desktop tests share: the private X server, a desktop host installed for one test,
// and the picture helpers.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "frontend/fltk/fltk_host.h"
#include "frontend/fltk/screenshot.h"
#include "platform/ui/dialog_template.h"
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

// With a desktop host installed as the window system's host for the test.
class HostedDesktopTest : public DesktopTest {
  protected:
    void SetUp() override;
    void TearDown() override;

    FltkHost& Host() { return *host_; }

  private:
    std::unique_ptr<FltkHost> host_;
};

// Test templates. `du`: left, top, width and height in dialog units; a popup dialog gets the
// caption OK button.
ControlTemplate TestControl(int id, ControlKind kind, std::string text, RECT du, DWORD style = 0);
DialogTemplate TestTemplate(int id, std::string caption, int cx, int cy, DWORD style);

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
