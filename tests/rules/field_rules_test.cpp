#include <gtest/gtest.h>

#include <cstdio>

#include "rules/field_rules.h"
#include "util/advice.h"

namespace kv {
namespace {

struct KeyCase {
    Field field;
    char key;
    size_t position;
    std::optional<char> inserted;
};

TEST(FilterKey, EachFieldTakesOnlyItsCharacters) {
    const KeyCase cases[] = {
        {Field::AtisCode, '7', 0, '7'},          {Field::AtisCode, 'a', 0, std::nullopt},
        {Field::AtisCode, ' ', 0, std::nullopt}, {Field::AtisCode, kBackspace, 3, kBackspace},
        {Field::AtisMid, '.', 0, std::nullopt},  {Field::AtisDisp, 'x', 1, 'x'},
        {Field::AtisDisp, 'X', 1, 'X'},          {Field::AtisDisp, '-', 1, std::nullopt},
        {Field::ChannelName, 'a', 0, 'A'},       {Field::ChannelName, '#', 0, std::nullopt},
        {Field::ChannelName, '_', 4, '_'},       {Field::ChannelName, '.', 4, '.'},
        {Field::ChannelName, '+', 4, std::nullopt},
        {Field::WeatherName, '#', 0, '#'},
        {Field::RxFrequency, '.', 3, '.'},       {Field::RxFrequency, '-', 0, std::nullopt},
        {Field::TxFrequency, 'e', 3, std::nullopt},
        {Field::StatusName, '*', 0, '*'},        {Field::StatusName, '_', 0, std::nullopt},
        {Field::StatusName, kBackspace, 0, kBackspace},
    };
    for (const KeyCase& c : cases) {
        EXPECT_EQ(FilterKey(c.field, c.key, c.position), c.inserted)
            << "field " << static_cast<int>(c.field) << " key " << int(c.key);
    }
}

TEST(FilterKey, ChannelNumbersTakeSegmentLettersInTheirOwnCaseOnly) {
    for (const char c : std::string("AbCdEFGHIJLnoPqrtSUy 09"))
        EXPECT_EQ(FilterKey(Field::ChannelNumberSecond, c, 1), c) << c;
    for (const char c : std::string("aBcDeNOQRTYKMXZ#"))
        EXPECT_EQ(FilterKey(Field::ChannelNumberSecond, c, 1), std::nullopt) << c;
}

TEST(FilterKey, MAndKOnlyStartTheFirstChannelNumberField) {
    for (const char c : {'M', 'K'}) {
        EXPECT_EQ(FilterKey(Field::ChannelNumberFirst, c, 0), c);
        EXPECT_EQ(FilterKey(Field::ChannelNumberFirst, c, 1), std::nullopt);
        EXPECT_EQ(FilterKey(Field::ChannelNumberSecond, c, 0), std::nullopt);
    }
}

TEST(FilterText, PastedTextPassesTheSameFilterAndLimit) {
    EXPECT_EQ(FilterText(Field::AtisCode, "12-34 56789012", 10), "1234567890");
    EXPECT_EQ(FilterText(Field::ChannelName, "ship #1 name.", 12), "SHIP 1 NAME.");
    EXPECT_EQ(FilterText(Field::ChannelNumberFirst, "MM1", 2), "M1");
    EXPECT_EQ(FilterText(Field::RxFrequency, std::string("15\0" "6.8", 6), 0), "156.8");
}

TEST(EditedText, RefusedKeysChangeNothingAndTheNoFrequencyFormGivesWay) {
    struct Case {
        Field field;
        const char* shown;
        const char* edited;  // what the key or paste would leave
        std::optional<std::string> text;
    } cases[] = {
        // A refused key over a selection leaves the field as it was.
        {Field::RxFrequency, "156.0500", "x", std::nullopt},
        {Field::AtisCode, "1234567890", "a", std::nullopt},
        {Field::ChannelName, "HARBOUR", "HA#", std::nullopt},
        {Field::ChannelName, "HARBOUR", "HAR#BOUR", std::nullopt},
        // Accepted keys go in where they were typed; names are raised.
        {Field::ChannelName, "HARBOUR", "HARbBOUR", "HARBBOUR"},
        {Field::RxFrequency, "156.0500", "1", "1"},
        {Field::RxFrequency, "156.0500", "156.05", "156.05"},
        // A paste keeps what the filter takes.
        {Field::AtisCode, "", "12-34", "1234"},
        // The channel number's "M" only first.
        {Field::ChannelNumberFirst, "1", "1M", std::nullopt},
        {Field::ChannelNumberFirst, "1", "M1", "M1"},
        // Typing into "---.----", wherever the cursor stood, starts afresh.
        {Field::RxFrequency, "---.----", "1---.----", "1"},
        {Field::RxFrequency, "---.----", "---.1----", "1"},
        {Field::TxFrequency, "---.----", "---.----156.05", "156.05"},
        {Field::RxFrequency, "---.----", "---.---", ""},
        {Field::RxFrequency, "---.----", "---.x----", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(EditedText(c.field, c.shown, c.edited, RuleOf(c.field).maxLength), c.text)
            << c.shown << " -> " << c.edited;
}

TEST(ChannelNumberLength, ThreeOnlyForMarineChannelsFromOneHundred) {
    EXPECT_EQ(ChannelNumberLength(true, 99), 2);
    EXPECT_EQ(ChannelNumberLength(true, 100), 3);
    EXPECT_EQ(ChannelNumberLength(false, 100), 2);
}

TEST(Normalisation, MidStatusNameAndChannelNumber) {
    const std::pair<std::string, std::string> mids[] = {{"7", "007"}, {"", ""}, {"42", "042"}, {"123", "123"},
                                                        {"007", "007"}, {"0", "000"}};
    for (const auto& [typed, shown] : mids) EXPECT_EQ(FormatMid(typed), shown) << typed;

    const std::pair<std::string, std::string> names[] = {
        {"AB", "  AB"}, {"ABCD", "ABCD"}, {"ABCDE", "BCDE"}, {"", ""}, {"   ", ""}, {" AB ", "  AB"}};
    for (const auto& [typed, stored] : names) EXPECT_EQ(NormaliseStatusName(typed), stored) << typed;

    EXPECT_EQ(PadChannelNumber("5"), "5 ");
    EXPECT_EQ(PadChannelNumber("16"), "16");
    EXPECT_EQ(PadChannelNumber(""), "");
}

TEST(CheckFixedLength, TheAtisCodeIsTenDigitsOrNothing) {
    struct Case {
        std::string typed;
        bool valid;
    } cases[] = {{"1234567890", true}, {"123456789", false}, {"", true}, {" 1234567890 ", true},
                 {"12345678901", false}, {"          ", true}};
    for (const Case& c : cases) {
        const auto r = CheckFixedLength(c.typed, 10, "0000000000", CheckMode::Validating);
        EXPECT_EQ(r.valid, c.valid) << c.typed;
        EXPECT_EQ(r.stored.has_value(), c.valid) << c.typed;
        EXPECT_EQ(r.fieldText, c.typed) << "validating keeps the text as typed";
        if (c.valid) {
            EXPECT_EQ(*r.stored, c.typed) << "stored as typed, spaces included";
        }
    }
}

TEST(CheckFixedLength, RestoringPutsTheStoredValueBack) {
    const auto r = CheckFixedLength("123", 10, "1111122222", CheckMode::Restoring);
    EXPECT_FALSE(r.valid);
    EXPECT_EQ(r.fieldText, "1111122222");
    EXPECT_FALSE(r.stored);
}

TEST(LeadingNumber, ReadsTheNumericPrefixOnly) {
    EXPECT_DOUBLE_EQ(LeadingNumber("156.05x"), 156.05);
    EXPECT_DOUBLE_EQ(LeadingNumber("156.0.5"), 156.0);
    EXPECT_DOUBLE_EQ(LeadingNumber(""), 0.0);
    EXPECT_DOUBLE_EQ(LeadingNumber("."), 0.0);
    EXPECT_DOUBLE_EQ(LeadingNumber("abc"), 0.0);
}

TEST(CheckFrequency, BandEdgesOfEveryModelFromBothSides) {
    // The lowest frequency and the step of each model type; every band ends at 174 MHz.
    const struct {
        int model;
        double low, step;
    } bands[] = {{0, 137, 0.025}, {1, 137, 0.0001}, {2, 137, 0.0001}, {3, 137, 0.025},
                 {4, 134, 0.0001}, {5, 134, 0.0001}, {6, 134, 0.0001}};
    for (const auto& b : bands) {
        const std::pair<double, bool> edges[] = {{b.low - b.step, false}, {b.low, true},  {b.low + b.step, true},
                                                 {174 - b.step, true},    {174, true},    {174 + b.step, false}};
        for (const auto& [mhz, valid] : edges) {
            char typed[16];
            std::snprintf(typed, sizeof typed, "%.4f", mhz);
            EXPECT_EQ(CheckFrequency(b.model, typed, 0, CheckMode::Validating).valid, valid) << b.model << " " << typed;
        }
    }
}

TEST(CheckFrequency, RasterAndNonsense) {
    struct Case {
        int model;
        std::string typed;
        bool valid;
    } cases[] = {
        {2, "137.0125", true},  {0, "156.0375", false}, {0, "156.050", true}, {3, "156.0375", false},
        {3, "156.025", true},   {5, "0", false},        {5, "abc", false},    {5, "1e400", false},
        {5, "99999999999999999999", false},
    };
    for (const Case& c : cases) EXPECT_EQ(CheckFrequency(c.model, c.typed, 0, CheckMode::Validating).valid, c.valid)
        << "model " << c.model << " " << c.typed;
}

TEST(CheckFrequency, AcceptedValuesAreStoredAsShown) {
    const auto r = CheckFrequency(5, "156.05", 0, CheckMode::Validating);
    ASSERT_TRUE(r.stored);
    EXPECT_DOUBLE_EQ(*r.stored, 156.05);
    EXPECT_EQ(r.fieldText, "156.0500");

    const auto rounded = CheckFrequency(5, "156.123456", 0, CheckMode::Validating);
    EXPECT_DOUBLE_EQ(*rounded.stored, 156.1235);
    EXPECT_EQ(rounded.fieldText, "156.1235");
}

TEST(CheckFrequency, AnEmptyFieldMeansNoFrequency) {
    for (const std::string typed : {"", "   "}) {
        const auto r = CheckFrequency(0, typed, 156.8, CheckMode::Validating);
        EXPECT_TRUE(r.valid);
        EXPECT_EQ(r.stored, 0.0);
        EXPECT_EQ(r.fieldText, "---.----");
    }
}

TEST(CheckFrequency, RefusedValuesNeverReachTheTarget) {
    const auto validating = CheckFrequency(5, "200", 156.8, CheckMode::Validating);
    EXPECT_FALSE(validating.stored);
    EXPECT_EQ(validating.fieldText, "200");
    const auto restoring = CheckFrequency(5, "200", 156.8, CheckMode::Restoring);
    EXPECT_FALSE(restoring.stored);
    EXPECT_EQ(restoring.fieldText, "156.8000");
    EXPECT_EQ(CheckFrequency(5, "200", 0, CheckMode::Restoring).fieldText, "---.----");
}

TEST(Messages, DataErrorCarriesTheFieldTitle) {
    const Message m = DataErrorMessage(RuleOf(Field::AtisCode).errorTitle);
    EXPECT_EQ(m, (Message{"Data Error!!", "ATISNo", MessageIcon::Exclamation, Buttons::Ok, AdviceText(Advice::AtisCode)}));
    EXPECT_EQ(DataErrorMessage(RuleOf(Field::RxFrequency).errorTitle).caption, "Rx frequency");
    EXPECT_EQ(DataErrorMessage(RuleOf(Field::TxFrequency).errorTitle).caption, "Tx frequency");
    EXPECT_EQ(ChannelIncompleteMessage().text, "Data Error!!\r\nPlease input correct data.");
    EXPECT_EQ(ChannelIncompleteMessage().caption, "PC Program for KV150/KV170 Series");
    // The editor's refusal: the same text, and beneath it the channel and what it lacks.
    for (const auto& [rx, number] : {std::pair{"---.----", "5 "}, {"150.0000", " "}, {"---.----", ""}}) {
        const Message refused = ChannelIncompleteMessage("LMR Channel 5", rx, number);
        EXPECT_EQ(refused.text, ChannelIncompleteMessage().text);
        EXPECT_TRUE(refused.detail.starts_with("LMR Channel 5 ")) << refused.detail;
        EXPECT_EQ(refused.detail.find("receive frequency") != std::string::npos, rx[0] == '-') << refused.detail;
        EXPECT_EQ(refused.detail.find("channel number") != std::string::npos, number[0] != '5') << refused.detail;
    }
    // A frequency's box names the field and the model's band.
    const Message band = FrequencyErrorMessage(Field::TxFrequency, 0);
    EXPECT_EQ(band.text, "Data Error!!");
    EXPECT_EQ(band.detail, AdviceText(Advice::FrequencyInSteps, {"Tx frequency", "137.0000", "174.0000"}));
    EXPECT_EQ(FrequencyErrorMessage(Field::RxFrequency, 5).detail,
              AdviceText(Advice::Frequency, {"Rx frequency", "134.0000", "174.0000"}));
}

}  // namespace
}  // namespace kv
