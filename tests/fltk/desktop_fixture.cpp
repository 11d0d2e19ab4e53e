#include "desktop_fixture.h"

#include <unistd.h>

#include <cstdio>

#include "platform/ui/ui_host.h"
#include "platform/ui/window_manager.h"
#include "xvfb_server.h"

void DesktopTest::SetUp() {
    XvfbServer& server = XvfbServer::Shared();
    if (!server.Running()) GTEST_SKIP() << "no X server for the desktop tests: " << server.Error();
    host_ = std::make_unique<FltkHost>();
    SetUiHost(host_.get());
}

void DesktopTest::TearDown() {
    for (const std::string& path : pictures_) std::remove(path.c_str());
    if (!host_) return;
    SetUiHost(nullptr);
    WindowManager::Instance().SetMainWindow(nullptr);
    host_.reset();
}

std::string DesktopTest::PicturePath(const std::string& name) {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    pictures_.push_back(::testing::TempDir() + "sdwlan_" + std::to_string(getpid()) + "_" +
                        info->name() + "_" + name + ".png");
    return pictures_.back();
}

int CountPixels(const RgbImage& image, const WidgetBox& box, const std::function<bool(Rgb)>& test) {
    int count = 0;
    for (int y = box.y; y < box.y + box.h; ++y) {
        for (int x = box.x; x < box.x + box.w; ++x) count += test(image.At(x, y)) ? 1 : 0;
    }
    return count;
}

bool IsDark(Rgb pixel) { return pixel.r + pixel.g + pixel.b < 3 * 96; }

std::pair<int, int> InkColumns(const RgbImage& image, const WidgetBox& box) {
    int left = -1;
    int right = -1;
    for (int x = box.x; x < box.x + box.w; ++x) {
        for (int y = box.y; y < box.y + box.h; ++y) {
            if (!IsDark(image.At(x, y))) continue;
            if (left < 0) left = x;
            right = x;
            break;
        }
    }
    return {left, right};
}
