#include "RunCorvcal.h"

#include "JsonWriter.h"

#include <gtest/gtest.h>

using namespace corvane;

namespace
{

TEST(JsonWriter, EscapesWhatJsonRequiresAndRepairsBrokenUtf8)
{
    const std::pair<std::string, std::string> cases[] = {
        {"农历", "\"农历\""},
        {"say \"hi\"", "\"say \\\"hi\\\"\""},
        {"a\\b", "\"a\\\\b\""},
        {"\n\t\r", "\"\\n\\t\\r\""},
        {std::string("\x00\x01\x1f", 3), "\"\\u0000\\u0001\\u001f\""},
        {"\x7f/", "\"\x7f/\""},
        {"\xff", "\"\\ufffd\""},
        {"\xe5\x86", "\"\\ufffd\\ufffd\""},
        {"\xed\xa0\x80", "\"\\ufffd\\ufffd\\ufffd\""}, // a surrogate
        {"\xc0\xaf\xf4\x90\x80\x80", "\"\\ufffd\\ufffd\\ufffd\\ufffd\\ufffd\\ufffd\""}, // overlong, above U+10FFFF
        {"\xf0\x9f\x8e\x89", "\"\xf0\x9f\x8e\x89\""},
    };
    for (const auto &[text, expected] : cases) {
        std::string out;
        corvcal::JsonWriter(out).String(text);
        EXPECT_EQ(out, expected);
    }
}

TEST(JsonWriter, PlacesCommasAndColonsInNestedValues)
{
    std::string out;
    corvcal::JsonWriter json(out);
    json.BeginObject().Key("a").BeginArray().Number(-1).Bool(true).BeginObject().Field("b", "c").EndObject();
    json.BeginArray().EndArray().EndArray().Key("d").BeginObject().EndObject().Field("e", false).EndObject();
    EXPECT_EQ(out, R"({"a":[-1,true,{"b":"c"},[]],"d":{},"e":false})");
}

// The field names are a promise to scripts: these documents must not change.
TEST(CorvcalJson, EveryCommandPrintsItsDocumentOnOneLine)
{
    const std::string day11 = R"({"date":"2002-02-11","year":2001,"month":12,"leap":false,"day":30,"slot":13,)"
                              R"("festival":"","cell_text":"三十","day_era":"庚戌","sterm":""})";
    const std::string day12 = R"({"date":"2002-02-12","year":2002,"month":1,"leap":false,"day":1,"slot":1,)"
                              R"("festival":"春节","cell_text":"正月","day_era":"辛亥","sterm":""})";
    const std::pair<std::vector<std::string_view>, std::string> cases[] = {
        {{"lunar", "2001-05-23"},
         R"({"date":"2001-05-23","year":2001,"month":4,"leap":true,"day":1,"slot":5,"year_name":"辛巳年",)"
         R"("month_name":"闰四","day_name":"初一"})"},
        {{"solar", "2001", "4R", "1"}, R"({"date":"2001-05-23","year":2001,"month":4,"leap":true,"day":1,"slot":5})"},
        {{"era", "2002-07-19 10:30"},
         R"({"moment":"2002-07-19 10:30","mode":"month","numbers":{"year":19,"month":44,"day":25,"hour":54},)"
         R"("names":{"year":"壬午","month":"丁未","day":"戊子","hour":"丁巳"}})"},
        {{"caption", "2009-06-23", "3"},
         R"({"date":"2009-06-23","format":3,"caption":"2009年06月23日 农历: 闰五 初一日"})"},
        {{"dump", "2002-02-11", "2002-02-12"}, R"({"days":[)" + day11 + "," + day12 + "]}"},
    };
    for (auto [args, expected] : cases) {
        args.push_back("--json");
        const CorvcalResult r = RunCorvcal(args);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, expected + "\n");
    }

    const std::string terms = RunCorvcal({"terms", "2002", "--json"}).out;
    EXPECT_EQ(terms.rfind(R"({"year":2002,"terms":[{"number":1,"name":"小寒","text":"小寒：5日20时26分",)"
                          R"("moment":"2002-01-05 20:26"},{"number":2,)",
                          0),
              0u)
        << terms;
    EXPECT_NE(terms.find(R"({"number":24,"name":"冬至","text":"冬至：22日08时55分","moment":"2002-12-22 08:55"}]})"
                         "\n"),
              std::string::npos);

    // A month lists its days as dump does, then its two terms.
    const std::string month = RunCorvcal({"month", "2002", "2", "--json"}).out;
    EXPECT_EQ(month.rfind(R"({"months":[{"year":2002,"month":2,"days":[{"date":"2002-02-01",)", 0), 0u) << month;
    EXPECT_NE(month.find(day11 + "," + day12), std::string::npos) << month;
    EXPECT_NE(month.find(R"(],"terms":[{"number":3,"name":"立春",)"), std::string::npos) << month;
    EXPECT_EQ(std::count(month.begin(), month.end(), '\n'), 1);
}

TEST(CorvcalJson, SeveralMonthsComeInOrder)
{
    const std::pair<std::vector<std::string_view>, std::vector<std::string>> cases[] = {
        {{"-3", "2002", "1"}, {"2001,\"month\":12", "2002,\"month\":1", "2002,\"month\":2"}},
        {{"-y", "2003"}, {"2003,\"month\":1", "2003,\"month\":2", "2003,\"month\":11", "2003,\"month\":12"}},
    };
    for (auto [args, months] : cases) {
        args.push_back("--json");
        const std::string out = RunCorvcal(args).out;
        std::size_t at = 0;
        for (const std::string &m : months) {
            at = out.find(R"({"year":)" + m + R"(,"days":[)", at);
            EXPECT_NE(at, std::string::npos) << m;
        }
        std::size_t count = 0;
        for (std::size_t p = 0; (p = out.find("\"days\"", p)) != std::string::npos; ++p)
            ++count;
        EXPECT_EQ(count, args[0] == "-3" ? 3u : 12u);
    }
}

} // namespace
