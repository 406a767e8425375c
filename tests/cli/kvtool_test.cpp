#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sstream>

#include "cli/kvtool.h"
#include "support/kvtool_run.h"
#include "support/temp_dir.h"

namespace kv {
namespace {

using test::ReadAll;
using test::TempDir;
using test::WriteAll;

using test::Kvtool;
using test::ToolRun;

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

TEST(KvtoolConvert, ImageAndSettingsFilesConvertBothWays) {
    TempDir dir;
    const std::string hex = (dir / "a.hex").string(), dat = (dir / "a.dat").string(), back = (dir / "b.hex").string();
    ASSERT_EQ(Kvtool({"new", "--model", "6", "--region", "nl", "-o", hex}).status, 0);
    ASSERT_EQ(Kvtool({"convert", hex, dat}).status, 0);
    const std::string text = test::ReadText(dat);
    EXPECT_EQ(text.rfind("[MAIN]\r\n", 0), 0u);
    EXPECT_NE(text.find("MODELTYPE=6\r\n"), std::string::npos);
    EXPECT_NE(text.find("REGION=3\r\n"), std::string::npos);
    ASSERT_EQ(Kvtool({"convert", dat, back}).status, 0);
    EXPECT_EQ(Kvtool({"show", back, "--json"}).out, Kvtool({"show", hex, "--json"}).out);
}

TEST(KvtoolShow, ReadsSettingsFilesAndRefusesAnotherModel) {
    TempDir dir;
    const std::string dat = (dir / "a.dat").string();
    ASSERT_EQ(Kvtool({"new", "--variant", "KV150", "-o", dat}).status, 0);
    const auto json = nlohmann::json::parse(Kvtool({"show", dat, "--json"}).out);
    EXPECT_EQ(json["MODEL"], "KV150");
    const ToolRun other = Kvtool({"show", dat, "--model", "6"});
    EXPECT_EQ(other.status, 1);
    EXPECT_NE(other.err.find("different model!!"), std::string::npos);
}

TEST(KvtoolNew, StartsFromADestinationsDefaultDataFile) {
    TempDir dir;
    ASSERT_EQ(Kvtool({"default-data", "-d", dir.path().string()}).status, 0);
    const std::string dat = (dir / "uk.dat").string();
    ASSERT_EQ(Kvtool({"new", "--model", "6", "--destination", "KV150-uk", "--data-dir", dir.path().string(), "-o", dat}).status, 0);
    const auto json = nlohmann::json::parse(Kvtool({"show", dat, "--json"}).out);
    EXPECT_EQ(json["REGION"], 1);
    EXPECT_EQ(json["SEL1"], false);
    EXPECT_EQ(json["Usable CH Group Setup"][0]["Enable"], false);
    const ToolRun missing = Kvtool({"new", "--model", "6", "--destination", "KV150-mars", "--data-dir", dir.path().string(), "-o", dat});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("IniFileRead Error!!"), std::string::npos);
}

TEST(KvtoolNarrow, ListsAndConvertsWideLandMobileChannels) {
    TempDir dir;
    const std::string dat = (dir / "a.dat").string(), narrow = (dir / "n.dat").string();
    ASSERT_EQ(Kvtool({"new", "-o", dat}).status, 0);
    std::string text = test::ReadText(dat);
    const auto replace = [&](const std::string& from, const std::string& to) { text.replace(text.find(from), from.size(), to); };
    replace("LMR CH=0", "LMR CH=1");
    replace("[CHEXP3]\r\nEnable=0\r\nLMR EXP=0", "[CHEXP3]\r\nEnable=1\r\nLMR EXP=1\r\nTxfreq=155.5");
    test::WriteText(dat, text);

    const ToolRun before = Kvtool({"narrow", dat, "--today", "2012-06-01"});
    EXPECT_EQ(before.status, 0);
    EXPECT_NE(before.out.find("CHEXP3"), std::string::npos);
    EXPECT_NE(before.out.find("status 1"), std::string::npos);
    const ToolRun after = Kvtool({"narrow", dat, "--today", "2026-12-06", "--apply", "-o", narrow});
    EXPECT_EQ(after.status, 0) << after.err;
    EXPECT_NE(after.out.find("status 2"), std::string::npos);
    EXPECT_NE(Kvtool({"narrow", narrow}).out.find("No wide land-mobile channels"), std::string::npos);
    EXPECT_EQ(Kvtool({"narrow", dat, "--today", "2026-13-01"}).status, 1);
}

TEST(KvtoolConvert, SavingASettingsFileAppliesTheNarrowbandRule) {
    TempDir dir;
    const std::string dat = (dir / "a.dat").string(), hex = (dir / "a.hex").string(), out = (dir / "b.dat").string();
    ASSERT_EQ(Kvtool({"new", "-o", dat}).status, 0);
    std::string text = test::ReadText(dat);
    text.replace(text.find("LMR CH=0"), 8, "LMR CH=1");
    text.replace(text.find("[CHEXP1]\r\nEnable=0\r\nLMR EXP=0"), 30, "[CHEXP1]\r\nEnable=1\r\nLMR EXP=1\r\nTxfreq=160");
    test::WriteText(dat, text);
    const ToolRun converted = Kvtool({"convert", dat, out});
    EXPECT_EQ(converted.status, 0);
    EXPECT_NE(converted.err.find("FCC Rule Caution!"), std::string::npos);
    const std::string saved = test::ReadText(out);
    EXPECT_NE(saved.find("[CHEXP1]\r\nEnable=1\r\nLMR EXP=1"), std::string::npos);
    EXPECT_NE(saved.substr(saved.find("[CHEXP1]"), 400).find("Narrow=1"), std::string::npos);
}

}  // namespace
}  // namespace kv
