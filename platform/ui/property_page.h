// A page of a property sheet: a modeless child dialog whose window the sheet creates on the
// page's first activation. Its tab caption is its template's caption.
#pragma once

#include <string>

#include "platform/ui/dialog.h"

class PropertySheet;

class PropertyPage : public Dialog {
  public:
    explicit PropertyPage(int templateId);

    std::string Caption() const;
    PropertySheet* Sheet() const { return sheet_; }

    // Activation: the default transfers members to controls, except at the first activation
    // after the window was created (OnInitDialog has just done it). Returns TRUE.
    virtual BOOL OnSetActive();
    // Deactivation: the default transfers controls to members; FALSE (a refused field) keeps
    // the page in front.
    virtual BOOL OnKillActive();

  protected:
    void OnWindowGone() override;

  private:
    friend class PropertySheet;
    PropertySheet* sheet_ = nullptr;
    bool firstSetActive_ = true;
};
