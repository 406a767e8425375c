// The report of each model type, byte for byte. The golden files were
// reviewed line by line against the report's layout tables. To rewrite them
// after a deliberate change, run with KV_UPDATE_GOLDEN=1 and review the diff.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "model/models.h"
#include "report/report.h"
#include "report/report_sessions.h"
#include "support/temp_dir.h"

namespace kv {
namespace {

std::string GoldenPath(int model) { return std::string(KV_REPORT_GOLDEN_DIR) + "/model" + std::to_string(model) + ".txt"; }

class ReportGolden : public testing::TestWithParam<int> {};

TEST_P(ReportGolden, MatchesTheReviewedFileByteForByte) {
    const int model = GetParam();
    const std::string report = BuildReport(test::ReportSession(model));
    if (std::getenv("KV_UPDATE_GOLDEN")) {
        std::ofstream(GoldenPath(model), std::ios::binary) << report;
        GTEST_SKIP() << "rewrote " << GoldenPath(model);
    }
    const std::string golden = test::ReadText(GoldenPath(model));
    ASSERT_FALSE(golden.empty()) << GoldenPath(model);
    EXPECT_TRUE(report == golden) << test::FirstDifference(golden, report);
}

INSTANTIATE_TEST_SUITE_P(AllModelTypes, ReportGolden, testing::Range(0, kModelCount),
                         [](const testing::TestParamInfo<int>& info) { return "Model" + std::to_string(info.param); });

}  // namespace
}  // namespace kv
