#include "platform/ui/picture_control.h"

void PictureControl::SetBitmapId(int id) {
    if (bitmapId_ == id) return;
    bitmapId_ = id;
    NotifyChanged();
}

ControlState PictureControl::Describe() const {
    ControlState state = Window::Describe();
    state.bitmapId = bitmapId_;
    return state;
}

bool PictureControl::TakeOver(Window& native) {
    auto* picture = dynamic_cast<PictureControl*>(&native);
    if (picture == nullptr || !CanTakeOver(native)) return false;
    bitmapId_ = picture->bitmapId_;
    return Window::TakeOver(native);
}
