#include "model/cp1252.h"

#include <array>

namespace orv {
namespace {

// 0x80-0x9F; the five bytes the code page leaves undefined keep their own value.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 0x98
};

// Every character of the code page lies below U+10000, so three bytes at most.
void appendUtf8(std::string& out, char16_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

struct Utf8Lead {
    int continuationBytes;
    char32_t bits;
    char32_t smallest;  // below it the sequence is overlong
};

std::optional<Utf8Lead> utf8Lead(unsigned char lead) {
    if ((lead & 0xE0) == 0xC0) {
        return Utf8Lead{1, lead & 0x1Fu, 0x80};
    }
    if ((lead & 0xF0) == 0xE0) {
        return Utf8Lead{2, lead & 0x0Fu, 0x800};
    }
    if ((lead & 0xF8) == 0xF0) {
        return Utf8Lead{3, lead & 0x07u, 0x10000};
    }
    return std::nullopt;
}

// The code point starting at text[pos], advancing pos; nothing for malformed UTF-8 (truncated,
// overlong, surrogate or beyond U+10FFFF).
std::optional<char32_t> nextUtf8(std::string_view text, std::size_t& pos) {
    const auto first = static_cast<unsigned char>(text[pos++]);
    if (first < 0x80) {
        return first;
    }
    const auto lead = utf8Lead(first);
    if (!lead) {
        return std::nullopt;
    }
    char32_t c = lead->bits;
    for (int i = 0; i < lead->continuationBytes; ++i) {
        if (pos >= text.size() || (static_cast<unsigned char>(text[pos]) & 0xC0) != 0x80) {
            return std::nullopt;
        }
        c = (c << 6) | (static_cast<unsigned char>(text[pos++]) & 0x3F);
    }
    if (c < lead->smallest || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        return std::nullopt;
    }
    return c;
}

}  // namespace

char16_t cp1252ToUnicode(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) {
        return kHighControls[byte - 0x80];
    }
    return byte;
}

std::optional<unsigned char> unicodeToCp1252(char32_t character) {
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF)) {
        return static_cast<unsigned char>(character);
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == character) {
            return static_cast<unsigned char>(0x80 + i);
        }
    }
    return std::nullopt;
}

std::u16string decodeCp1252(std::string_view bytes) {
    std::u16string text;
    text.reserve(bytes.size());
    for (const char byte : bytes) {
        text += cp1252ToUnicode(static_cast<unsigned char>(byte));
    }
    return text;
}

std::optional<std::string> encodeCp1252(std::u16string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (const char16_t unit : text) {
        // A surrogate is never in the table, so a lone one and a pair are both refused.
        const auto byte = unicodeToCp1252(unit);
        if (!byte) {
            return std::nullopt;
        }
        bytes += static_cast<char>(*byte);
    }
    return bytes;
}

std::string cp1252ToUtf8(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size() * 2);
    for (const char byte : bytes) {
        appendUtf8(text, cp1252ToUnicode(static_cast<unsigned char>(byte)));
    }
    return text;
}

std::optional<std::string> utf8ToCp1252(std::string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        const auto character = nextUtf8(text, pos);
        const auto byte = character ? unicodeToCp1252(*character) : std::nullopt;
        if (!byte) {
            return std::nullopt;
        }
        bytes += static_cast<char>(*byte);
    }
    return bytes;
}

char toUpperCp1252(char byte) {
    const auto b = static_cast<unsigned char>(byte);
    if ((b >= 'a' && b <= 'z') || (b >= 0xE0 && b <= 0xFE && b != 0xF7)) {
        return static_cast<char>(b - 0x20);
    }
    switch (b) {
        case 0x9A:  // š
        case 0x9C:  // œ
        case 0x9E:  // ž
            return static_cast<char>(b - 0x10);
        case 0xFF:  // ÿ
            return static_cast<char>(0x9F);
        default:
            return byte;
    }
}

char toLowerCp1252(char byte) {
    const auto b = static_cast<unsigned char>(byte);
    if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7)) {
        return static_cast<char>(b + 0x20);
    }
    switch (b) {
        case 0x8A:  // Š
        case 0x8C:  // Œ
        case 0x8E:  // Ž
            return static_cast<char>(b + 0x10);
        case 0x9F:  // Ÿ
            return static_cast<char>(0xFF);
        default:
            return byte;
    }
}

std::string toUpperCp1252(std::string_view text) {
    std::string result(text);
    for (char& c : result) {
        c = toUpperCp1252(c);
    }
    return result;
}

std::string toLowerCp1252(std::string_view text) {
    std::string result(text);
    for (char& c : result) {
        c = toLowerCp1252(c);
    }
    return result;
}

}  // namespace orv
