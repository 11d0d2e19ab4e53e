// A report-style list view: column headers with the model's widths, one row per item, the
// selected row highlighted. A tap on a row or a double tap is reported through the widget's
// callback; ClickedRow and DoubleClicked say which.
#pragma once

#include <FL/Fl_Table_Row.H>

#include <optional>
#include <string>
#include <vector>

#include "frontend/fltk/widget_geometry.h"

class ListTable : public Fl_Table_Row {
  public:
    ListTable(int x, int y, int w, int h, DesktopFont font, int scale);

    // Widths in toolkit pixels.
    void SetContent(const std::vector<std::string>& headers, const std::vector<int>& widths,
                    const std::vector<std::vector<std::string>>& cells, int selection);
    int ClickedRow() const { return clickedRow_; }
    // What a header or a cell shows; empty outside the table.
    std::string HeaderText(int column) const;
    std::string CellText(int row, int column) const;
    // Where a cell is drawn (window coordinates); nothing when it is scrolled out of sight.
    std::optional<WidgetBox> CellBox(int row, int column);
    bool DoubleClicked() const { return doubleClicked_; }

    int handle(int event) override;

  protected:
    void draw_cell(TableContext context, int row, int column, int x, int y, int w, int h) override;

  private:
    void DrawCellText(const std::string& text, int x, int y, int w, int h) const;

    DesktopFont font_;
    int scale_;
    int padding_;
    std::vector<std::string> columns_;
    std::vector<std::vector<std::string>> rows_;
    int clickedRow_ = -1;
    bool doubleClicked_ = false;
};
