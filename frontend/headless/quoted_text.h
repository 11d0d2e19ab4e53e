// Double-quoted text as scripts and dumps write it: `"` and `\` are escaped with a backslash,
// newline, carriage return and tab as \n, \r and \t, other control characters as \xNN. Bytes
// from 0x80 up (UTF-8) pass through unchanged.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The text in quotes, escaped.
std::string QuoteText(std::string_view text);

// Reads a quoted text at the start of `input` (which must begin with `"`): the unescaped text
// and, in `consumed`, how many characters the quoted form took. Nothing (and `error` set) for
// a missing closing quote or an unknown escape.
std::optional<std::string> UnquoteText(std::string_view input, std::size_t& consumed,
                                       std::string& error);
