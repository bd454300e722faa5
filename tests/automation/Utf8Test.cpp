#include "platform/automation/Utf8.h"

#include <gtest/gtest.h>

#include <string>

using namespace corvane;

namespace
{

struct TextCase {
    std::string in;
    std::string out;
};

TEST(Utf8, PrintableTextIsValidUtf8OnOneLine)
{
    const TextCase cases[] = {
        {"Corvane.QxMonth", "Corvane.QxMonth"},
        {"农历 \"quoted\" \\", "农历 \"quoted\" \\"},
        {"\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80"}, // four-byte character
        {"a\nb\tc\rd", "a\\nb\\tc\\rd"},
        {"\x1b[2J\x7f", "\\x1b[2J\\x7f"},
        {"bad\xFF\xFE", "bad\\xff\\xfe"},
        {"\xC3(", "\\xc3("}, // a lead byte without its continuation
        {"\xE4\xB8", "\\xe4\\xb8"}, // a character cut short at the end
        {"\xC0\xAF", "\\xc0\\xaf"}, // overlong '/'
        {"\xED\xA0\x80", "\\xed\\xa0\\x80"}, // a surrogate
        {"\xF4\x90\x80\x80", "\\xf4\\x90\\x80\\x80"}, // above U+10FFFF
        {std::string("nul\0in", 6), "nul\\x00in"},
    };
    for (const TextCase &c : cases) {
        const std::string printable = PrintableText(c.in);
        EXPECT_EQ(printable, c.out);
        EXPECT_TRUE(IsValidUtf8(printable)) << c.out;
    }
}

TEST(Utf8, CopyAsUtf8EscapesWhatIsNotUtf8AndNeverSplitsAtTheEnd)
{
    struct Case {
        std::string in;
        std::size_t room;
        std::string out;
    };
    const Case cases[] = {
        {"abc", 10, "abc"},
        {"abc", 2, "ab"},
        {"a\xFF", 10, "a\\xff"},
        {"a\xFF", 4, "a"}, // the escape does not fit whole
        {"农历", 5, "农"}, // neither does the second character
        {"农历", 6, "农历"},
        {"x\n", 5, "x\n"}, // line breaks are the caller's business here
    };
    for (const Case &c : cases) {
        std::string buffer(c.room, '#');
        const std::size_t written = CopyAsUtf8(buffer.data(), c.room, c.in);
        EXPECT_EQ(buffer.substr(0, written), c.out) << c.in << " in " << c.room;
    }
}

} // namespace
