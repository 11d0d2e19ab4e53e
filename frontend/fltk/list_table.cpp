#include "frontend/fltk/list_table.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>

#include <algorithm>

#include "platform/gdi/gdi.h"

ListTable::ListTable(int x, int y, int w, int h, DesktopFont font, int scale)
    : Fl_Table_Row(x, y, w, h), font_(font), scale_(scale), padding_(3 * scale) {
    end();  // nothing else goes into the table's group
    type(SELECT_SINGLE);
    when(FL_WHEN_NEVER);  // the callback runs for taps on rows only (handle)
    col_header(1);
    row_header(0);
    col_resize(0);
    col_header_height((kSystemFontHeight + 6) * scale);
    row_height_all((kSystemFontHeight + 4) * scale);
    color(FL_WHITE);
    selection_color(FL_SELECTION_COLOR);
}

void ListTable::SetContent(const std::vector<std::string>& headers, const std::vector<int>& widths,
                           const std::vector<std::vector<std::string>>& cells, int selection) {
    columns_ = headers;
    rows_ = cells;
    cols(static_cast<int>(columns_.size()));
    for (int c = 0; c < cols() && c < static_cast<int>(widths.size()); ++c) {
        col_width(c, std::max(widths[static_cast<std::size_t>(c)], 0));
    }
    rows(static_cast<int>(rows_.size()));
    row_height_all((kSystemFontHeight + 4) * scale_);
    select_all_rows(0);
    if (selection >= 0 && selection < rows()) select_row(selection, 1);
    redraw();
}

std::string ListTable::HeaderText(int column) const {
    const auto c = static_cast<std::size_t>(column);
    return column >= 0 && c < columns_.size() ? columns_[c] : std::string();
}

std::string ListTable::CellText(int row, int column) const {
    const auto r = static_cast<std::size_t>(row);
    const auto c = static_cast<std::size_t>(column);
    if (row < 0 || column < 0 || r >= rows_.size() || c >= rows_[r].size()) return std::string();
    return rows_[r][c];
}

std::optional<WidgetBox> ListTable::CellBox(int row, int column) {
    WidgetBox box;
    if (find_cell(CONTEXT_CELL, row, column, box.x, box.y, box.w, box.h) != 0) return std::nullopt;
    return box;
}

int ListTable::handle(int event) {
    if (event != FL_PUSH) return Fl_Table_Row::handle(event);
    int row = -1;
    int column = -1;
    ResizeFlag resize = RESIZE_NONE;
    const TableContext context = cursor2rowcol(row, column, resize);
    const bool doubleClick = Fl::event_clicks() > 0;
    const int handled = Fl_Table_Row::handle(event);
    if (context != CONTEXT_CELL) return handled;
    clickedRow_ = row;
    doubleClicked_ = doubleClick;
    Fl_Widget::do_callback();  // the model may rebuild the window: nothing of this object after it
    return 1;
}

void ListTable::draw_cell(TableContext context, int row, int column, int x, int y, int w, int h) {
    switch (context) {
        case CONTEXT_COL_HEADER:
            fl_push_clip(x, y, w, h);
            fl_draw_box(FL_THIN_UP_BOX, x, y, w, h, FL_BACKGROUND_COLOR);
            fl_color(FL_FOREGROUND_COLOR);
            if (column >= 0 && column < static_cast<int>(columns_.size()))
                DrawCellText(columns_[static_cast<std::size_t>(column)], x, y, w, h);
            fl_pop_clip();
            return;
        case CONTEXT_CELL: {
            fl_push_clip(x, y, w, h);
            const bool selected = row_selected(row) == 1;
            fl_rectf(x, y, w, h, selected ? selection_color() : color());
            fl_color(selected ? fl_contrast(FL_FOREGROUND_COLOR, selection_color())
                              : FL_FOREGROUND_COLOR);
            if (row >= 0 && row < static_cast<int>(rows_.size())) {
                const auto& cells = rows_[static_cast<std::size_t>(row)];
                if (column >= 0 && column < static_cast<int>(cells.size()))
                    DrawCellText(cells[static_cast<std::size_t>(column)], x, y, w, h);
            }
            fl_pop_clip();
            return;
        }
        default:
            return;
    }
}

void ListTable::DrawCellText(const std::string& text, int x, int y, int w, int h) const {
    fl_font(font_.face, font_.size);
    fl_draw(text.c_str(), x + padding_, y, w - padding_, h, FL_ALIGN_LEFT, nullptr, 0);
}
