#include <gtest/gtest.h>

#include "report/report.h"
#include "support/sessions.h"

namespace kv::test {
namespace {

// The banner line of each page, in order.
std::vector<std::string> Banners(const std::vector<std::string>& pages) {
    std::vector<std::string> banners;
    for (const std::string& page : pages) {
        const size_t at = page.find("##### ");
        banners.push_back(at == std::string::npos ? "" : page.substr(at, page.find("\r\n", at) - at));
    }
    return banners;
}

TEST(PrintedPages, PagesFollowTheUsableGroupsAndTheModel) {
    struct Case {
        int model;
        bool usa, intl, can, lmr, exp;
        std::vector<std::string> banners;
    };
    const Case cases[] = {
        {5, true, false, true, true, true,
         {"##### Available CH Group Setup #####", "##### Programable USA Channel #####",
          "##### Programable Canada Channel #####", "##### Programable WX Channel #####",
          "##### Programable RG Channel #####", "##### Programable LMR Channel #####",
          "##### Programable EXP Channel #####"}},
        {6, false, true, false, false, true,
         {"##### Available CH Group Setup #####", "##### Programable International Channel #####",
          "##### Programable RG Channel #####"}},
    };
    for (const Case& c : cases) {
        RadioSession s = FreshSession(c.model);
        auto& g = s.settings.UsableGroups;
        g[kUsaGroup].Enable = c.usa;
        g[kIntlGroup].Enable = c.intl;
        g[kCanGroup].Enable = c.can;
        g[kLmrGroup].Enable = c.lmr;
        g[kExpGroup].Enable = c.exp;
        EXPECT_EQ(Banners(PrintedPages(s)), c.banners) << "model " << c.model;
    }
}

TEST(PrintedPages, GeneralPageLeavesOutNmeaRotaryBeepAndDsc) {
    RadioSession s = FreshSession(0);
    const std::string general = PrintedPages(s).front();
    EXPECT_NE(general.find("Status name"), std::string::npos);
    EXPECT_NE(general.find("##### Common Setup #####"), std::string::npos);
    for (const char* absent : {"[NMEA Data Input]", "Rotary Beep:", "DSC Setup", "Status Name"})
        EXPECT_EQ(general.find(absent), std::string::npos) << absent;
    // The preview keeps them.
    EXPECT_NE(BuildReport(s).find("[NMEA Data Input]"), std::string::npos);
}

TEST(PrintedPages, HeaderCarriesTheFixedTotal) {
    for (const auto& [model, total] : {std::pair{1, 7}, {5, 9}, {6, 8}, {0, 8}}) {
        RadioSession s = FreshSession(model);
        EXPECT_EQ(PrintedPageTotal(model), total);
        EXPECT_EQ(PrintedPageHeader(s, 2), s.ModelName() + " Tidewright    Page 2 / " + std::to_string(total));
    }
}

}  // namespace
}  // namespace kv::test
