#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "files/image_file.h"
#include "image/codec.h"
#include "image/defaults.h"
#include "report/report.h"
#include "support/small_disk.h"
#include "support/kvtool_run.h"
#include "support/temp_dir.h"

namespace kv {
namespace {

using test::Kvtool;
using test::ReadAll;
using test::TempDir;
using test::ToolRun;

nlohmann::json ShowJson(const std::string& file) { return nlohmann::json::parse(Kvtool({"show", file, "--json"}).out); }

// A settings file of the default KV170 with land-mobile channel n enabled,
// wide, at txfreq: the narrowband rule's business.
std::string WideLmrSettingsFile(const TempDir& dir, int n, const std::string& txfreq) {
    const std::string dat = (dir / "wide.dat").string();
    EXPECT_EQ(Kvtool({"new", "-o", dat}).status, 0);
    std::string text = test::ReadText(dat);
    const auto replace = [&](const std::string& from, const std::string& to) {
        text.replace(text.find(from), from.size(), to);
    };
    replace("LMR CH=0", "LMR CH=1");
    const std::string section = "[CHEXP" + std::to_string(n) + "]\r\n";
    replace(section + "Enable=0\r\nLMR EXP=0", section + "Enable=1\r\nLMR EXP=1\r\nTxfreq=" + txfreq);
    test::WriteText(dat, text);
    return dat;
}

TEST(KvtoolNew, WritesAnImageThatShowReadsBack) {
    TempDir dir;
    const std::string file = (dir / "a.hex").string();
    ASSERT_EQ(Kvtool({"new", "-o", file}).status, 0);
    EXPECT_EQ(ReadAll(file).size(), 16384u);
    const auto json = ShowJson(file);
    EXPECT_EQ(json["MODELTYPE"], 5);
    EXPECT_EQ(json["MODEL"], "KV170");
    EXPECT_EQ(json["SEL1"], true);
    EXPECT_EQ(json["REGION"], 255);
    for (const auto& [list, size] :
         {std::pair{"CHUSA", 128u}, {"CHEXP", 40u}, {"CHRG", 8u}, {"CHMMSID", 40u}, {"CHGRPID", 10u}})
        EXPECT_EQ(json[list].size(), size) << list;
    EXPECT_EQ(json["CHUSA"][13]["ChTag"], "DISTRESS");
    EXPECT_EQ(json["CHUSA"][13]["BaseCh"], 16);
    EXPECT_EQ(json["CHUSA"][13]["Enable"], true);
    EXPECT_EQ(json["Common Setup"]["SQL"], 15);
    EXPECT_EQ(json["ATIS Setup"]["Call Sign"].size(), 20u);
    EXPECT_TRUE(json["CHEXP"][0].contains("LMR EXP"));
    EXPECT_TRUE(json["CHEXP"][0]["Txfreq"].is_number());
    EXPECT_TRUE(json["DSC Advanced Setup"]["Group Call"]["Level"].is_array());
    // Without --json, readable text.
    const ToolRun show = Kvtool({"show", file});
    ASSERT_EQ(show.status, 0);
    for (const char* line : {"MODEL: KV170\n", "ChTag=DISTRESS", "  SQL: 15\n"})
        EXPECT_NE(show.out.find(line), std::string::npos) << line;
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

TEST(Kvtool, RefusesWithOneLineNamingTheFileAndTheReason) {
    TempDir dir;
    const std::string good = (dir / "good.hex").string(), dat = (dir / "good.dat").string();
    ASSERT_EQ(Kvtool({"new", "-o", good}).status, 0);
    ASSERT_EQ(Kvtool({"new", "-o", dat}).status, 0);
    const std::string missing = (dir / "missing.hex").string();
    struct Refusal {
        const char* what;
        std::vector<std::string> args;
        std::string named;
        const char* reason;
    };
    const Refusal cases[] = {
        {"wrong model", {"show", good, "--model", "6"}, good, "ModelType Error !!"},
        {"settings of another model", {"show", dat, "--model", "6"}, dat, "different model!!"},
        {"missing file", {"show", missing, "--model", "5"}, missing, "No such file"},
        {"bad model", {"new", "--model", "9", "-o", good}, "--model", "0 to 6"},
        {"region on model 5", {"new", "--region", "2", "-o", good}, "--region", "model type 6"},
        {"bad region", {"new", "--model", "6", "--region", "7", "-o", good}, "--region", "intl"},
        {"bad variant", {"new", "--variant", "KV999", "-o", good}, "--variant", "KV999"},
        {"no command", {}, "", "subcommand"},
        {"unknown kind", {"new", "-o", (dir / "a.txt").string()}, "a.txt", "unknown kind of file"},
        {"report: wrong model", {"report", good, "--model", "6"}, good, "ModelType Error !!"},
        {"report: bad model", {"report", good, "--model", "7"}, "--model", "0 to 6"},
        {"program: a backup file that cannot be written",
         {"program", good, "--port", missing, "--yes", "--backup=" + (dir / "no" / "b.hex").string()},
         "no/b.hex: No such file", "nothing written: the backup cannot be saved"},
    };
    for (const auto& c : cases) {
        const ToolRun run = Kvtool(c.args);
        EXPECT_EQ(run.status, 1) << c.what;
        EXPECT_NE(run.err.find(c.named), std::string::npos) << c.what << ": " << run.err;
        EXPECT_NE(run.err.find(c.reason), std::string::npos) << c.what << ": " << run.err;
        EXPECT_EQ(std::ranges::count(run.err, '\n'), 1) << c.what << ": " << run.err;
        EXPECT_TRUE(run.out.empty()) << c.what;
    }
}

// The variant and region given to new reach the image and both files.
TEST(KvtoolConvert, ImageAndSettingsFilesConvertBothWays) {
    TempDir dir;
    const std::string hex = (dir / "a.hex").string(), dat = (dir / "a.dat").string(), back = (dir / "b.hex").string();
    ASSERT_EQ(Kvtool({"new", "--model", "6", "--variant", "KV150", "--region", "nl", "-o", hex}).status, 0);
    ASSERT_EQ(Kvtool({"convert", hex, dat}).status, 0);
    const std::string text = test::ReadText(dat);
    EXPECT_EQ(text.rfind("[MAIN]\r\n", 0), 0u);
    EXPECT_NE(text.find("MODELTYPE=6\r\n"), std::string::npos);
    EXPECT_NE(text.find("REGION=3\r\n"), std::string::npos);
    ASSERT_EQ(Kvtool({"convert", dat, back}).status, 0);
    EXPECT_EQ(ShowJson(back), ShowJson(hex));
    EXPECT_EQ(ShowJson(hex)["MODEL"], "KV170X/KV150");
}

TEST(KvtoolNew, StartsFromADestinationsDefaultDataFile) {
    TempDir dir;
    const std::string data = dir.path().string(), dat = (dir / "uk.dat").string();
    ASSERT_EQ(Kvtool({"default-data", "-d", data}).status, 0);
    ASSERT_EQ(Kvtool({"new", "--model", "6", "--destination", "KV150-uk", "--data-dir", data, "-o", dat}).status, 0);
    const auto json = ShowJson(dat);
    EXPECT_EQ(json["REGION"], 1);
    EXPECT_EQ(json["SEL1"], false);
    EXPECT_EQ(json["Usable CH Group Setup"][0]["Enable"], false);
    const ToolRun mars = Kvtool({"new", "--model", "6", "--destination", "KV150-mars", "--data-dir", data, "-o", dat});
    EXPECT_EQ(mars.status, 1);
    EXPECT_NE(mars.err.find("IniFileRead Error!!"), std::string::npos);
}

TEST(KvtoolNarrow, ListsAndConvertsWideLandMobileChannels) {
    TempDir dir;
    const std::string dat = WideLmrSettingsFile(dir, 3, "155.5"), narrow = (dir / "n.dat").string();
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
    const std::string dat = WideLmrSettingsFile(dir, 1, "160"), out = (dir / "b.dat").string();
    const ToolRun converted = Kvtool({"convert", dat, out});
    EXPECT_EQ(converted.status, 0);
    EXPECT_NE(converted.err.find("FCC Rule Caution!"), std::string::npos);
    const std::string saved = test::ReadText(out);
    EXPECT_NE(saved.find("[CHEXP1]\r\nEnable=1\r\nLMR EXP=1"), std::string::npos);
    EXPECT_NE(saved.substr(saved.find("[CHEXP1]"), 400).find("Narrow=1"), std::string::npos);
}

// An image file of the model with one recognisable change, and the session it holds.
RadioSession WriteImage(int model, const std::string& path) {
    RadioSession s;
    s.model = model;
    ResetToDefaults(s);
    s.settings.CHUSA[0].ChTag = "HOME PORT";
    EXPECT_TRUE(SaveImageFile(s, path).ok);
    DecodeImage(s);
    return s;
}

TEST(KvtoolPrint, WritesThePrintedPagesToAPdf) {
    TempDir dir;
    const std::string file = (dir / "radio.hex").string();
    const RadioSession s = WriteImage(6, file);
    const std::string pdf = (dir / "radio.pdf").string();
    const ToolRun run = Kvtool({"print", file, "-o", pdf});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string text = (dir / "radio.txt").string();
    ASSERT_EQ(std::system(("pdftotext '" + pdf + "' '" + text + "'").c_str()), 0);
    const std::string pages = test::ReadText(text);
    EXPECT_NE(pages.find(s.ModelName() + " Tidewright"), std::string::npos);
    EXPECT_NE(pages.find("##### Programable RG Channel #####"), std::string::npos);
    EXPECT_EQ(pages.find("WX Channel"), std::string::npos) << "no weather page for model type 6";

    const ToolRun failed = Kvtool({"print", file, "-o", (dir / "missing" / "x.pdf").string()});
    EXPECT_NE(failed.status, 0);
    EXPECT_NE(failed.err.find("x.pdf"), std::string::npos);
}

TEST(KvtoolReport, PrintsThePreviewTextOrSavesItWithOneLineBreak) {
    TempDir dir;
    const std::string file = (dir / "radio.hex").string(), saved = (dir / "report.txt").string();
    const RadioSession s = WriteImage(6, file);
    const ToolRun run = Kvtool({"report", file});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, BuildReport(s));
    EXPECT_NE(run.out.find("HOME PORT"), std::string::npos);
    EXPECT_TRUE(run.err.empty());

    const ToolRun save = Kvtool({"report", file, "-o", saved});
    ASSERT_EQ(save.status, 0) << save.err;
    EXPECT_TRUE(save.out.empty());
    EXPECT_EQ(test::ReadText(saved), BuildReport(s) + "\r\n");
}

// Standard output on a full disk: every write fails.
class FullOutput : public std::streambuf {
protected:
    int overflow(int) override { return traits_type::eof(); }
    std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
};

TEST(Kvtool, AnOutputThatCannotBeWrittenIsAFailure) {
    TempDir dir;
    const std::string file = (dir / "radio.dat").string();
    ASSERT_EQ(Kvtool({"new", "-o", file}).status, 0);
    const std::string other = (dir / "other.dat").string();  // differs from file
    ASSERT_EQ(Kvtool({"new", "--variant", "KV150", "-o", other}).status, 0);
    const std::vector<std::vector<std::string>> commands = {
        {"show", file}, {"show", file, "--json"}, {"narrow", file},       {"report", file},
        {"ports"},      {"--help"},               {"diff", file, other}, {"diff", "--json", file, file}};
    for (const auto& args : commands) {
        FullOutput full;
        std::ostream out(&full);
        std::ostringstream err;
        EXPECT_EQ(cli::RunKvtool(args, out, err), args[0] == "diff" ? 2 : 1) << args[0] << " " << args.back();
        EXPECT_NE(err.str().find("cannot write to standard output"), std::string::npos) << args[0] << ": " << err.str();
    }
    // And through the real program, on /dev/full.
    const std::string command = std::string(KVTOOL_PATH) + " show '" + file + "' --json > /dev/full 2>/dev/null";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
}

TEST(Kvtool, ValuesOutOfRangeOrNoNumbersStayOutAndAreNamed) {
    TempDir dir;
    const std::string dat = (dir / "range.dat").string(), hex = (dir / "range.hex").string();
    ASSERT_EQ(Kvtool({"new", "-o", dat}).status, 0);
    std::string text = test::ReadText(dat);
    const auto set = [&](const std::string& section, const std::string& key, const std::string& value) {
        const size_t at = text.find(key + "=", text.find("[" + section + "]"));
        text.replace(at, text.find("\r\n", at) - at, key + "=" + value);
    };
    set("CHRG1", "TxCTCSS", "200");
    set("CHRG1", "TxDCS", "500");
    set("CHRG1", "Scramble", "-1");
    set("Common Setup", "SQL", "16");
    set("CHRG2", "Rxfreq", "450,125");
    set("CHRG2", "LowPower", "yes");
    test::WriteText(dat, text);

    const ToolRun run = Kvtool({"convert", dat, hex});
    ASSERT_EQ(run.status, 0) << run.err;
    for (const char* warning : {"[CHRG1] TxCTCSS=200: outside 0..62", "[CHRG1] TxDCS=500: outside 0..208",
                                "[CHRG1] Scramble=-1: outside 0..7", "[Common Setup] SQL=16: outside 0..15",
                                "[CHRG2] Rxfreq=450,125: not a number, left as it was",
                                "[CHRG2] LowPower=yes: not a number, left as it was"})
        EXPECT_NE(run.err.find(warning), std::string::npos) << warning << " in " << run.err;
    const auto json = ShowJson(hex);
    EXPECT_EQ(json["CHRG"][0]["TxCTCSS"], 0) << "the field kept its value";
    EXPECT_EQ(json["CHRG"][0]["TxDCS"], 0);
    EXPECT_EQ(json["CHRG"][0]["Scramble"], 0);
    EXPECT_EQ(json["Common Setup"]["SQL"], 15);
}

TEST(Kvtool, ASettingsFileTooLargeToBeOneIsRefusedAtOnce) {
    TempDir dir;
    const auto huge = dir / "huge.dat";
    std::ofstream(huge).put('[');
    std::filesystem::resize_file(huge, 100u << 20);  // sparse: no time spent writing it
    const ToolRun run = Kvtool({"show", huge.string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("file too large"), std::string::npos) << run.err;
}

// A PDF that does not fit leaves the old one; a read that would not fit is not started.
TEST(Kvtool, AFullDiskLeavesTheOldFileAndStartsNoRead) {
    test::SmallDisk disk(16 * 1024);
    if (!disk.mounted()) GTEST_SKIP() << "no tmpfs can be mounted here";
    TempDir dir;
    const std::string file = (dir / "radio.hex").string();
    ASSERT_EQ(Kvtool({"new", "-o", file}).status, 0);
    const auto pdf = disk / "report.pdf";
    test::WriteText(pdf, "old");
    const ToolRun run = Kvtool({"print", file, "-o", pdf.string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("report.pdf"), std::string::npos) << run.err;
    EXPECT_EQ(test::ReadText(pdf), "old");
    const std::string hex = (disk / "a.hex").string();
    const ToolRun read = Kvtool({"read", "--port", (dir / "ttyNONE").string(), "-o", hex});
    EXPECT_EQ(read.status, 1);
    EXPECT_NE(read.err.find("nothing read: " + hex + ": No space left on device"), std::string::npos) << read.err;
    EXPECT_EQ(disk.FileCount(), 1u) << "no temporary file left";
}

}  // namespace
}  // namespace kv
