#include "editor/channel_csv.h"
#include "editor/channel_screens.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "files/default_data.h"
#include "fleet/fleet_job.h"
#include "image/codec.h"
#include "files/settings_file.h"
#include "report/report.h"
#include "rules/channel_lists.h"
#include "rules/field_rules.h"
#include "support/sessions.h"
#include "support/temp_dir.h"
#include "util/delimited_text.h"

namespace kv {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

constexpr ChannelList kAllLists[] = {ChannelList::Usa, ChannelList::Intl, ChannelList::Can, ChannelList::Wx,
                                     ChannelList::Rg,  ChannelList::Lmr,  ChannelList::Exp};

// Every model's defaults and every destination's factory data.
std::vector<RadioSession> DefaultSessions() {
    std::vector<RadioSession> sessions;
    for (int model = 0; model < kModelCount; ++model) sessions.push_back(test::FreshSession(model));
    for (int model : {5, 6})
        for (const Destination& d : CanonicalDestinations(model)) {
            RadioSession s = test::FreshSession(model);
            ApplyFactoryDefaults(s, d);
            sessions.push_back(s);
        }
    return sessions;
}

// A model 5 radio whose land-mobile, expansion and RG channels hold data
// the defaults leave empty: off-raster frequencies, tones, scrambler, names.
RadioSession BusySession(int model = 5) {
    RadioSession s = test::FreshSession(model);
    s.settings.UsableGroups[kLmrGroup].Enable = true;
    ChannelRecord& lmr = s.settings.CHEXP[2];
    lmr = ChannelRecord{};
    lmr.Position = 2;
    lmr.Enable = lmr.LmrExp = lmr.TxEnable = lmr.Narrow = true;
    lmr.TXPower = 3;
    lmr.CHDisplayL = "5 ";
    lmr.Rxfreq = 157.013;
    lmr.Txfreq = 157.0125;
    lmr.RxCTCSS = 12;
    lmr.TxDCS = 110;
    lmr.Scramble = 6;
    lmr.ChTag = "HARBOUR";
    ChannelRecord& exp = s.settings.CHEXP[3];
    exp.Enable = true;
    exp.CHDisplayL = "E ";
    exp.CHDisplayR = "1";
    exp.Rxfreq = exp.Txfreq = 160.5;
    exp.Narrow = true;
    exp.IntGroup = false;
    s.settings.CHRG[1].Enable = true;
    s.settings.CHRG[1].CHDisplayL = "b ";
    s.settings.CHRG[1].Rxfreq = 150.0;
    s.settings.CHRG[1].Narrow = true;
    return s;
}

// A USA list with disabled records (radios and files hold such gaps) at its
// start, in its middle and near its end; its last slot holds a channel or not.
RadioSession GappedUsa(bool lastSlotUsed) {
    RadioSession s = test::FreshSession(5);
    const int listed = ListedChannelCount(s.settings.CHUSA), end = lastSlotUsed ? kMarineSlots : listed;
    for (int i = 0; i < end; ++i) {
        ChannelRecord& ch = s.settings.CHUSA[static_cast<size_t>(i)];
        if (i >= listed) ch = s.settings.CHUSA[static_cast<size_t>(i - listed)];
        ch.Position = static_cast<int16_t>(i);
        ch.Enable = i != 0 && i != 5 && i != end - 2;
    }
    return s;
}

// Besides, names a spreadsheet would take for formulas, as a settings file may hold them.
RadioSession HostileSession() {
    RadioSession s = GappedUsa(true);
    const char* names[] = {"=1+2", "+A", "-B", "@C", "\tD", "'=E", "'F"};
    for (size_t i = 0; i < std::size(names); ++i) s.settings.CHUSA[i + 1].ChTag = s.settings.CHWX[i].ChTag = names[i];
    s.settings.CHEXP[0].ChTag = "=HYPERLINK(X)";
    return s;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    for (const TextRow& row : ReadDelimited(text, ',').rows) {
        std::string line;
        for (size_t i = 0; i < row.cells.size(); ++i) line += (i ? "," : "") + row.cells[i];
        lines.push_back(line);
    }
    return lines;
}

std::string Join(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

TEST(ChannelCsv, EveryListOfEveryModelImportsBackUnchanged) {
    std::vector<RadioSession> sessions = DefaultSessions();
    sessions.push_back(BusySession(5));
    sessions.push_back(BusySession(6));
    sessions.push_back(BusySession(2));
    sessions.push_back(HostileSession());
    const CsvFormat formats[] = {{CsvLayout::Kvprog, ','}, {CsvLayout::Kvprog, ';'}, {CsvLayout::Generic, ','}, {CsvLayout::Generic, ';'}};
    for (const RadioSession& s : sessions)
        for (ChannelList list : kAllLists)
            for (const CsvFormat& format : formats) {
                if (!ModelHasList(s.model, list) || !LayoutHoldsList(format.layout, list)) continue;
                const std::string csv = ExportChannelsCsv(s, list, format);
                const ChannelChange change = ImportChannelsCsv(s, list, csv);
                const std::string where = s.ModelName() + " " + ChannelListName(list) + " " + csv.substr(0, 10);
                ASSERT_TRUE(change.settings) << where << ": " << ::testing::PrintToString(change.problems);
                RadioSession after = s;
                after.settings = *change.settings;
                EXPECT_EQ(SettingsFileText(after), SettingsFileText(s)) << where;
                if (format.layout == CsvLayout::Kvprog) continue;
                // Into a radio without those channels: the same channels come back.
                RadioSession fresh = test::FreshSession(s.model);
                const ChannelChange taken = ImportChannelsCsv(fresh, list, csv);
                ASSERT_TRUE(taken.settings) << where << ": " << ::testing::PrintToString(taken.problems);
                fresh.settings = *taken.settings;
                EXPECT_EQ(ExportChannelsCsv(fresh, list, format), csv) << where;
            }
}

// Rows of every Duplex, Tone and CrossMode kind, polarity, mode, skip and power, as one file.
TEST(GenericCsv, EveryKindOfRowGivesTheChannelItNames) {
    const struct {
        const char* row;
        double rx, tx;
        bool transmit;
        int txCtcss, rxCtcss, txDcs, rxDcs;
        bool narrow, scanned, low;
    } cases[] = {
        {"1,Yard,151.82,,0,,88.5,88.5,023,NN,023,Tone->Tone,NFM,,High,", 151.82, 151.82, true, 0, 0, 0, 0, true, true, false},
        {"2,,158.115,+,4.6,Tone,100.0,,,,,,NFM,S,5.0W,", 158.115, 162.715, true, 13, 0, 0, 0, true, false, false},
        {"3,,159.48,-,1.2,TSQL,88.5,123.0,,,,,NFM,,1W,", 159.48, 158.28, true, 19, 19, 0, 0, true, true, true},
        {"4,,156,split,160.2,DTCS,,,245,NR,,,NFM,,Low,", 156.0, 160.2, true, 0, 0, 41, 145, true, true, true},
        {"5,,162,off,,Cross,67.0,254.1,,,,Tone->Tone,NFM,,Low,", 162.0, 0, false, 1, 50, 0, 0, true, true, false},
        {"6,,140,,,Cross,,,023,RN,,DTCS->,FM,,,", 140.0, 140.0, true, 0, 0, 105, 0, false, true, false},
        {"7,,140,,,Cross,,,,NN,754,->DTCS,NFM,,,", 140.0, 140.0, true, 0, 0, 0, 104, true, true, false},
        {"8,,140,,,Cross,88.5,,,NR,023,Tone->DTCS,NFM,,,", 140.0, 140.0, true, 9, 0, 0, 105, true, true, false},
        {"9,,140,,,Cross,,67.0,754,NN,,DTCS->Tone,NFM,,,", 140.0, 140.0, true, 0, 1, 104, 0, true, true, false},
        {"10,,140,,,Cross,,88.5,,,,->Tone,NFM,,,", 140.0, 140.0, true, 0, 9, 0, 0, true, true, false},
        {"11,,140,,,Cross,,,023,NN,754,DTCS->DTCS,NFM,,,", 140.0, 140.0, true, 0, 0, 1, 104, true, true, false},
        {"12,Marina-Haven-West,151.82,,,,,,,,,,FM,,,night", 151.82, 151.82, true, 0, 0, 0, 0, true, true, false},
    };
    std::string csv = "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,CrossMode,Mode,Skip,Power,Comment\r\n";
    for (const auto& c : cases) csv += std::string(c.row) + "\r\n";
    const ChannelChange change = ImportChannelsCsv(test::FreshSession(5), ChannelList::Lmr, csv);
    ASSERT_TRUE(change.settings) << ::testing::PrintToString(change.problems);
    for (size_t i = 0; i < std::size(cases); ++i) {
        const auto& c = cases[i];
        const ChannelRecord& ch = change.settings->CHEXP[i];
        EXPECT_TRUE(EnabledInGroup(5, ch, true)) << c.row;
        EXPECT_EQ(ch.CHDisplayL, PadChannelNumber(std::to_string(i + 1))) << c.row;
        EXPECT_EQ(std::vector<double>({ch.Rxfreq, ch.Txfreq}), std::vector<double>({c.rx, c.tx})) << c.row;
        EXPECT_EQ(std::vector<int>({ch.TxEnable, ch.TxCTCSS, ch.RxCTCSS, ch.TxDCS, ch.RxDCS, ch.Narrow, ch.ScanMemory, ch.LowPower}),
                  std::vector<int>({c.transmit, c.txCtcss, c.rxCtcss, c.txDcs, c.rxDcs, c.narrow, c.scanned, c.low}))
            << c.row;
    }
    EXPECT_EQ(change.settings->CHEXP[0].ChTag, "YARD");
    EXPECT_EQ(change.settings->CHEXP[11].ChTag, "MARINA-HAVEN");
    EXPECT_THAT(change.notes, ElementsAre("row 13, column Name: \"Marina-Haven-West\" is shortened to \"MARINA-HAVEN\"",
                                          "row 13, column Comment: \"night\" is left out: the radio keeps no comments",
                                          HasSubstr("row 13, column Mode: wide is taken as narrow (NFM)")));
}

TEST(ChannelCsv, ReadsLikeThePrintoutWithExactFrequenciesAndEveryRecord) {
    const RadioSession s = BusySession();
    const std::vector<std::string> lmr = Lines(ExportChannelsCsv(s, ChannelList::Lmr));
    ASSERT_EQ(lmr.size(), 41u) << "a header and all 40 records, disabled ones too";
    EXPECT_EQ(lmr[0], "CH,CHD,ENABLE,RX(MHz),TX(MHz),LOW,UP,MEM,VS,CH Name,W/N,RXT,CMP,TXT,TX");
    EXPECT_EQ(lmr[3], "3,5,ENABLE,157.0130,157.0125,---,--,---,2,HARBOUR,N,97.4Hz,---,036I,TX");
    EXPECT_EQ(lmr[4], "4,E  1,------,160.5000,160.5000,---,--,---,--,------------,N,-------,---,-------,--")
        << "an EXP channel is not enabled in the LMR list";
    const std::vector<std::string> exp = Lines(ExportChannelsCsv(s, ChannelList::Exp));
    EXPECT_EQ(exp[0], "CH,CHD,USA,INT,CAN,RX(MHz),TX(MHz),LOW,UP,MEM,VS,CH Name,W/N,RXT,CMP,TXT,ENABLE,TX");
    EXPECT_EQ(exp[4], "4,E  1,USE,---,USE,160.5000,160.5000,---,--,---,--,------------,N,-------,---,-------,ENABLE,--");
    const std::vector<std::string> usa = Lines(ExportChannelsCsv(s, ChannelList::Usa));
    EXPECT_EQ(usa.size(), 1u + ListedChannelCount(s.settings.CHUSA));
    EXPECT_EQ(usa[14], "16,156.800,156.800,TX,---,--,TX SIMP,---,--,DISTRESS");
    EXPECT_THAT(CsvColumns(4, ChannelList::Wx), ElementsAre("CH", "ENABLE", "CH Name", "MEM"))
        << "the editor's scan box, which the model 4 printout leaves out, comes last";
}

// The CSV of a list with one cell (row, column title) replaced.
std::string WithCell(const RadioSession& s, ChannelList list, size_t row, const std::string& title, const std::string& text) {
    std::vector<std::string> titles = CsvColumns(s.model, list);
    const size_t column = static_cast<size_t>(std::find(titles.begin(), titles.end(), title) - titles.begin());
    const DelimitedText csv = ReadDelimited(ExportChannelsCsv(s, list), ',');
    std::string out;
    for (size_t r = 0; r < csv.rows.size(); ++r) {
        std::vector<std::string> cells = csv.rows[r].cells;
        if (r + 1 == row) cells.at(column) = text;
        out += WriteDelimitedRow(cells, ',', "\r\n");
    }
    return out;
}

TEST(ChannelCsv, RefusesTheWholeFileNamingEveryBadCell) {
    const RadioSession s = BusySession();
    std::string tooMany = ExportChannelsCsv(s, ChannelList::Usa);
    for (int i = 0; i < kMaxMarineRows; ++i) tooMany += "16,,,TX,---,--,TX SIMP,---,--,\r\n";
    std::vector<std::string> shortRow = Lines(ExportChannelsCsv(s, ChannelList::Lmr));
    shortRow[5].erase(shortRow[5].rfind(','));
    std::vector<std::string> wrongHeader = Lines(ExportChannelsCsv(s, ChannelList::Rg));
    wrongHeader[0].replace(wrongHeader[0].find("RX(MHz)"), 7, "RX");
    std::vector<std::string> reversedWithCmp = Lines(ExportChannelsCsv(s, ChannelList::Lmr));
    reversedWithCmp[3].replace(reversedWithCmp[3].find("97.4Hz,---"), 10, "023I,CMP");
    const auto generic = [](const std::string& row) {
        return "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,CrossMode,Mode,Skip,Power\r\n" + row + "\r\n";
    };
    const struct {
        const char* what;
        ChannelList list;
        std::string csv;
        const char* problem;
    } cases[] = {
        {"unknown channel", ChannelList::Usa, WithCell(s, ChannelList::Usa, 3, "CH", "16C"),
         "row 3, column CH: \"16C\" is no marine channel"},
        {"not a frequency", ChannelList::Lmr, WithCell(s, ChannelList::Lmr, 4, "RX(MHz)", "157,0125"),
         "row 4, column RX(MHz): \"157,0125\" is not a frequency in MHz"},
        {"out of band", ChannelList::Lmr, WithCell(s, ChannelList::Lmr, 4, "TX(MHz)", "180.0000"),
         "row 4, column TX(MHz): \"180.0000\" is outside 134.0000 - 174.0000 MHz"},
        {"below 100 Hz", ChannelList::Rg, WithCell(s, ChannelList::Rg, 3, "RX(MHz)", "150.00001"),
         "row 3, column RX(MHz): \"150.00001\" has more than four decimals"},
        {"bad tone", ChannelList::Lmr, WithCell(s, ChannelList::Lmr, 4, "RXT", "99.9Hz"),
         "row 4, column RXT: \"99.9Hz\" is no CTCSS tone"},
        {"bad name", ChannelList::Usa, WithCell(s, ChannelList::Usa, 2, "CH Name", "A#B"),
         "row 2, column CH Name: \"A#B\" holds a character a channel name cannot"},
        {"bad flag", ChannelList::Wx, WithCell(s, ChannelList::Wx, 2, "MEM", "yes"),
         "row 2, column MEM: \"yes\" is neither \"MEM\" nor \"---\""},
        {"channel twice", ChannelList::Rg, WithCell(s, ChannelList::Rg, 3, "CH", "1"),
         "row 3, column CH: channel 1 is in row 2 already"},
        {"too many rows", ChannelList::Usa, tooMany, "row 129, column CH: Too many entries"},
        {"short row", ChannelList::Lmr, Join(shortRow), "row 6, column TX: missing; the row has 14 cells, the list 15"},
        {"wrong header", ChannelList::Rg, Join(wrongHeader), "row 1, column 6: \"RX(MHz)\" expected, found \"RX\""},
        {"changed frequency", ChannelList::Usa, WithCell(s, ChannelList::Usa, 16, "RX(MHz)", "170.000"),
         "row 16, column RX(MHz): \"170.000\" is not the receive frequency of channel 17 (156.850): a marine channel's"},
        {"changed tx frequency", ChannelList::Usa, WithCell(s, ChannelList::Usa, 16, "TX(MHz)", "156.8501"),
         "row 16, column TX(MHz): \"156.8501\" is not the transmit frequency of channel 17"},
        {"name the radio cuts", ChannelList::Wx, WithCell(s, ChannelList::Wx, 2, "CH Name", "1.5-2"),
         "row 2, column CH Name: the radio would not keep \"1.5-2\" (it would hold \"1\")"},
        {"name the radio drops", ChannelList::Wx, WithCell(s, ChannelList::Wx, 4, "CH Name", "'=1+2"),
         "row 4, column CH Name: the radio would not keep \"=1+2\" (it would hold \"\")"},
        {"reversed code with CMP", ChannelList::Lmr, Join(reversedWithCmp), "row 4, column RXT: the radio would not keep \"023I\""},
        {"mixed header", ChannelList::Lmr, "CH,CHD;ENABLE\r\n", "row 1: the header mixes \",\" and \";\""},
        {"mixed row", ChannelList::Rg, ExportChannelsCsv(s, ChannelList::Rg, {CsvLayout::Kvprog, ';'}) + "1,a,b\r\n",
         "row 10, column 1: the row is separated by \",\", the header by \";\""},
        {"neither layout", ChannelList::Lmr, "Kanal;Frequenz\r\n", "row 1, column 1: the header names no column of the LMR list (CH, CHD, ...) nor"},
        {"unknown column", ChannelList::Lmr, "Location,Frequency,Foo\r\n", "row 1, column 3: \"Foo\" is no column of the generic layout"},
        {"column twice", ChannelList::Lmr, "Location,Frequency,frequency\r\n", "row 1, column 3: \"Frequency\" is in column 2 already"},
        {"no location", ChannelList::Lmr, "Name,Frequency\r\n", "row 1, column Location: missing"},
        {"generic marine", ChannelList::Usa, generic("1,,156.8,,,,,,,,,,FM,,"), "not USA ones"},
        {"mode", ChannelList::Lmr, generic("1,,151.82,,,,,,,,,,AM,,"), "row 2, column Mode: \"AM\" does not fit these radios"},
        {"polarity", ChannelList::Lmr, generic("1,,151.82,,,DTCS,,,023,NX,,,NFM,,"), "row 2, column DtcsPolarity: \"NX\" is no polarity"},
        {"tone", ChannelList::Rg, generic("1,,151.82,,,Tone,69.4,,,,,,NFM,,"), "row 2, column rToneFreq: \"69.4\" is no CTCSS tone"},
        {"code", ChannelList::Exp, generic("1,,151.82,,,Cross,,,024,,,DTCS->,NFM,,"), "row 2, column DtcsCode: \"024\" is no DCS code"},
        {"cross mode", ChannelList::Lmr, generic("1,,151.82,,,Cross,,,,,,Tone-DTCS,NFM,,"), "row 2, column CrossMode: \"Tone-DTCS\" is no cross mode"},
        {"band", ChannelList::Lmr, generic("1,,180.000000,,,,,,,,,,NFM,,"), "row 2, column Frequency: \"180.000000\" is outside 134.0000 - 174.0000 MHz"},
        {"transmit band", ChannelList::Lmr, generic("1,,173.5,+,1,,,,,,,,NFM,,"), "row 2, column Offset: the transmit frequency 174.5000 MHz"},
        {"finer than 100 Hz", ChannelList::Lmr, generic("1,,156.80625,,,,,,,,,,NFM,,"), "row 2, column Frequency: \"156.80625\" is finer than"},
        {"duplex", ChannelList::Lmr, generic("1,,151.82,dup,,,,,,,,,NFM,,"), "row 2, column Duplex: \"dup\" is none of"},
        {"skip", ChannelList::Lmr, generic("1,,151.82,,,,,,,,,,NFM,P,"), "row 2, column Skip: \"P\" is neither"},
        {"power", ChannelList::Lmr, generic("1,,151.82,,,,,,,,,,NFM,,Mid"), "row 2, column Power: \"Mid\" is no power level"},
        {"location", ChannelList::Rg, generic("9,,151.82,,,,,,,,,,NFM,,"), "row 2, column Location: \"9\" is no channel of the RG list (1 to 8)"},
        {"name character", ChannelList::Lmr, generic("1,Ch (1),151.82,,,,,,,,,,NFM,,"), "row 2, column Name: \"CH (1)\" holds a character"},
    };
    for (const auto& c : cases) {
        const ChannelChange change = ImportChannelsCsv(s, c.list, c.csv);
        EXPECT_FALSE(change.settings) << c.what;
        EXPECT_THAT(change.problems, ::testing::Contains(HasSubstr(c.problem))) << c.what;
    }
    EXPECT_THAT(ImportChannelsCsv(test::FreshSession(0), ChannelList::Rg, generic("1,,156.8,,,Tone,88.5,,,,,,NFM,,")).problems,
                ElementsAre("row 2, column Tone: this radio keeps no tones", "row 2, column Mode: this radio has no narrow channels"));
    // Two bad cells: both are named.
    std::vector<std::string> twoBad = Lines(WithCell(s, ChannelList::Lmr, 4, "RXT", "x"));
    twoBad[6].replace(twoBad[6].find("---.----"), 8, "abc");
    const ChannelChange change = ImportChannelsCsv(s, ChannelList::Lmr, Join(twoBad));
    EXPECT_THAT(change.problems, ElementsAre(HasSubstr("row 4, column RXT"), HasSubstr("row 7, column RX(MHz)")));
}

TEST(ChannelCsv, ImportedCellsObeyTheEditorsCrossRules) {
    const RadioSession s = BusySession();
    const auto imported = [&](ChannelList list, size_t row, const std::string& title, const std::string& text) {
        return ImportChannelsCsv(s, list, WithCell(s, list, row, title, text));
    };
    // Low power is power code 1; transmit off is code 0; a silent channel has no low power.
    EXPECT_EQ(imported(ChannelList::Usa, 16, "LOW", "LOW").settings->CHUSA[14].TXPower, 1);
    const ChannelChange silent = imported(ChannelList::Lmr, 4, "TX", "--");
    ASSERT_TRUE(silent.settings);
    EXPECT_FALSE(silent.settings->CHEXP[2].TxEnable);
    EXPECT_EQ(silent.settings->CHEXP[2].TXPower, 0);
    std::vector<std::string> silentLow = Lines(WithCell(s, ChannelList::Lmr, 4, "TX", "--"));
    silentLow[3].replace(silentLow[3].find(",---,"), 5, ",LOW,");
    EXPECT_THAT(ImportChannelsCsv(s, ChannelList::Lmr, Join(silentLow)).problems,
                ElementsAre("row 4, column LOW: a channel that does not transmit has no power to choose"));
    // A CTCSS tone clears the DCS code of its side (case does not matter).
    const ChannelChange tone = imported(ChannelList::Lmr, 4, "TXT", "67.0hz");
    ASSERT_TRUE(tone.settings);
    EXPECT_EQ(tone.settings->CHEXP[2].TxCTCSS, 1);
    EXPECT_EQ(tone.settings->CHEXP[2].TxDCS, 0);
    // Enabling a record in the EXP list claims it for that list.
    const ChannelChange claimed = imported(ChannelList::Exp, 4, "ENABLE", "ENABLE");
    ASSERT_TRUE(claimed.settings);
    EXPECT_FALSE(claimed.settings->CHEXP[2].LmrExp);
    // A name is kept in upper case, and the import says so.
    const ChannelChange lower = imported(ChannelList::Wx, 3, "CH Name", "abc");
    ASSERT_TRUE(lower.settings);
    EXPECT_EQ(lower.settings->CHWX[1].ChTag, "ABC");
    EXPECT_THAT(lower.notes, ElementsAre("row 3, column CH Name: \"abc\" is kept as \"ABC\""));
    // An enabled channel needs a receive frequency.
    EXPECT_THAT(imported(ChannelList::Rg, 3, "RX(MHz)", "---").problems,
                ElementsAre("row 3, column RX(MHz): an enabled channel needs a receive frequency"));
    // A changed channel under the narrowband rule is written narrow; asking for wide is refused.
    const ChannelChange renamed = imported(ChannelList::Lmr, 4, "W/N", "W");
    EXPECT_THAT(renamed.problems, ElementsAre(HasSubstr("row 4, column W/N: a land-mobile channel in 150 - 174 MHz must be narrow")));
}

TEST(ChannelCsv, AMarineImportBecomesTheRowsChannels) {
    RadioSession s = BusySession();
    s.settings.UsableGroups[kIntlGroup].PriorityCh = 20;
    const std::string csv = "ch,rx(mhz),tx(mhz),tx,low,up,dup,mem,vs,ch name\r\n"
                            "16,,,TX,---,--,TX SIMP,MEM,--,Distress\r\n"
                            "1019,,,--,---,--,DUP,---,--,\r\n"
                            "45b,,,TX,---,--,TX SIMP,---,--,\r\n";
    const ChannelChange change = ImportChannelsCsv(s, ChannelList::Intl, csv);
    ASSERT_TRUE(change.settings) << ::testing::PrintToString(change.problems);
    const MarineGroup& usa = change.settings->CHINT;
    EXPECT_EQ(ListedChannelCount(usa), 3);
    EXPECT_EQ(usa[0].BaseCh, 16);
    EXPECT_TRUE(usa[0].ScanMemory);
    EXPECT_EQ(usa[0].ChTag, "DISTRESS");
    EXPECT_EQ(usa[1].StatusNo, "10");
    EXPECT_EQ(usa[1].BaseCh, 19);
    EXPECT_EQ(usa[1].Duplex, 2);
    EXPECT_FALSE(usa[1].TxEnable);
    EXPECT_EQ(usa[1].Position, 1) << "slots keep their places";
    EXPECT_TRUE(ImportChannelsCsv(s, ChannelList::Intl, "CH,RX(MHz),TX(MHz),TX,LOW,UP,DUP,MEM,VS,CH Name,,\r\n16,,,TX,---,--,TX SIMP,---,--,,,\r\n").settings)
        << "empty cells past the last column, as a spreadsheet pads its rows";
    EXPECT_EQ(MarineChannelLabel(usa[2]), "45B") << "a channel outside the plan, as the Add panel makes it";
    EXPECT_EQ(usa[2].TXPower, 3);
    EXPECT_EQ(change.settings->UsableGroups[kIntlGroup].PriorityCh, 2) << "the priority follows its channel, 1019";
    const ChannelChange without = ImportChannelsCsv(s, ChannelList::Intl, std::string(csv).erase(csv.find("1019"), 30));
    ASSERT_TRUE(without.settings);
    EXPECT_EQ(without.settings->UsableGroups[kIntlGroup].PriorityCh, -1);
    EXPECT_THAT(without.notes, ElementsAre("The INTL priority channel 1019 is not in the imported list: the priority becomes Off."));
}

TEST(DelimitedText, ReadsWhatSpreadsheetsWrite) {
    const struct {
        const char* what;
        std::string text;
        std::vector<std::vector<std::string>> rows;
    } cases[] = {
        {"byte-order mark", "\xEF\xBB\xBF" "a,b\r\n", {{"a", "b"}}},
        {"LF", "a,b\nc,d\n", {{"a", "b"}, {"c", "d"}}},
        {"CR LF, no last break", "a,b\r\nc,d", {{"a", "b"}, {"c", "d"}}},
        {"quoted comma and doubled quotes", "\"x,y\",\"say \"\"hi\"\"\"\r\n", {{"x,y", "say \"hi\""}}},
        {"line break in quotes", "\"a\r\nb\",c\r\n", {{"a\r\nb", "c"}}},
        {"trailing empty lines", "a\r\n\r\n\r\n\n", {{"a"}}},
        {"empty cells", ",,\r\n", {{"", "", ""}}},
    };
    for (const auto& c : cases) {
        const DelimitedText text = ReadDelimited(c.text, ',');
        EXPECT_EQ(text.error, "") << c.what;
        std::vector<std::vector<std::string>> rows;
        for (const TextRow& row : text.rows) rows.push_back(row.cells);
        EXPECT_EQ(rows, c.rows) << c.what;
    }
    EXPECT_EQ(ReadDelimited("a\r\n\r\nb\r\n", ',').rows.at(1).number, 3) << "rows are counted as the file's lines";
    EXPECT_EQ(WriteDelimitedRow({"a,b", "say \"hi\"", " x", "plain"}, ',', "\r\n"), "\"a,b\",\"say \"\"hi\"\"\",\" x\",plain\r\n");
    for (const auto& [text, separator] : {std::pair{"a,b\r\nc;d", ','}, {"\r\na;b\r\nc,d", ';'}, {"\"a;b\",c", ','}, {"a;b,c", '\0'}})
        EXPECT_EQ(HeaderSeparator(text), separator) << text;
}

TEST(SpreadsheetText, FormulasShowAsTextAndComeBackAsTheyWere) {
    const struct {
        const char* text;
        const char* cell;
    } cases[] = {{"=1+2", "'=1+2"}, {"+A", "'+A"}, {"-B", "'-B"}, {"@C", "'@C"}, {"\tD", "'\tD"}, {"\rE", "'\rE"},
                 {"'=F", "''=F"},   {"''", "'''"}, {"'G", "'G"},   {"'", "'"},   {"H=", "H="},   {"", ""}};
    for (const auto& c : cases) {
        EXPECT_EQ(SpreadsheetText(c.text), c.cell) << c.text;
        EXPECT_EQ(FromSpreadsheetText(c.cell), c.text) << c.cell;
    }
    EXPECT_THAT(Lines(ExportChannelsCsv(HostileSession(), ChannelList::Usa))[1], ::testing::EndsWith(",'=1+2"));
    EXPECT_THAT(FleetLogCsv({{.label = "=HYPERLINK(X)", .port = "", .message = "-1", .backupPath = ""}}), HasSubstr("\r\n'=HYPERLINK(X),,waiting,'-1,"));
}

TEST(DelimitedText, RefusesWhatIsNoChannelList) {
    EXPECT_THAT(ReadDelimited(std::string("CH\0,x", 5), ',').error, HasSubstr("not a UTF-8 text (byte 3)"));
    EXPECT_THAT(ReadDelimited("CH,\xFF\xFE", ',').error, HasSubstr("not a UTF-8 text"));
    EXPECT_THAT(ReadDelimited("\"open", ',').error, "row 1: a quoted cell is not closed");
    EXPECT_THAT(ReadDelimited("CH\r\n" + std::string(5000, 'x') + "\r\n", ',').error, HasSubstr("row 2 is longer than 4096 bytes"));
    const DelimitedText big = ReadDelimited(std::string(kLargestDelimitedText + 1, 'x'), ',');
    EXPECT_THAT(big.error, HasSubstr("larger than 1024 KB"));
    EXPECT_TRUE(big.rows.empty());
}

TEST(ChannelCsv, RefusesLargeFilesWithoutReadingThem) {
    const RadioSession s = BusySession();
    test::TempDir dir;
    const auto path = dir / "huge.csv";
    std::ofstream(path).close();
    std::filesystem::resize_file(path, 100u * 1024 * 1024);  // sparse: nothing to read quickly but the length
    ChannelChange change = ImportChannelsCsvFile(s, ChannelList::Lmr, path);
    EXPECT_FALSE(change.settings);
    EXPECT_THAT(change.problems, ElementsAre(HasSubstr("huge.csv: file too large")));
    {
        std::ofstream row(dir / "row.csv", std::ios::binary);
        row << std::string(1024 * 1024, 'x') << "\r\n";
    }
    EXPECT_THAT(ImportChannelsCsvFile(s, ChannelList::Lmr, dir / "row.csv").problems, ElementsAre(HasSubstr("file too large")));
    {
        std::ofstream binary(dir / "binary.csv", std::ios::binary);
        binary << std::string("\x7F" "ELF\x02\x01\x01\0\0", 9);
    }
    EXPECT_THAT(ImportChannelsCsvFile(s, ChannelList::Lmr, dir / "binary.csv").problems,
                ElementsAre(HasSubstr("binary.csv: not a UTF-8 text")));
}

// Tab-separated rows without their first cells.
std::vector<std::string> WithoutNumbers(const std::string& rows) {
    std::vector<std::string> out;
    for (const TextRow& row : ReadDelimited(rows, '\t').rows)
        out.push_back(WriteDelimitedRow({row.cells.begin() + 1, row.cells.end()}, '\t', ""));
    return out;
}

TEST(ChannelRows, CopyAndPasteFromThisProgramOrASpreadsheet) {
    const RadioSession s = BusySession();
    // Rows copied from the LMR grid overwrite from the selected record on.
    const std::string copied = CopyChannelRows(s, ChannelList::Lmr, {2, 3});
    EXPECT_EQ(copied.substr(0, copied.find('\n')), "3\t5\tENABLE\t157.0130\t157.0125\t---\t--\t---\t2\tHARBOUR\tN\t97.4Hz\t---\t036I\tTX");
    const ChannelChange pasted = PasteChannelRows(s, ChannelList::Lmr, 9, copied);
    ASSERT_TRUE(pasted.settings) << ::testing::PrintToString(pasted.problems);
    RadioSession after = s;
    after.settings = *pasted.settings;
    const std::string recopied = CopyChannelRows(after, ChannelList::Lmr, {9, 10});
    EXPECT_EQ(WithoutNumbers(recopied), WithoutNumbers(copied)) << "the same cells but for the channel numbers";
    EXPECT_THAT(PasteChannelRows(s, ChannelList::Lmr, 39, copied).problems, ElementsAre(HasSubstr("row 2, column CH: Too many entries")));
    // A header of ours in another order, or the generic layout's, gives the cells' order.
    std::vector<std::string> titles = CsvColumns(5, ChannelList::Lmr), cells = ReadDelimited(copied, '\t').rows[0].cells;
    std::rotate(titles.begin(), titles.end() - 1, titles.end());
    cells[9] = "TONE";
    EXPECT_TRUE(PasteChannelRows(s, ChannelList::Lmr, 9, WriteDelimitedRow(cells, '\t', "\n")).settings) << "a name is no generic header";
    std::rotate(cells.begin(), cells.end() - 1, cells.end());
    const ChannelChange reordered = PasteChannelRows(s, ChannelList::Lmr, 9, WriteDelimitedRow(titles, '\t', "\n") + WriteDelimitedRow(cells, '\t', "\n"));
    ASSERT_TRUE(reordered.settings) << ::testing::PrintToString(reordered.problems);
    EXPECT_EQ(reordered.settings->CHEXP[9].Rxfreq, pasted.settings->CHEXP[9].Rxfreq);
    EXPECT_EQ(reordered.settings->CHEXP[9].ChTag, "TONE");
    const ChannelChange generic = PasteChannelRows(s, ChannelList::Rg, 2, "Name\tFrequency\tLocation\nBoat\t156.025\t40\n");
    ASSERT_TRUE(generic.settings) << ::testing::PrintToString(generic.problems);
    EXPECT_EQ(std::make_tuple(generic.settings->CHRG[2].ChTag, generic.settings->CHRG[2].Rxfreq, generic.settings->CHRG[2].CHDisplayL),
              std::make_tuple(std::string("BOAT"), 156.025, std::string("3 "))) << "numbered as the list numbers it, whatever its Location";

    // A spreadsheet's rows, with its header, are inserted into a marine list after the selection.
    const std::string sheet = "CH\tRX(MHz)\tTX(MHz)\tTX\tLOW\tUP\tDUP\tMEM\tVS\tCH Name\n"
                              "16\t156.800\t156.800\tTX\t---\t--\tTX SIMP\tMEM\t--\t\"CALL, 16\"\n"
                              "09\t\t\tTX\tLOW\t--\tTX SIMP\t---\t--\t\n";
    const ChannelChange inserted = PasteChannelRows(s, ChannelList::Usa, 0, sheet);
    ASSERT_TRUE(inserted.settings) << ::testing::PrintToString(inserted.problems);
    const MarineGroup& usa = inserted.settings->CHUSA;
    EXPECT_EQ(ListedChannelCount(usa), ListedChannelCount(s.settings.CHUSA) + 2);
    EXPECT_EQ(usa[0], s.settings.CHUSA[0]);
    EXPECT_EQ(usa[1].BaseCh, 16);
    EXPECT_EQ(usa[1].ChTag, "CALL, 16");
    EXPECT_TRUE(usa[2].LowPower);
    EXPECT_EQ(usa[3].BaseCh, s.settings.CHUSA[1].BaseCh) << "the former second channel moved down";
    // A pasted bad cell changes nothing and is named.
    EXPECT_THAT(PasteChannelRows(s, ChannelList::Usa, 0, "3016\t\t\tTX\t---\t--\tTX SIMP\t---\t--\t\n").problems,
                ElementsAre(HasSubstr("row 1, column CH: \"3016\" is no marine channel")));
}

TEST(ChannelRows, DeleteKeepsTheLastChannelOfAGroup) {
    RadioSession s = BusySession();
    std::vector<int> all;
    for (int i = 0; i < ListedChannelCount(s.settings.CHUSA); ++i) all.push_back(i);
    const std::optional<RadioSettings> allGone = DeleteMarineRows(s, kUsaGroup, all);
    ASSERT_TRUE(allGone);
    EXPECT_EQ(ListedChannelCount(allGone->CHUSA), 1);
}

// The rows a marine grid shows, read from the radio after encode and decode.
std::vector<std::string> RadioRows(RadioSession s, const RadioSettings& settings) {
    s.settings = settings;
    EncodeImage(s);
    DecodeImage(s);
    std::vector<std::string> rows;
    for (const ChannelRecord& ch : s.settings.CHUSA)
        if (ch.Enable) rows.push_back(MarineChannelLabel(ch));
    return rows;
}

TEST(MarineRows, EveryCommandActsOnTheChannelItsRowShows) {
    for (const bool lastSlotUsed : {false, true}) {
        const RadioSession s = GappedUsa(lastSlotUsed);
        const std::vector<std::string> shown = RadioRows(s, s.settings);
        const int last = static_cast<int>(shown.size()) - 1, priorityRow = 4;
        RadioSession withPriority = s;
        withPriority.settings.UsableGroups[kUsaGroup].PriorityCh = PriorityEntries(s, kUsaGroup)[priorityRow + 1].value;
        for (const int row : {0, priorityRow, last}) {
            const std::string where = "row " + std::to_string(row) + (lastSlotUsed ? ", last slot used" : "");
            // The radio shows `rows`; the priority is the channel of row `priority` (-1: "Off").
            const auto expect = [&](const RadioSettings& after, std::vector<std::string> rows, int priority, const char* what) {
                EXPECT_EQ(RadioRows(s, after), rows) << what << ", " << where;
                RadioSession a = s;
                a.settings = after;
                EXPECT_EQ(EntryPosition(PriorityEntries(a, kUsaGroup), after.UsableGroups[kUsaGroup].PriorityCh) - 1, priority)
                    << what << ", " << where;
            };
            const int afterInsert = priorityRow + (row < priorityRow ? 1 : 0);
            RadioSettings added = withPriority.settings;
            MarinePanel panel;
            panel.baseCh = 72;
            EXPECT_EQ(AddMarineRow(added, kUsaGroup, row, panel), row + 1) << where;
            std::vector<std::string> rows = shown;
            rows.insert(rows.begin() + row + 1, "72");
            expect(added, rows, afterInsert, "add");

            const ChannelChange pasted = PasteChannelRows(withPriority, ChannelList::Usa, row, CopyChannelRows(s, ChannelList::Usa, {row}));
            ASSERT_TRUE(pasted.settings) << where << ::testing::PrintToString(pasted.problems);
            rows = shown;
            rows.insert(rows.begin() + row + 1, shown[static_cast<size_t>(row)]);
            expect(*pasted.settings, rows, afterInsert, "paste");

            rows = shown;
            rows.erase(rows.begin() + row);
            expect(*DeleteMarineRows(withPriority, kUsaGroup, {row}), rows, row == priorityRow ? -1 : priorityRow - (row < priorityRow), "delete");

            RadioSettings edited = withPriority.settings;
            ChannelRecord& ch = edited.CHUSA[static_cast<size_t>(RecordOfRow(edited.CHUSA, row))];
            WritePanel(PanelFromChannel(ch), ch);
            expect(edited, shown, priorityRow, "edit saved unchanged");
        }
    }
}

}  // namespace
}  // namespace kv
