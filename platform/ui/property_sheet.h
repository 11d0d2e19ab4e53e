// A property sheet shown as a child window: tabs with the pages' captions, one page in front.
// Pages are added in order and are not owned; a page's window is created on its first
// activation and the sheet's windows go with the sheet's.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/window.h"

class PropertyPage;

class PropertySheet : public Window {
  public:
    explicit PropertySheet(const std::string& caption = "");

    void AddPage(PropertyPage* page);
    int GetPageCount() const { return static_cast<int>(pages_.size()); }
    PropertyPage* GetPage(int index) const;
    int GetPageIndex(const PropertyPage* page) const;
    std::vector<std::string> TabCaptions() const;

    // Creates the sheet window as a child of `parent` at the parent's client origin, sized for
    // the largest page plus the tab strip, and activates page 0.
    bool Create(Window* parent, DWORD style = WS_CHILD | WS_VISIBLE, DWORD exStyle = 0);
    // Deactivates the page in front (OnKillActive; FALSE refuses the change), creates the
    // window of page `index` on its first activation, shows it and calls its OnSetActive.
    // Selecting the page in front deactivates and reactivates it.
    bool SetActivePage(int index);
    bool SetActivePage(PropertyPage* page);
    int GetActiveIndex() const { return active_; }
    PropertyPage* GetActivePage() const;

    ControlKind Kind() const override { return ControlKind::Sheet; }
    ControlState Describe() const override;

    // Height of the tab strip in pixels; pages sit below it.
    static constexpr int kTabHeight = 20;

  protected:
    void OnWindowGone() override;

  private:
    bool CreatePageWindow(PropertyPage& page);

    std::string caption_;
    std::vector<PropertyPage*> pages_;
    int active_ = -1;
};
