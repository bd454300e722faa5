#include "DisplayWidth.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cwchar>
#include <locale.h>
#include <string>

using namespace corvane::corvcal;

namespace
{

TEST(DisplayWidth, CountsTheColumnsATerminalGives)
{
    const std::pair<std::string, int> cases[] = {
        {"", 0},
        {"小寒：5日20时26分", 17}, // the colon is fullwidth
        {"(马) 2002", 9},
        {"e\xcc\x81", 1}, // e and a combining acute accent
        {"\xe2\x80\x8b\x1b", 0}, // a zero-width space, a control character
        {"\xef\xbd\xb1\xef\xbc\xa1", 3}, // halfwidth katakana, fullwidth A
        {"\xff\xe5\x86", 3}, // malformed: a column for each byte
    };
    for (const auto &[text, width] : cases)
        EXPECT_EQ(DisplayWidth(text), width) << text;
}

// Our tables against the C library's wcwidth in its built-in UTF-8 locale: the wide characters
// everywhere, and every character of the blocks corvcal prints from.
TEST(DisplayWidth, AgreesWithTheCLibrary)
{
    const locale_t utf8 = newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t(0));
    if (utf8 == locale_t(0))
        GTEST_SKIP() << "no C.UTF-8 locale";
    const locale_t previous = uselocale(utf8);
    // clang-format off
    const std::pair<char32_t, char32_t> blocks[] = {{0x0000, 0x036F}, {0x1100, 0x11FF}, {0x2000, 0x206F},
        {0x2E80, 0x9FFF}, {0xAC00, 0xD7FF}, {0xF900, 0xFAFF}, {0xFE00, 0xFFFD}, {0x1F000, 0x1FAFF}, {0x20000, 0x3FFFD}};
    // clang-format on
    int checked = 0;
    for (char32_t c = 0; c <= 0x10FFFF; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF)
            continue;
        const int theirs = wcwidth(wchar_t(c));
        const int ours = CodepointWidth(c);
        bool inBlock = false;
        for (const auto &[first, last] : blocks)
            inBlock = inBlock || (c >= first && c <= last);
        // Unassigned characters (wcwidth -1 past the controls) have no width to agree on.
        if (theirs == 2 || ours == 2 || (inBlock && (theirs >= 0 || c < 0xA0))) {
            ASSERT_EQ(ours, theirs) << std::hex << "U+" << unsigned(c);
            ++checked;
        }
    }
    uselocale(previous);
    freelocale(utf8);
    EXPECT_GT(checked, 100000);
}

} // namespace
