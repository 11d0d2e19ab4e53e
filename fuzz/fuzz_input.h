// Structured values taken from the front of a fuzzer's input; when the input runs out, zeros.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

class FuzzInput {
  public:
    FuzzInput(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    template <class T>
    T Take() {
        T value{};
        size_t n = sizeof value < size_ ? sizeof value : size_;
        if (n > 0) std::memcpy(&value, data_, n);
        data_ += n;
        size_ -= n;
        return value;
    }
    std::vector<uint8_t> Bytes(size_t count) {
        size_t n = count < size_ ? count : size_;
        std::vector<uint8_t> bytes(data_, data_ + n);
        data_ += n;
        size_ -= n;
        return bytes;
    }
    std::vector<uint8_t> Rest() { return Bytes(size_); }
    bool Empty() const { return size_ == 0; }

  private:
    const uint8_t* data_;
    size_t size_;
};
