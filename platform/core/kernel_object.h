// Base of everything a handle can refer to.
#pragma once

class KernelObject {
  public:
    virtual ~KernelObject() = default;
    // Called when a handle to the object is closed, once per handle the table gave out.
    virtual void OnClose() {}
};
