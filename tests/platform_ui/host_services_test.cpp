// Services the front end provides: message boxes, the busy cursor, the open-file dialog; and
// dialog units.
#include <cstdio>
#include <fstream>
#include <string>

#include "platform/core/message_box.h"
#include "platform/ui/dialog_units.h"
#include "platform/ui/open_file_dialog.h"
#include "ui_fixture.h"

namespace {

using HostTest = UiTest;

TEST_F(HostTest, BusyCursorIsCountedAndTheHostHearsOnlyTheEdges) {
    BeginWaitCursor();
    BeginWaitCursor();
    EndWaitCursor();
    EXPECT_TRUE(WindowManager::Instance().IsWaitCursorShown());
    EndWaitCursor();
    EndWaitCursor();  // unbalanced: ignored
    EXPECT_FALSE(WindowManager::Instance().IsWaitCursorShown());
    EXPECT_EQ(host.cursorChanges, (std::vector<bool>{true, false}));
}

TEST_F(HostTest, FileFilterIsDividedIntoPairs) {
    auto pairs = SplitFileFilter("Text Files (*.txt)|*.txt|All Files (*.*)|*.*||");
    ASSERT_EQ(pairs.size(), 2u);
    EXPECT_EQ(pairs[0], (std::pair<std::string, std::string>{"Text Files (*.txt)", "*.txt"}));
    EXPECT_EQ(pairs[1].second, "*.*");
    EXPECT_TRUE(SplitFileFilter("").empty());
    EXPECT_EQ(SplitFileFilter("odd|").size(), 1u);
    EXPECT_TRUE(SplitFileFilter("odd").empty());
}

TEST_F(HostTest, OpenFileDialogAddsTheDefaultExtensionAndInsistsOnAnExistingFile) {
    std::string existing = std::string(SDWLAN_BINARY_DIR) + "/ui_host_test_image.txt";
    std::ofstream(existing) << "0000\n";
    std::string stem = existing.substr(0, existing.size() - 4);

    host.fileAnswers = {stem + "-missing", stem};
    OpenFileDialog dialog("txt", "image", OFN_FILEMUSTEXIST, "Text (*.txt)|*.txt||");
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.GetPathName(), existing);
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].text, OpenFileDialog::NotFoundMessage(stem + "-missing.txt"));
    ASSERT_EQ(host.fileRequests.size(), 2u);
    EXPECT_EQ(host.fileRequests[0].initialName, "image");
    EXPECT_EQ(host.fileRequests[0].defaultExtension, "txt");

    OpenFileDialog cancelled("txt", "", OFN_FILEMUSTEXIST, "");
    EXPECT_EQ(cancelled.DoModal(), IDCANCEL);  // no answer queued: the user cancels
    EXPECT_EQ(cancelled.GetPathName(), "");
    std::remove(existing.c_str());
}

TEST_F(HostTest, DialogUnitsToPixels) {
    RECT rect{8, 7, 8 + 114, 7 + 54};
    MapDialogRect(&rect);
    EXPECT_EQ(rect, (RECT{12, 11, 183, 92}));  // 10.5 rounds to 11, 91.5 to 92
    EXPECT_EQ(DialogUnitsToPixelsX(143), 215);
    EXPECT_EQ(DialogUnitsToPixelsY(175), 263);
    EXPECT_EQ(DialogUnitsToPixelsX(-3), -5);
}

}  // namespace
