#include "diagnostics/c_eep_rom_access.h"

#include <algorithm>

#include "adapter/wlan_adapter.h"
#include "diagnostics/hex_field.h"
#include "platform/core/file_error.h"
#include "platform/core/text.h"
#include "platform/ui/open_file_dialog.h"
#include "platform/ui/window_manager.h"
#include "res/resource_ids.h"

namespace {

constexpr const char* kSizeFailedMessage = "Fail to get EEPRom size";
constexpr const char* kWriteFailedMessage = "Fail to read write";
constexpr const char* kSizeErrorMessage = "Size error, all of the item should be word-size";
constexpr const char* kDefaultExtension = "txt";
constexpr const char* kInitialName = "*.txt";

int WordIndex(DWORD value) { return static_cast<BYTE>(value); }

}  // namespace

CEEPRomAccess::CEEPRomAccess() : RegisterPage(IDD_EEPROM, IDC_EEP_OUTPUT, IDC_EEP_DATA) {}

void CEEPRomAccess::DoDataExchange(DataExchange& dx) {
    RegisterPage::DoDataExchange(dx);
    dx.Text(IDC_EEP_INDEX, index_);
}

bool CEEPRomAccess::OnCommand(int id, int code, HWND control) {
    if (id == IDC_FROM_FILE && code == BN_CLICKED) {
        OnFromFile();
        return true;
    }
    return RegisterPage::OnCommand(id, code, control);
}

std::size_t CEEPRomAccess::WordCount(WORD sizeBytes) {
    // Word indexes wrap at 256: words beyond would read and overwrite the first ones.
    return std::min<std::size_t>(sizeBytes / 2, kAddressableWords);
}

void CEEPRomAccess::OnRead() {
    if (Adapter() == nullptr) return;
    UpdateData(TRUE);
    WORD value = 0;
    if (!Adapter()->ReadEepromWord(WordIndex(ScanHexOrZero(index_)), value)) {
        ShowMessage(kReadFailedMessage);
        return;
    }
    data_ = StrFormat("%04x", value);
    UpdateData(FALSE);
}

void CEEPRomAccess::OnSet() {
    if (Adapter() == nullptr) return;
    UpdateData(TRUE);
    std::optional<DWORD> index = HexFieldForSet(index_);
    if (!index) return;
    std::optional<DWORD> value = HexFieldForSet(data_);
    if (!value) return;
    if (!Adapter()->WriteEepromWord(WordIndex(*index), static_cast<WORD>(*value))) {
        ShowMessage(kWriteFailedMessage);
    }
}

void CEEPRomAccess::OnReadAll() {
    if (Adapter() == nullptr) return;
    WORD size = 0;
    if (!Adapter()->GetEepromSize(size)) {
        ShowMessage(kSizeFailedMessage);
        return;
    }
    dumpWords_ = WordCount(size);
    Dump();
}

bool CEEPRomAccess::AppendDump(std::string& text) {
    for (std::size_t i = 0; i < dumpWords_; ++i) {
        WORD w = 0;
        if (!Adapter()->ReadEepromWord(WordIndex(static_cast<DWORD>(i)), w)) return false;
        if (i % kWordsPerLine == 0) {
            text += StrFormat("%03zx:\t%04x", i, w);
        } else {
            text += StrFormat(i % kWordsPerLine == kWordsPerLine - 1 ? "\t%04x\r\n" : "\t%04x", w);
        }
    }
    return true;
}

void CEEPRomAccess::OnFromFile() {
    OpenFileDialog dialog(kDefaultExtension, kInitialName, OFN_FILEMUSTEXIST, kFileFilter,
                          GetSafeHwnd());
    if (dialog.DoModal() != IDOK) return;
    BeginWaitCursor();
    std::string bytes;
    const FileError error = ReadFileBytes(dialog.GetPathName(), kMaxFileBytes, &bytes);
    if (error.cause != FileErrorCause::None) {
        EndWaitCursor();
        ReportFileError(error);
        return;
    }
    const EepromImage image = EepromImage::Parse(bytes);
    if (image.sizeError) ShowMessage(kSizeErrorMessage);
    const char* failure = Adapter() != nullptr ? WriteImage(image) : nullptr;
    EndWaitCursor();
    if (failure != nullptr) ShowMessage(failure);
}

const char* CEEPRomAccess::WriteImage(const EepromImage& image) {
    WORD size = 0;
    if (!Adapter()->GetEepromSize(size)) return kSizeFailedMessage;
    const std::size_t count = std::min(image.count, WordCount(size));
    for (std::size_t i = 0; i < count; ++i) {
        if (!Adapter()->WriteEepromWord(WordIndex(static_cast<DWORD>(i)), image.words[i])) {
            return kWriteFailedMessage;
        }
    }
    return nullptr;
}
