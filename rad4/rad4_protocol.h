// The protocol driver's side of its interface, shared by every driver: control codes and the
// request block layout as a driver reads them. Addresses in the block are caller-pointer tokens.
#pragma once

#include "platform/core/win_types.h"

namespace rad4 {

constexpr DWORD kGetApiVersion = 0x80002000;
constexpr DWORD kAttach = 0x80002008;
constexpr DWORD kDetach = 0x8000200C;
constexpr DWORD kEnumBindings = 0x80002010;
constexpr DWORD kOpenAdapter = 0x80002014;
constexpr DWORD kCloseAdapter = 0x8000201C;
constexpr DWORD kSubmitRequest = 0x80002040;
constexpr DWORD kSetRegistration = 0x80002044;
constexpr DWORD kGetRegistration = 0x80002048;
constexpr DWORD kQueryUnload = 0x8000204C;

constexpr const char16_t* kDeviceName = u"RAD4:";
constexpr const char16_t* kDriverFile = u"RIZOZID4.dll";
constexpr const char16_t* kStreamPrefix = u"RAD";
constexpr const char16_t* kRegistrationPrefix = u"PCA";
constexpr DWORD kRegistrationIndex = 4;
constexpr DWORD kRegistrationContext = 0x34414350;

// Request block: 152 bytes, of which the first 116 travel as the submit call's buffers.
constexpr DWORD kBlockSize = 152;
constexpr DWORD kDeclaredSize = 116;
constexpr DWORD kEventNameOffset = 12;
constexpr DWORD kEventNameUnits = 32;
constexpr DWORD kSubmitStatusOffset = 84;
constexpr DWORD kRecordOffset = 124;
// Fields of the request record, from its start.
constexpr DWORD kStatusField = 0;
constexpr DWORD kTypeField = 4;
constexpr DWORD kOidField = 8;
constexpr DWORD kLengthField = 12;
constexpr DWORD kBufferField = 16;
constexpr DWORD kTransferredField = 20;
constexpr DWORD kNeededField = 24;
// "RIZOZID4Evt-" + process id + "-" + block token, each 8 upper-case hexadecimal digits.
constexpr const char* kEventPrefix = "RIZOZID4Evt-";

constexpr DWORD kSubmitCompleted = 0;
constexpr DWORD kSubmitPending = 259;

}  // namespace rad4
