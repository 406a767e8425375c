#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sstream>

#include "cli/kvtool.h"
#include "support/temp_dir.h"

namespace kv {
namespace {

using test::ReadAll;
using test::TempDir;
using test::WriteAll;

struct ToolRun {
    int status;
    std::string out;
    std::string err;
};

ToolRun Kvtool(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int status = cli::RunKvtool(args, out, err);
    return {status, out.str(), err.str()};
}

TEST(KvtoolNew, WritesAnImageThatShowReadsBack) {
    TempDir dir;
    const std::string file = (dir / "a.hex").string();
    ASSERT_EQ(Kvtool({"new", "-o", file}).status, 0);
    EXPECT_EQ(ReadAll(file).size(), 16384u);
    const ToolRun show = Kvtool({"show", file, "--json"});
    ASSERT_EQ(show.status, 0) << show.err;
    const auto json = nlohmann::json::parse(show.out);
    EXPECT_EQ(json["MODELTYPE"], 5);
    EXPECT_EQ(json["MODEL"], "KV170");
    EXPECT_EQ(json["SEL1"], true);
    EXPECT_EQ(json["REGION"], 255);
    EXPECT_EQ(json["CHUSA"].size(), 128u);
    EXPECT_EQ(json["CHUSA"][13]["ChTag"], "DISTRESS");
    EXPECT_EQ(json["CHUSA"][13]["BaseCh"], 16);
    EXPECT_EQ(json["CHUSA"][13]["Enable"], true);
    EXPECT_EQ(json["CHEXP"].size(), 40u);
    EXPECT_EQ(json["CHRG"].size(), 8u);
    EXPECT_EQ(json["CHMMSID"].size(), 40u);
    EXPECT_EQ(json["CHGRPID"].size(), 10u);
    EXPECT_EQ(json["Common Setup"]["SQL"], 15);
    EXPECT_EQ(json["ATIS Setup"]["Call Sign"].size(), 20u);
    EXPECT_TRUE(json["CHEXP"][0].contains("LMR EXP"));
    EXPECT_TRUE(json["CHEXP"][0]["Txfreq"].is_number());
    EXPECT_TRUE(json["DSC Advanced Setup"]["Group Call"]["Level"].is_array());
}

TEST(KvtoolNew, VariantAndRegionReachTheImage) {
    TempDir dir;
    const std::string file = (dir / "x.hex").string();
    ASSERT_EQ(Kvtool({"new", "--model", "6", "--variant", "KV150", "--region", "uk", "-o", file}).status, 0);
    const auto bytes = ReadAll(file);
    EXPECT_EQ(bytes[168] & 0x30, 0x00);
    EXPECT_EQ(bytes[239], 1);
    const auto json = nlohmann::json::parse(Kvtool({"show", file, "--json"}).out);
    EXPECT_EQ(json["MODELTYPE"], 6);
    EXPECT_EQ(json["MODEL"], "KV170X/KV150");
    EXPECT_EQ(json["REGION"], 1);
}

TEST(KvtoolNew, OlderModelsAreReadableWithTheirModel) {
    TempDir dir;
    for (int model = 0; model <= 4; ++model) {
        const std::string file = (dir / ("m" + std::to_string(model) + ".hex")).string();
        ASSERT_EQ(Kvtool({"new", "--model", std::to_string(model), "-o", file}).status, 0);
        const ToolRun show = Kvtool({"show", file, "--model", std::to_string(model), "--json"});
        EXPECT_EQ(show.status, 0) << model << ": " << show.err;
        const ToolRun guess = Kvtool({"show", file});
        EXPECT_EQ(guess.status, 1) << "the model of an older image cannot be told from the file";
        EXPECT_NE(guess.err.find("model type is not known"), std::string::npos);
    }
}

TEST(KvtoolShow, PrintsReadableTextWithoutJson) {
    TempDir dir;
    const std::string file = (dir / "a.hex").string();
    ASSERT_EQ(Kvtool({"new", "--variant", "KV150", "-o", file}).status, 0);
    const ToolRun show = Kvtool({"show", file});
    ASSERT_EQ(show.status, 0);
    EXPECT_NE(show.out.find("MODEL: KV150\n"), std::string::npos);
    EXPECT_NE(show.out.find("ChTag=DISTRESS"), std::string::npos);
    EXPECT_NE(show.out.find("  SQL: 15\n"), std::string::npos);
}

struct Refusal {
    const char* what;
    std::vector<std::string> args;
    const char* reason;
};

TEST(Kvtool, RefusesWithOneLineNamingTheFileAndTheReason) {
    TempDir dir;
    const std::string good = (dir / "good.hex").string();
    ASSERT_EQ(Kvtool({"new", "-o", good}).status, 0);
    const std::string shortFile = (dir / "short.hex").string();
    WriteAll(shortFile, std::vector<uint8_t>(100, 0));
    const std::string wrongProduct = (dir / "product.hex").string();
    auto bytes = ReadAll(good);
    bytes[16370] = 0;
    WriteAll(wrongProduct, bytes);
    const std::string missing = (dir / "missing.hex").string();
    const std::string folder = (dir / "folder.hex").string();
    std::filesystem::create_directory(folder);

    const Refusal cases[] = {
        {"another length", {"show", shortFile, "--model", "5"}, "bad file!!"},
        {"wrong model", {"show", good, "--model", "6"}, "ModelType Error !!"},
        {"wrong product", {"show", wrongProduct}, "ProductType Error !!"},
        {"missing file", {"show", missing, "--model", "5"}, "No such file"},
        {"a folder", {"show", folder, "--model", "5"}, "is a directory"},
        {"bad model", {"new", "--model", "9", "-o", good}, "--model"},
        {"region on model 5", {"new", "--region", "2", "-o", good}, "--region"},
        {"bad region", {"new", "--model", "6", "--region", "7", "-o", good}, "--region"},
        {"bad variant", {"new", "--variant", "KV999", "-o", good}, "--variant"},
        {"no command", {}, "subcommand"},
        {"unwritable output", {"new", "-o", folder}, "is a directory"},
        {"unknown kind", {"new", "-o", (dir / "a.txt").string()}, "unknown kind of file"},
    };
    for (const auto& c : cases) {
        const ToolRun run = Kvtool(c.args);
        EXPECT_EQ(run.status, 1) << c.what;
        EXPECT_NE(run.err.find(c.reason), std::string::npos) << c.what << ": " << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << c.what << ": " << run.err;
    }
    EXPECT_EQ(Kvtool({"show", shortFile, "--model", "5"}).err.find(shortFile) != std::string::npos, true);
}

}  // namespace
}  // namespace kv
