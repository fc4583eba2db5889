// Character-level helpers of the program text: UTF-8 validation, Windows-1252 decoding and
// encoding for files written by older tools, and the locale-independent upper-casing of
// statements.
#pragma once

#include <string>
#include <string_view>

namespace velk {

// True when `octets` is well-formed UTF-8 (no overlong forms, no surrogates, nothing
// above U+10FFFF).
bool EstUtf8Valide(std::string_view octets);

// Decodes Windows-1252 bytes into UTF-8. The five bytes that code page leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the control characters of the same value.
std::string Windows1252VersUtf8(std::string_view octets);

// Encodes well-formed UTF-8 as Windows-1252, the exact inverse of Windows1252VersUtf8.
// Returns false, leaving `sortie` unspecified, when a character has no byte in that code
// page (or the input is not well-formed UTF-8).
bool Utf8VersWindows1252(std::string_view utf8, std::string& sortie);

// Replaces every ill-formed UTF-8 sequence by U+FFFD, so that text shown or written as
// UTF-8 is always well formed.
std::string Utf8Assaini(std::string_view octets);

// Reduces one line: removes every blank (character 32, nothing else) and upper-cases the
// ASCII letters a to z, whatever the user's locale. Every other character stays as it is:
// case mappings outside ASCII would turn letters such as the dotless i or the sharp s into
// the language's own letters ("I", "SS"). Writes into `sortie` so that a run can reuse
// one buffer.
void EnleveBlancs(std::string_view ligne, std::string& sortie);
std::string EnleveBlancs(std::string_view ligne);

} // namespace velk
