#pragma once
// Windows-1252 text: every file the program writes holds one byte per character in this code page,
// so a column position in a log line is a byte position. A character the code page cannot hold is
// refused here, before it can reach a file.

#include <optional>
#include <string>
#include <string_view>

namespace orv {

// The Unicode character of one byte. The five bytes the code page leaves undefined (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) map to the control character of the same value, so that a hand-edited file
// always loads and is written back byte for byte.
char16_t cp1252ToUnicode(unsigned char byte);

// The byte of one Unicode character, or nothing when the code page cannot hold it.
std::optional<unsigned char> unicodeToCp1252(char32_t character);

std::u16string decodeCp1252(std::string_view bytes);

// Nothing when any character (a lone surrogate or one outside the code page) cannot be held.
std::optional<std::string> encodeCp1252(std::u16string_view text);

std::string cp1252ToUtf8(std::string_view bytes);

// Nothing when the UTF-8 text is malformed or holds a character outside the code page.
std::optional<std::string> utf8ToCp1252(std::string_view text);

// Capitals and small letters of the code page: a-z, the accented letters 0xE0-0xFE (but 0xF7),
// and the pairs š/Š, œ/Œ, ž/Ž, ÿ/Ÿ. Other bytes (ß, µ, digits, signs) are left as they are.
char toUpperCp1252(char byte);
char toLowerCp1252(char byte);
std::string toUpperCp1252(std::string_view text);
std::string toLowerCp1252(std::string_view text);

}  // namespace orv
