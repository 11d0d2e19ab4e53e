// Base of everything a handle can refer to.
#pragma once

class KernelObject {
  public:
    virtual ~KernelObject() = default;
    // Called once when the last handle to the object is closed.
    virtual void OnClose() {}
};
