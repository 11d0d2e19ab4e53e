// The baseband register page: reads, writes and dumps the radio chip's 128 one-byte baseband
// registers. The index field is decimal, the data field hexadecimal; only the low 8 bits of
// either reach the adapter.
#pragma once

#include <string>

#include "diagnostics/register_page.h"

class CBBCR : public RegisterPage {
  public:
    static constexpr int kRegisterCount = 128;
    static constexpr int kRegistersPerLine = 8;

    CBBCR();

  protected:
    void DoDataExchange(DataExchange& dx) override;
    void OnRead() override;
    void OnSet() override;
    // Appends the 16 lines "%04d:\t" + eight "%02x" values, each line ending in CR LF.
    bool AppendDump(std::string& text) override;

  private:
    int index_ = 0;
};
