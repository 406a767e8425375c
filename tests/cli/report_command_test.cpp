#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>

#include "cli/kvtool.h"
#include "files/image_file.h"
#include "image/codec.h"
#include "image/defaults.h"
#include "report/report.h"
#include "support/kvtool_run.h"
#include "support/temp_dir.h"

namespace kv {
namespace {

using test::ReadAll;
using test::TempDir;

using test::Kvtool;
using test::ToolRun;

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
    const std::vector<uint8_t> bytes = ReadAll(text);
    const std::string pages(bytes.begin(), bytes.end());
    EXPECT_NE(pages.find(s.ModelName() + " Tidewright"), std::string::npos);
    EXPECT_NE(pages.find("##### Programable RG Channel #####"), std::string::npos);
    EXPECT_EQ(pages.find("WX Channel"), std::string::npos) << "no weather page for model type 6";

    const ToolRun failed = Kvtool({"print", file, "-o", (dir / "missing" / "x.pdf").string()});
    EXPECT_NE(failed.status, 0);
    EXPECT_NE(failed.err.find("x.pdf"), std::string::npos);
}

TEST(KvtoolReport, PrintsThePreviewTextOfTheFile) {
    TempDir dir;
    const std::string file = (dir / "radio.hex").string();
    const RadioSession s = WriteImage(6, file);
    const ToolRun run = Kvtool({"report", file});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, BuildReport(s));
    EXPECT_NE(run.out.find("HOME PORT"), std::string::npos);
    EXPECT_TRUE(run.err.empty());
}

TEST(KvtoolReport, OlderModelsNeedTheirModelType) {
    TempDir dir;
    const std::string file = (dir / "dsc.hex").string();
    const RadioSession s = WriteImage(0, file);
    EXPECT_EQ(Kvtool({"report", file}).status, 1);
    const ToolRun run = Kvtool({"report", file, "--model", "0"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, BuildReport(s));
}

TEST(KvtoolReport, SavesTheTextAndOneLineBreak) {
    TempDir dir;
    const std::string file = (dir / "radio.hex").string();
    const std::string text = (dir / "report.txt").string();
    const RadioSession s = WriteImage(5, file);
    const ToolRun run = Kvtool({"report", file, "-o", text});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(run.out.empty());
    const std::vector<uint8_t> saved = ReadAll(text);
    EXPECT_EQ(std::string(saved.begin(), saved.end()), BuildReport(s) + "\r\n");
}

TEST(KvtoolReport, RefusesWithOneLineNamingTheFileAndTheReason) {
    TempDir dir;
    const std::string file = (dir / "radio.hex").string();
    WriteImage(5, file);
    const std::string missing = (dir / "missing.hex").string();
    struct Refusal {
        const char* what;
        std::vector<std::string> args;
        std::string named;
        const char* reason;
    };
    const Refusal cases[] = {
        {"missing file", {"report", missing, "--model", "5"}, missing, "No such file"},
        {"wrong model", {"report", file, "--model", "6"}, file, "ModelType Error !!"},
        {"bad model", {"report", file, "--model", "7"}, "--model", "0 to 6"},
        {"output is a folder", {"report", file, "-o", dir.path().string()}, dir.path().string(), "is a directory"},
    };
    for (const Refusal& c : cases) {
        const ToolRun run = Kvtool(c.args);
        EXPECT_EQ(run.status, 1) << c.what;
        EXPECT_NE(run.err.find(c.named), std::string::npos) << c.what << ": " << run.err;
        EXPECT_NE(run.err.find(c.reason), std::string::npos) << c.what << ": " << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << c.what;
        EXPECT_TRUE(run.out.empty()) << c.what;
    }
}

}  // namespace
}  // namespace kv
