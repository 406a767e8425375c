#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "support/kvtool_run.h"
#include "support/temp_dir.h"

namespace kv {
namespace {

using test::Kvtool;
using test::TempDir;

// A KV170 settings file and its image, and a copy of the image with one
// channel renamed and one uncovered byte changed.
struct Files {
    TempDir dir;
    std::string dat = (dir / "a.dat").string();
    std::string hex = (dir / "a.hex").string();
    std::string edited = (dir / "b.hex").string();
    Files() {
        EXPECT_EQ(Kvtool({"new", "-o", dat}).status, 0);
        EXPECT_EQ(Kvtool({"convert", dat, hex}).status, 0);
        std::vector<uint8_t> bytes = test::ReadAll(hex);
        bytes[0x01F5] = 0x5A;
        std::copy_n("CALL\0\0\0\0", 8, bytes.begin() + 3072 + 13 * 12);
        test::WriteAll(edited, bytes);
    }
};

TEST(KvtoolDiff, ExitsAsDiffDoes) {
    Files f;
    const auto same = Kvtool({"diff", f.dat, f.hex});
    EXPECT_EQ(same.status, 0) << "a settings file and the image made from it" << same.out;
    EXPECT_EQ(same.out, "");
    const auto different = Kvtool({"diff", f.hex, f.edited});
    EXPECT_EQ(different.status, 1);
    EXPECT_EQ(different.out,
              "USA channel 16 (row 14) name: DISTRESS -> CALL\n"
              "image byte 0x01F5: 0x00 -> 0x5A\n");
    test::WriteText(f.dir / "damaged.hex", "short");
    const auto damaged = Kvtool({"diff", f.hex, (f.dir / "damaged.hex").string()});
    EXPECT_EQ(damaged.status, 2);
    EXPECT_NE(damaged.err.find("damaged.hex"), std::string::npos) << damaged.err;
    EXPECT_EQ(damaged.out, "");
    const std::string older = (f.dir / "old.dat").string();
    ASSERT_EQ(Kvtool({"new", "--model", "4", "-o", older}).status, 0);
    const auto models = Kvtool({"diff", f.dat, older});
    EXPECT_EQ(models.status, 2);
    EXPECT_NE(models.err.find("different model types (5 and 4)"), std::string::npos) << models.err;
    for (const std::vector<std::string>& usage : {std::vector<std::string>{"diff", f.hex}, {"diff", "-x", f.hex, f.dat}})
        EXPECT_EQ(Kvtool(usage).status, 2) << "a usage error: " << usage[1];
}

TEST(KvtoolDiff, JsonHasThePathsAndTheTypesOfShow) {
    Files f;
    const auto run = Kvtool({"diff", "--json", f.hex, f.edited});
    EXPECT_EQ(run.status, 1);
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json, nlohmann::json::parse(R"([
        {"path": "CHUSA[13].ChTag", "old": "DISTRESS", "new": "CALL"},
        {"path": "image[0x01F5]", "old": 0, "new": 90}])"));
    EXPECT_EQ(Kvtool({"diff", "--json", f.hex, f.hex}).out, "[]\n");
}

}  // namespace
}  // namespace kv
