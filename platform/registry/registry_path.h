// Key paths and name comparison: names compare case-insensitively (ASCII) but keep their spelling.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Key names from HKEY_LOCAL_MACHINE down, UTF-8.
using RegistryPath = std::vector<std::string>;

// The registry's own limits: keys nest at most 512 levels below the root, and a key name has at
// most 255 UTF-16 units.
constexpr std::size_t kMaxKeyDepth = 512;
constexpr std::size_t kMaxKeyNameUnits = 255;

// -1, 0 or 1, comparing ASCII letters without regard to case.
int CompareNames(std::string_view a, std::string_view b);
// False for a name that cannot be stored in the registry file (line breaks).
bool IsValidName(std::string_view name);
// Splits "A\B\C" (one trailing backslash allowed, empty text = no components); nullopt for an
// empty component or an invalid name.
std::optional<RegistryPath> SplitRegistryPath(std::string_view text);
std::string JoinRegistryPath(const RegistryPath& path);
// Empty when the path keeps the limits above, else which one it breaks ("expected a key ...").
std::string KeyPathProblem(const RegistryPath& path);
