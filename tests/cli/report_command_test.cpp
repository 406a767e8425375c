#include <gtest/gtest.h>

#include <cstdlib>

#include "files/image_file.h"
#include "image/codec.h"
#include "image/defaults.h"
#include "report/report.h"
#include "support/kvtool_run.h"
#include "support/temp_dir.h"

namespace kv {
namespace {

using test::Kvtool;
using test::TempDir;
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

}  // namespace
}  // namespace kv
