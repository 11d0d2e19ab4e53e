// A static control that shows a bitmap resource.
#pragma once

#include "platform/ui/window.h"

class PictureControl : public Window {
  public:
    explicit PictureControl(int bitmapId = 0) : bitmapId_(bitmapId) {}
    int BitmapId() const { return bitmapId_; }
    void SetBitmapId(int id);
    ControlKind Kind() const override { return ControlKind::Picture; }
    ControlState Describe() const override;
    bool TakeOver(Window& native) override;

  private:
    int bitmapId_;
};
