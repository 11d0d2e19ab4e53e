// Dialog data exchange: moves member values to controls (loading) or controls to members
// (saving). A refused field shows the platform's standard message and stops the exchange;
// the member keeps its previous value.
#pragma once

#include <string>

#include "platform/ui/window_constants.h"

class Dialog;
class Window;

// The platform's message for a field that does not hold an integer.
inline constexpr const char* kEnterIntegerMessage = "Please enter an integer.";

class DataExchange {
  public:
    DataExchange(Dialog& dialog, bool saveAndValidate);

    bool Saving() const { return saving_; }
    bool Failed() const { return failed_; }
    Dialog& GetDialog() const { return dialog_; }

    // Window text of control `id`.
    void Text(int id, std::string& value);
    // Decimal integer: loading writes "%d"; saving accepts blanks around an optional sign and
    // digits, and refuses anything else (also an empty text or a value out of range).
    void Text(int id, int& value);
    void Text(int id, unsigned int& value);
    // Index of the checked button in the radio group that starts at `id` (-1: none checked).
    void Radio(int id, int& index);
    // Check state of a check box (BST_*).
    void Check(int id, int& state);
    // Selected index of a combo box (-1: none).
    void ComboIndex(int id, int& index);
    // Binds `control` to control `id` the first time (it then receives the control's
    // messages); nothing when it is bound already.
    void Control(int id, Window& control);

  private:
    Window* Item(int id);
    void Fail(int id, const char* message);

    Dialog& dialog_;
    bool saving_;
    bool failed_ = false;
};
