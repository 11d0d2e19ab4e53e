// The text mode's live view of the window in front: a block with the window's title and its
// labelled fields when the window in front changes, then one line per field whose value
// changes, each stamped with the seconds since the view first showed something:
//
//   [0.0 s] SD WLAN Utility: Status
//     SSID: MyNet
//     Status: Connected: 00-11-22-33-44-55
//   [5.0 s] Signal: 62 %
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "frontend/headless/text_fields.h"
#include "platform/core/win_types.h"

class Window;

class TextView {
  public:
    explicit TextView(std::ostream& out);

    // Prints what changed since the last call; nothing when nothing did.
    void Refresh();
    // Prints that the application has ended.
    void Ended();

  private:
    std::string Stamp() const;
    void PrintBlock(const std::string& title, const std::vector<TextField>& fields);
    void PrintChanges(const std::vector<TextField>& fields);

    std::ostream& out_;
    DWORD start_ = 0;
    bool shown_ = false;
    unsigned long long seenChanges_ = 0;
    const Window* window_ = nullptr;
    std::string title_;
    std::vector<TextField> fields_;
};
