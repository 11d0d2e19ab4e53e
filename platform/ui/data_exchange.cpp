#include "platform/ui/data_exchange.h"

#include <cctype>
#include <climits>

#include "platform/core/message_box.h"
#include "platform/core/text.h"
#include "platform/ui/button.h"
#include "platform/ui/dialog.h"

namespace {

constexpr const char* kEnterPositiveIntegerMessage = "Please enter a positive integer.";

// Blanks, an optional sign, digits, blanks: the whole text, within [min, max].
bool ParseInteger(const std::string& text, long long min, long long max, long long& value) {
    std::size_t i = 0;
    auto skipBlanks = [&] {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    };
    skipBlanks();
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    std::size_t digits = 0;
    long long magnitude = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i, ++digits) {
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > max + 1LL) return false;  // out of range whatever follows
    }
    skipBlanks();
    if (digits == 0 || i != text.size()) return false;
    long long result = negative ? -magnitude : magnitude;
    if (result < min || result > max) return false;
    value = result;
    return true;
}

}  // namespace

DataExchange::DataExchange(Dialog& dialog, bool saveAndValidate)
    : dialog_(dialog), saving_(saveAndValidate) {}

Window* DataExchange::Item(int id) { return failed_ ? nullptr : dialog_.GetDlgItem(id); }

void DataExchange::Fail(int, const char* message) {
    Window* top = dialog_.TopLevel();
    MessageBox(dialog_.Handle(), message, top->GetWindowText(), MB_OK | MB_ICONWARNING);
    failed_ = true;
}

void DataExchange::Text(int id, std::string& value) {
    Window* item = Item(id);
    if (item == nullptr) return;
    if (saving_) {
        value = item->GetWindowText();
    } else {
        item->SetWindowText(value);
    }
}

void DataExchange::Text(int id, int& value) {
    Window* item = Item(id);
    if (item == nullptr) return;
    if (!saving_) {
        item->SetWindowText(StrFormat("%d", value));
        return;
    }
    long long parsed = 0;
    if (!ParseInteger(item->GetWindowText(), INT_MIN, INT_MAX, parsed)) {
        Fail(id, kEnterIntegerMessage);
        return;
    }
    value = static_cast<int>(parsed);
}

void DataExchange::Text(int id, unsigned int& value) {
    Window* item = Item(id);
    if (item == nullptr) return;
    if (!saving_) {
        item->SetWindowText(StrFormat("%u", value));
        return;
    }
    long long parsed = 0;
    if (!ParseInteger(item->GetWindowText(), 0, UINT_MAX, parsed)) {
        Fail(id, kEnterPositiveIntegerMessage);
        return;
    }
    value = static_cast<unsigned int>(parsed);
}

void DataExchange::Radio(int id, int& index) {
    Window* item = Item(id);
    if (item == nullptr) return;
    std::vector<Button*> group = RadioGroupFrom(*item);
    if (saving_) {
        index = -1;
        for (std::size_t i = 0; i < group.size(); ++i) {
            if (group[i]->GetCheck() != BST_UNCHECKED) index = static_cast<int>(i);
        }
        return;
    }
    for (std::size_t i = 0; i < group.size(); ++i)
        group[i]->SetCheck(static_cast<int>(i) == index ? BST_CHECKED : BST_UNCHECKED);
}

void DataExchange::Check(int id, int& state) {
    auto* button = dynamic_cast<Button*>(Item(id));
    if (button == nullptr) return;
    if (saving_) {
        state = button->GetCheck();
    } else {
        button->SetCheck(state);
    }
}

void DataExchange::ComboIndex(int id, int& index) {
    Window* item = Item(id);
    if (item == nullptr) return;
    if (saving_) {
        index = static_cast<int>(item->SendMessage(CB_GETCURSEL, 0, 0));
    } else {
        item->SendMessage(CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    }
}

void DataExchange::Control(int id, Window& control) {
    if (failed_ || control.Handle() != 0) return;
    dialog_.BindControl(id, control);
}
