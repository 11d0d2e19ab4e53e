// The protocol driver's control codes and registration parameters.
#pragma once

#include "platform/core/win_types.h"

constexpr DWORD RAD4_DEVICE_TYPE = 0x8000;
constexpr DWORD Rad4Code(DWORD function) {
    return CTL_CODE(RAD4_DEVICE_TYPE, function, METHOD_BUFFERED, FILE_ANY_ACCESS);
}

constexpr DWORD IOCTL_RAD4_GET_API_VERSION = Rad4Code(0x800);
constexpr DWORD IOCTL_RAD4_ATTACH = Rad4Code(0x802);
constexpr DWORD IOCTL_RAD4_DETACH = Rad4Code(0x803);
constexpr DWORD IOCTL_RAD4_ENUM_BINDINGS = Rad4Code(0x804);
constexpr DWORD IOCTL_RAD4_OPEN_ADAPTER = Rad4Code(0x805);
constexpr DWORD IOCTL_RAD4_CLOSE_ADAPTER = Rad4Code(0x807);
constexpr DWORD IOCTL_RAD4_SUBMIT_REQUEST = Rad4Code(0x810);
constexpr DWORD IOCTL_RAD4_SET_REGISTRATION = Rad4Code(0x811);
constexpr DWORD IOCTL_RAD4_GET_REGISTRATION = Rad4Code(0x812);
constexpr DWORD IOCTL_RAD4_QUERY_UNLOAD = Rad4Code(0x813);
static_assert(IOCTL_RAD4_GET_API_VERSION == 0x80002000);
static_assert(IOCTL_RAD4_ATTACH == 0x80002008);
static_assert(IOCTL_RAD4_DETACH == 0x8000200C);
static_assert(IOCTL_RAD4_ENUM_BINDINGS == 0x80002010);
static_assert(IOCTL_RAD4_OPEN_ADAPTER == 0x80002014);
static_assert(IOCTL_RAD4_CLOSE_ADAPTER == 0x8000201C);
static_assert(IOCTL_RAD4_SUBMIT_REQUEST == 0x80002040);
static_assert(IOCTL_RAD4_SET_REGISTRATION == 0x80002044);
static_assert(IOCTL_RAD4_GET_REGISTRATION == 0x80002048);
static_assert(IOCTL_RAD4_QUERY_UNLOAD == 0x8000204C);

constexpr const char16_t* RAD4_DEVICE_NAME = u"RAD4:";
constexpr const char16_t* RAD4_REGISTRATION_PREFIX = u"PCA";
constexpr DWORD RAD4_REGISTRATION_INDEX = 4;
constexpr const char16_t* RAD4_DRIVER_FILE = u"RIZOZID4.dll";
constexpr DWORD RAD4_REGISTRATION_CONTEXT = 0x34414350;  // 'P','C','A','4'
constexpr const char* RAD4_EVENT_PREFIX = "RIZOZID4";

// The library's interface version; compatible versions agree in bits 8 to 15.
constexpr DWORD RAD4_LIBRARY_API_VERSION = 0x0400040E;

// The enumeration buffer the link uses: 64 UTF-16 units.
constexpr DWORD RAD4_BINDINGS_BUFFER_SIZE = 128;
