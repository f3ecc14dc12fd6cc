#include <gtest/gtest.h>

#include "model/cp1252.h"

namespace orv {
namespace {

TEST(Cp1252Test, HighControlBytesMapToTheirCharacters) {
    const std::u16string expected =
        u"\u20AC\u0081\u201A\u0192\u201E\u2026\u2020\u2021\u02C6\u2030\u0160\u2039\u0152\u008D"
        u"\u017D\u008F\u0090\u2018\u2019\u201C\u201D\u2022\u2013\u2014\u02DC\u2122\u0161\u203A"
        u"\u0153\u009D\u017E\u0178";
    for (unsigned byte = 0x80; byte <= 0x9F; ++byte) {
        EXPECT_EQ(cp1252ToUnicode(static_cast<unsigned char>(byte)), expected[byte - 0x80])
            << std::hex << byte;
    }
}

TEST(Cp1252Test, EveryByteSurvivesARoundTrip) {
    std::string all;
    for (int byte = 0; byte < 256; ++byte) {
        all += static_cast<char>(byte);
        EXPECT_EQ(unicodeToCp1252(cp1252ToUnicode(static_cast<unsigned char>(byte))), byte);
    }
    EXPECT_EQ(encodeCp1252(decodeCp1252(all)), all);
    EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(all)), all);
    EXPECT_EQ(cp1252ToUtf8("\x80 \xE9"), "\u20AC \u00E9");
}

TEST(Cp1252Test, CharactersOutsideTheCodePageAreRefused) {
    const std::vector<std::u16string> refused = {u"\u0141", u"a\u2192b", u"\U0001F600",
                                                 std::u16string(1, char16_t(0xD800)), u"\u0080"};
    for (const auto& text : refused) {
        EXPECT_FALSE(encodeCp1252(text));
    }
    const std::vector<std::string> refusedUtf8 = {
        "\u0141", "a\u2192b", "\U0001F600", "\xED\xA0\x80", "\xC3", "\xC0\xAF", "\xFF", "\u0080"};
    for (const auto& text : refusedUtf8) {
        EXPECT_FALSE(utf8ToCp1252(text)) << text;
    }
    EXPECT_FALSE(unicodeToCp1252(0x1F600));
}

TEST(Cp1252Test, CaseChangesOnlyLettersWithAPair) {
    // small, capital
    const std::vector<std::pair<unsigned char, unsigned char>> pairs = {
        {'a', 'A'},   {'z', 'Z'},   {0xE0, 0xC0}, {0xE9, 0xC9}, {0xFE, 0xDE},
        {0x9A, 0x8A}, {0x9C, 0x8C}, {0x9E, 0x8E}, {0xFF, 0x9F}};
    for (const auto& [small, capital] : pairs) {
        EXPECT_EQ(static_cast<unsigned char>(toUpperCp1252(static_cast<char>(small))), capital);
        EXPECT_EQ(static_cast<unsigned char>(toLowerCp1252(static_cast<char>(capital))), small);
    }
    for (const int same : {0xDF, 0xB5, 0xF7, 0xD7, int{'1'}, int{'_'}, 0x80}) {
        EXPECT_EQ(toUpperCp1252(static_cast<char>(same)), static_cast<char>(same));
        EXPECT_EQ(toLowerCp1252(static_cast<char>(same)), static_cast<char>(same));
    }
    EXPECT_EQ(toUpperCp1252("b\xE9rang\xE8re \xFF"), "B\xC9RANG\xC8RE \x9F");
    EXPECT_EQ(toLowerCp1252("F4ABC \xC9"), "f4abc \xE9");
}

}  // namespace
}  // namespace orv
