// Dialog units to pixels for the templates' font ("System" 8).
//
// The font's average character is 6 x 12 pixels, so 4 horizontal dialog units are 6 pixels and
// 8 vertical ones are 12: x * 6 / 4 and y * 12 / 8, rounded to the nearest pixel (halves away
// from zero), as MapDialogRect does with its base units.
#pragma once

#include "platform/gdi/gdi_types.h"

constexpr int kDialogBaseUnitX = 6;
constexpr int kDialogBaseUnitY = 12;

int DialogUnitsToPixelsX(int du);
int DialogUnitsToPixelsY(int du);
// Converts a rectangle in place, like MapDialogRect.
void MapDialogRect(RECT* rect);
