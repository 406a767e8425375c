#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "support/kvtool_run.h"
#include "support/temp_dir.h"

namespace kv {
namespace {

using test::Kvtool;
using test::TempDir;
using ::testing::HasSubstr;

TEST(KvtoolCsv, ExportsAndImportsAListUnchanged) {
    TempDir dir;
    const std::string dat = (dir / "a.dat").string(), csv = (dir / "usa.csv").string(), out = (dir / "b.dat").string();
    ASSERT_EQ(Kvtool({"new", "-o", dat}).status, 0);
    const test::ToolRun shown = Kvtool({"csv", "export", dat, "usa"});
    EXPECT_EQ(shown.status, 0);
    EXPECT_THAT(shown.out, HasSubstr("CH,RX(MHz),TX(MHz),TX,LOW,UP,DUP,MEM,VS,CH Name\r\n"));
    ASSERT_EQ(Kvtool({"csv", "export", dat, "USA", "-o", csv}).status, 0);
    EXPECT_EQ(test::ReadText(csv), shown.out);
    ASSERT_EQ(Kvtool({"csv", "import", dat, "usa", csv, "-o", out}).status, 0);
    EXPECT_EQ(test::ReadText(out), test::ReadText(dat));
    test::WriteText(csv, "CH,RX(MHz),TX(MHz),TX,LOW,UP,DUP,MEM,VS,CH Name\r\n16,,,TX,---,--,TX SIMP,---,--,\r\n");
    const test::ToolRun one = Kvtool({"csv", "import", dat, "usa", csv, "-o", out});
    EXPECT_THAT(one.err, HasSubstr("warning: " + csv + ": The USA priority channel "));
    EXPECT_THAT(one.err, HasSubstr(" is not in the imported list: the priority becomes Off."));
    // Semicolons, and the generic layout; the docs' example of each layout.
    ASSERT_EQ(Kvtool({"csv", "export", dat, "lmr", "--separator", ";", "-o", csv}).status, 0);
    EXPECT_THAT(test::ReadText(csv), ::testing::StartsWith("CH;CHD;ENABLE;RX(MHz)"));
    ASSERT_EQ(Kvtool({"csv", "import", dat, "lmr", csv, "-o", out}).status, 0);
    EXPECT_EQ(test::ReadText(out), test::ReadText(dat));
    EXPECT_THAT(Kvtool({"csv", "export", dat, "rg", "--layout", "generic"}).out, ::testing::StartsWith("Location,Name,Frequency,Duplex,"));
    const std::filesystem::path examples = std::filesystem::path(KV_TEST_SOURCE_DIR) / ".." / "docs" / "examples";
    EXPECT_EQ(Kvtool({"csv", "import", dat, "lmr", (examples / "lmr-kvprog.csv").string(), "-o", out}).status, 0);
    EXPECT_THAT(Kvtool({"csv", "import", dat, "lmr", (examples / "lmr-generic.csv").string(), "-o", out}).err,
                HasSubstr("row 7, column Comment: \"receive only\" is left out"));
}

TEST(KvtoolCsv, FailsWithEveryBadCellAndLeavesOutAlone) {
    TempDir dir;
    const std::string dat = (dir / "a.dat").string(), csv = (dir / "rg.csv").string(), out = (dir / "out.dat").string();
    ASSERT_EQ(Kvtool({"new", "-o", dat}).status, 0);
    test::WriteText(out, "precious");
    ASSERT_EQ(Kvtool({"csv", "export", dat, "rg", "-o", csv}).status, 0);
    std::string text = test::ReadText(csv);
    text.replace(text.find("---.----"), 8, "999");
    text.replace(text.rfind("---.----"), 8, "1.2.3");
    test::WriteText(csv, text);
    const test::ToolRun run = Kvtool({"csv", "import", dat, "rg", csv, "-o", out});
    EXPECT_EQ(run.status, 1);
    EXPECT_THAT(run.err, HasSubstr("rg.csv: row 2, column RX(MHz): \"999\" is outside"));
    EXPECT_THAT(run.err, HasSubstr("rg.csv: row 9, column TX(MHz): \"1.2.3\" is not a frequency"));
    EXPECT_THAT(run.err, HasSubstr("out.dat not written"));
    EXPECT_EQ(test::ReadText(out), "precious");

    const struct {
        std::vector<std::string> args;
        std::string error;
    } failures[] = {
        {{"csv", "export", dat, "marine"}, "LIST must be one of usa, intl, can, wx, rg, lmr, exp"},
        {{"csv", "export", dat, "usa", "--layout", "generic"}, "the generic layout holds the rg, lmr and exp lists only"},
        {{"csv", "export", (dir / "missing.dat").string(), "usa"}, "missing.dat"},
        {{"csv", "import", dat, "usa", (dir / "missing.csv").string(), "-o", out},
         "kvtool: " + (dir / "missing.csv").string() + ": No such file"},  // named once
        {{"csv", "import", dat, "usa", csv, "-o", out}, "row 1, column 2: \"RX(MHz)\" expected, found \"CHD\""},
    };
    for (const auto& f : failures) {
        const test::ToolRun failed = Kvtool(f.args);
        EXPECT_EQ(failed.status, 1) << f.error;
        EXPECT_THAT(failed.err, HasSubstr(f.error));
        EXPECT_EQ(test::ReadText(out), "precious") << f.error;
    }
    const std::string model6 = (dir / "six.dat").string();
    ASSERT_EQ(Kvtool({"new", "--model", "6", "-o", model6}).status, 0);
    EXPECT_THAT(Kvtool({"csv", "export", model6, "wx"}).err, HasSubstr("has no WX list"));
}

}  // namespace
}  // namespace kv
