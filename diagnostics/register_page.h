// The base of the engineering pages: the "Read", "Set" and "Read All" buttons, the read-only
// dump box whose first visible line a new dump keeps, and the messages the pages share.
#pragma once

#include <optional>
#include <string>

#include "pages/utility_page.h"
#include "platform/ui/edit_control.h"

class RegisterPage : public UtilityPage {
  public:
    // Shown by "Set" when a field holds no hexadecimal digit; nothing is written then.
    static constexpr const char* kNotHexMessage = "Please enter a hexadecimal number.";
    static constexpr const char* kReadFailedMessage = "Fail to read";

    RegisterPage(int templateId, int outputId, int dataId);

    const EditControl& OutputBox() const { return outputBox_; }

  protected:
    void DoDataExchange(DataExchange& dx) override;
    bool OnCommand(int id, int code, HWND control) override;

    virtual void OnRead() = 0;
    virtual void OnSet() = 0;
    // Dumps the registers into the box (nothing without an adapter).
    virtual void OnReadAll();
    // Appends the whole dump's text; false when a read failed.
    virtual bool AppendDump(std::string& text) = 0;

    // Builds a dump with AppendDump under the busy cursor. A complete dump becomes `output_`,
    // all members go to the controls and the box shows the same first line as before; a
    // failed one shows "Fail to read" and leaves the box and `output_` as they were.
    void Dump();

    // The field's value, or nothing after telling the user that it holds no hexadecimal digit.
    static std::optional<DWORD> HexFieldForSet(const std::string& text);
    static void ShowMessage(const char* text);

    std::string data_;    // the data field
    std::string output_;  // the dump box

  private:
    int outputId_;
    int dataId_;
    EditControl outputBox_;
};
