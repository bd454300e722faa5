#include "tools/stermgen/GeneratedFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace
{

using namespace corvane::stermgen;

class GeneratedFile : public ::testing::Test
{
protected:
    std::filesystem::path path = std::filesystem::path(::testing::TempDir()) / "generated-file-test.inc";
    void TearDown() override { std::filesystem::remove(path); }
};

TEST_F(GeneratedFile, ChecksWhatItWrote)
{
    ASSERT_EQ(writeGeneratedFile("gen", path.string(), "row 1\nrow 2\n"), 0);
    EXPECT_EQ(checkGeneratedFile("gen", path.string(), "row 1\nrow 2\n"), 0);
    EXPECT_EQ(checkGeneratedFile("gen", path.string(), "row 1\nrow 3\n"), 1);
    EXPECT_EQ(checkGeneratedFile("gen", path.string(), "row 1\nrow 2"), 1);
}

TEST_F(GeneratedFile, FailsOnAFileItCannotReadOrWrite)
{
    EXPECT_EQ(checkGeneratedFile("gen", path.string(), "row\n"), 1);
    EXPECT_EQ(writeGeneratedFile("gen", (path / "no-such-directory" / "f").string(), "row\n"), 1);
}

} // namespace
