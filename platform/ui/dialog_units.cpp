#include "platform/ui/dialog_units.h"

namespace {

// value * numerator / denominator rounded to the nearest integer, halves away from zero.
int MulDivRound(int value, int numerator, int denominator) {
    long long product = static_cast<long long>(value) * numerator;
    long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator
                                         : -((-product + half) / denominator));
}

}  // namespace

int DialogUnitsToPixelsX(int du) { return MulDivRound(du, kDialogBaseUnitX, 4); }

int DialogUnitsToPixelsY(int du) { return MulDivRound(du, kDialogBaseUnitY, 8); }

void MapDialogRect(RECT* rect) {
    if (rect == nullptr) return;
    rect->left = DialogUnitsToPixelsX(rect->left);
    rect->right = DialogUnitsToPixelsX(rect->right);
    rect->top = DialogUnitsToPixelsY(rect->top);
    rect->bottom = DialogUnitsToPixelsY(rect->bottom);
}
