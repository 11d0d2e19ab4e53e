// Text of a registry file in the export format (UTF-8, LF line ends):
//   Windows Registry Editor Version 5.00
//
//   [HKEY_LOCAL_MACHINE\Comm\KESTREL1\Parms]
//   "Ssid"="home"            strings: REG_SZ, \ and " escaped with a backslash
//   "DebugModule"=dword:0000000c
//   "Blob"=hex:01,02          REG_BINARY; other types hex(N):, e.g. REG_MULTI_SZ as UTF-16LE
//   @="default value"
// Every key is written, also one without values, so that created keys survive a reload.
#pragma once

#include <string>

#include "platform/registry/registry_key.h"

extern const char kRegistryFileHeader[];

std::string FormatRegistryFile(const RegistryKey& root);
// Quoted, with backslash and double quote escaped.
std::string QuoteRegistryText(const std::string& text);
