// The MAC register page: reads, writes and dumps the chip's 32-bit MAC registers at byte
// addresses 0x000 to 0x4FC. Both fields are hexadecimal texts the page reads itself.
#pragma once

#include <string>

#include "diagnostics/register_page.h"

class CMCR : public RegisterPage {
  public:
    static constexpr DWORD kDumpEnd = 0x500;
    static constexpr DWORD kLineBytes = 16;

    CMCR();

  protected:
    void DoDataExchange(DataExchange& dx) override;
    void OnRead() override;
    void OnSet() override;
    // Appends the 80 lines "%04x: " + four "%08x " values, separated by CR LF.
    bool AppendDump(std::string& text) override;

  private:
    std::string address_;
};
