// Texts and text layout of the model in the toolkit's terms.
#pragma once

#include <FL/Enumerations.H>

#include <string>
#include <utility>
#include <vector>

#include "platform/gdi/gdi_types.h"

// Alignment inside a rectangle for DrawText format flags: horizontal from DT_CENTER/DT_RIGHT,
// vertical centring and bottom alignment only on a single line (as DrawText does), word
// wrapping for DT_WORDBREAK.
Fl_Align DrawTextAlign(UINT format);
// Alignment of a static control's text by its SS_* style: top-aligned and wrapped.
Fl_Align StaticAlign(DWORD style);

// A widget label showing `text` literally except for '&', which marks the underlined
// mnemonic in both systems.
std::string EscapeLabel(const std::string& text);
// A menu entry showing `text` literally ('&' included).
std::string EscapeMenuLabel(const std::string& text);

// Multi-line edit text: the model separates lines with CR LF, the toolkit with LF.
std::string ToDesktopLines(const std::string& modelText);
std::string ToModelLines(const std::string& desktopText);

// The file chooser's filter text for (description, "*.a;*.b") pairs: entries divided by tabs,
// each "description (pattern)" with several patterns as "{*.a,*.b}".
std::string FileChooserFilter(const std::vector<std::pair<std::string, std::string>>& filters);
