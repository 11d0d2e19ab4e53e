// Scripts driving the desktop window: the headless commands, a picture of whatever is in
// front, and the script's end closing the utility.
#include <gtest/gtest.h>

#include <sstream>

#include "desktop_fixture.h"
#include "main/program.h"
#include "res/resource_ids.h"

namespace {

class DesktopScriptTest : public DesktopTest {
  protected:
    int Run(const std::string& script) {
        std::istringstream in(script);
        return RunProgram({"--registry", TempFile("registry.reg"), "--script", "-"}, in, out_,
                          err_);
    }

    std::ostringstream out_;
    std::ostringstream err_;
};

// Pixels that differ between two pictures of the same size.
int Differences(const RgbImage& a, const RgbImage& b) {
    int count = 0;
    for (int y = 0; y < a.height; ++y) {
        for (int x = 0; x < a.width; ++x) count += a.At(x, y) == b.At(x, y) ? 0 : 1;
    }
    return count;
}

TEST_F(DesktopScriptTest, EachTabTappedAndPictured) {
    std::string script;
    std::vector<std::string> pictures;
    for (int tab = 0; tab < 5; ++tab) {
        pictures.push_back(PicturePath("tab" + std::to_string(tab)));
        script += "tab " + std::to_string(tab) + "\nscreenshot " + pictures.back() + "\n";
    }
    script += "tab 1\nexpect " + std::to_string(IDC_RESET) + " Reset\ndump\n";
    ASSERT_EQ(Run(script), 0) << err_.str();
    EXPECT_EQ(err_.str(), "");
    EXPECT_NE(out_.str().find("tabs \"Status\" [\"Statistics\"] \"Site Survey\""),
              std::string::npos)
        << out_.str();
    std::vector<RgbImage> images;
    for (const std::string& path : pictures) {
        std::optional<RgbImage> image = ReadPng(path);
        ASSERT_TRUE(image) << path;
        images.push_back(*image);
    }
    // The same window each time, with another page in it.
    for (std::size_t i = 1; i < images.size(); ++i) {
        EXPECT_EQ(images[i].width, images[0].width);
        EXPECT_EQ(images[i].height, images[0].height);
        EXPECT_GT(Differences(images[i], images[i - 1]), 100) << "tab " << i;
    }
}

TEST_F(DesktopScriptTest, AFailedCommandEndsTheUtilityWithStatusOne) {
    const std::string picture = PicturePath("late");
    EXPECT_EQ(Run("tab 9\nscreenshot " + picture + "\n"), 1);
    EXPECT_EQ(err_.str(), "<stdin>:1: tab: there is no page 9 (the sheet has 5 pages)\n");
    EXPECT_FALSE(ReadPng(picture));
}

}  // namespace
