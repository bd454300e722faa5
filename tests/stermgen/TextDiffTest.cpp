#include "tools/stermgen/TextDiff.h"

#include <gtest/gtest.h>

namespace
{

using corvane::stermgen::describeDifferences;

TEST(TextDiff, EqualTextsHaveNoDifferences)
{
    EXPECT_EQ(describeDifferences("f", "a\nb\n", "a\nb\n"), "");
}

TEST(TextDiff, ListsEachChangedLineWithItsNumber)
{
    const std::string report = describeDifferences("f.inc", "a\nold\nc\nx\n", "a\nnew\nc\ny\n");
    EXPECT_NE(report.find("--- f.inc\n"), std::string::npos) << report;
    EXPECT_NE(report.find("@@ line 2 @@\n-old\n+new\n"), std::string::npos) << report;
    EXPECT_NE(report.find("@@ line 4 @@\n-x\n+y\n"), std::string::npos) << report;
    EXPECT_EQ(report.find("line 1 @@"), std::string::npos) << report;
    EXPECT_EQ(report.find("line 3 @@"), std::string::npos) << report;
}

TEST(TextDiff, ReportsMissingAndExtraLinesAndAMissingFinalLineBreak)
{
    EXPECT_NE(describeDifferences("f", "a\n", "a\nb\n").find("@@ line 2 @@\n+b\n"), std::string::npos);
    EXPECT_NE(describeDifferences("f", "a\nb\n", "a\n").find("@@ line 2 @@\n-b\n"), std::string::npos);
    EXPECT_NE(describeDifferences("f", "a\nb", "a\nb\n").find("final line break"), std::string::npos);
}

} // namespace
