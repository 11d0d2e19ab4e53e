#include "frontend/fltk/combo_choice.h"

#include "frontend/fltk/text_mapping.h"

ComboChoice::ComboChoice(int x, int y, int w, int h, DesktopFont font)
    : Fl_Choice(x, y, w, h), font_(font) {
    textfont(font.face);
    textsize(font.size);
    down_box(FL_BORDER_BOX);
}

void ComboChoice::SetItems(const std::vector<std::string>& items, int selection) {
    if (items != items_ || menu_.empty()) {
        items_ = items;
        labels_.clear();
        for (const std::string& item : items) labels_.push_back(EscapeMenuLabel(item));
        menu_.assign(labels_.size() + 1, Fl_Menu_Item{});
        for (std::size_t i = 0; i < labels_.size(); ++i) {
            menu_[i].text = labels_[i].c_str();
            menu_[i].labelfont_ = font_.face;
            menu_[i].labelsize_ = font_.size;
        }
        menu(menu_.data());
    }
    if (selection >= 0 && selection < static_cast<int>(items_.size())) {
        value(selection);
    } else {
        value(static_cast<const Fl_Menu_Item*>(nullptr));
    }
    redraw();
}
