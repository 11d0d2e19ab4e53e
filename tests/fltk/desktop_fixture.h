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

class DesktopTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    FltkHost& Host() { return *host_; }
    // A fresh file name in the test's temporary folder; the file goes with the test.
    std::string PicturePath(const std::string& name);

  private:
    std::unique_ptr<FltkHost> host_;
    std::vector<std::string> pictures_;
};

// Pixels in `box` of `image` for which `test` holds.
int CountPixels(const RgbImage& image, const WidgetBox& box, const std::function<bool(Rgb)>& test);
bool IsDark(Rgb pixel);
// Left and right ends (inclusive) of the dark pixels' columns in `box`; {-1, -1} when none.
std::pair<int, int> InkColumns(const RgbImage& image, const WidgetBox& box);
