// The EEPROM page: reads, writes and dumps the card's 16-bit EEPROM words, and writes an image
// from a text file (EepromImage). Both fields are hexadecimal texts the page reads itself;
// only the low 8 bits of a word index reach the adapter, so the page works on the first 256
// words at most.
#pragma once

#include <cstddef>
#include <string>

#include "diagnostics/eeprom_image.h"
#include "diagnostics/register_page.h"

class CEEPRomAccess : public RegisterPage {
  public:
    static constexpr std::size_t kAddressableWords = 256;
    static constexpr std::size_t kWordsPerLine = 4;
    // Image files larger than this are refused as a file error.
    static constexpr std::size_t kMaxFileBytes = 1 << 20;
    static constexpr const char* kFileFilter =
        "Text Files (*.txt) | *.txt | All Files (*.*) | *.* ||";

    CEEPRomAccess();

  protected:
    void DoDataExchange(DataExchange& dx) override;
    bool OnCommand(int id, int code, HWND control) override;
    void OnRead() override;
    void OnSet() override;
    void OnReadAll() override;
    void OnFromFile();

  private:
    // The words of an EEPROM of `sizeBytes` bytes that the page reaches.
    static std::size_t WordCount(WORD sizeBytes);
    // Appends lines of four words: "%03x:\t%04x", then "\t%04x", CR LF after the fourth.
    bool AppendDump(std::string& text) override;
    // Writes the image's words the EEPROM holds; the message of a failure, else null.
    const char* WriteImage(const EepromImage& image);

    std::string index_;
    std::size_t dumpWords_ = 0;  // the words the dump being built covers
};
