#include "qt/translations.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QRegularExpression>
#include <fstream>

#include "editor/channel_csv.h"
#include "link/link_texts.h"
#include "support/temp_dir.h"
#include "util/advice.h"

namespace kv {
namespace {

const std::filesystem::path kBuilt = KV_TRANSLATIONS_DIR;

struct Translations : ::testing::Test {
    void SetUp() override {
        if (!QCoreApplication::instance()) app = std::make_unique<QCoreApplication>(argc, argv);
    }
    int argc = 1;
    char name[8] = "kvtest";
    char* argv[2] = {name, nullptr};
    std::unique_ptr<QCoreApplication> app;
};

QString English(const std::string& text) { return QString::fromStdString(text).replace("\r\n", "\n"); }

// The window finds the row each line of the table came from, with its
// values, and every language translates the rows the window shows, each
// value kept in its place.
TEST_F(Translations, EveryRowOfTheMessageTableIsFoundAgainAndTranslatedWithItsValues) {
    const std::vector<std::string> values{"<1>", "<2>", "<3>", "<4>"};
    for (const AdviceRow& row : AdviceRows())
        for (const char* source : {row.text, row.detail}) {
            if (!*source) continue;
            const std::string line = Filled(source, values);
            EXPECT_EQ(line.find('%'), std::string::npos) << source << ": a value more than the rows take";
            if (line == source) continue;  // looked up as it stands
            const auto match = MatchSource(line);
            ASSERT_TRUE(match) << source;
            EXPECT_STREQ(match->source, source);
            EXPECT_EQ(match->values, std::vector(values.begin(), values.begin() + match->values.size())) << source;
        }
    for (const char* language : {"nl", "de", "sv", "fr"}) {
        ASSERT_EQ(qt::UseLanguage(kBuilt, language), language) << "its .qm file loads";
        for (const AdviceRow& row : AdviceRows())
            for (const char* source : {row.text, row.detail}) {
                if (!*source) continue;
                const std::string line = Filled(source, values);
                const QString shown = qt::Translated(line);
                // kvtool's own rows stay English; their main text is the window's too.
                // A row of values and signs only ("[%1] %2=%3: %4") may read the same.
                const bool words = QString(source).remove(QRegularExpression("%[1-9]")).contains(QRegularExpression("[A-Za-z]"));
                if (words || !row.window) {
                    EXPECT_EQ(shown != English(line), row.window || source == row.text) << language << ": " << source;
                }
                for (const std::string& value : values)
                    EXPECT_EQ(shown.contains(value.c_str()), line.find(value) != std::string::npos)
                        << language << ": " << source;
            }
    }
    qt::UseLanguage(kBuilt, "en");
}

// A line of a CSV file's problems is translated whole, what is wrong in the
// cell too; the column keeps the title the file has, whatever the language.
TEST_F(Translations, ACsvProblemIsTranslatedWholeAndNamesTheFilesOwnColumn) {
    std::vector<std::string> titles;
    for (int model : {4, 5, 6})
        for (int list = 0; list <= static_cast<int>(ChannelList::Exp); ++list)
            for (CsvLayout layout : {CsvLayout::Kvprog, CsvLayout::Generic})
                for (const std::string& title : CsvColumns(model, static_cast<ChannelList>(list), layout)) titles.push_back(title);
    for (const char* language : {"nl", "de", "sv", "fr"}) {
        ASSERT_EQ(qt::UseLanguage(kBuilt, language), language);
        for (const std::string& title : titles) {
            const std::string why = AdviceText(Advice::CsvNotFrequency, {"\"1x\""});
            const QString shown = qt::Translated(AdviceText(Advice::CsvCell, {"3", title, why}));
            const QString column = " " + QString::fromStdString(title);
            EXPECT_TRUE(shown.contains(column + ":") || shown.contains(column + " :")) << language << ": " << shown.toStdString();
            EXPECT_FALSE(shown.contains("row 3") || shown.contains("frequency in")) << language << ": " << shown.toStdString();
        }
    }
    qt::UseLanguage(kBuilt, "en");
}

// Lines made of lines are translated to their last piece: the step with the
// time left and its blocks, a receive-only channel the read kept.
TEST_F(Translations, ALineMadeOfLinesIsTranslatedToItsLastPiece) {
    ASSERT_EQ(qt::UseLanguage(kBuilt, "de"), "de");
    const std::pair<std::string, const char*> shown[] = {
        {"Step 3 of 4: writing 3 of 718 blocks, 0:02 left", "Schritt 3 von 4: Schreiben von 3 von 718 Blöcken, noch 0:02"},
        {"Step 1 of 4: reading the radio into a backup: 788 blocks", "Schritt 1 von 4: Funkgerät in eine Sicherung auslesen: 788 Blöcke"},
        {"[CHUSA35] Duplex=1: channel 70 receives only, kept simplex", "[CHUSA35] Duplex=1: Kanal 70 ist nur Empfang, bleibt Simplex"},
    };
    for (const auto& [english, german] : shown) EXPECT_EQ(qt::Translated(english).toStdString(), german);
    qt::UseLanguage(kBuilt, "en");
}

// No word is lost where no translation can be had: the text stays English.
TEST_F(Translations, AnUnknownLanguageOrAMissingOrDamagedFileLeavesEnglish) {
    test::TempDir dir;
    std::filesystem::copy_file(kBuilt / "kvprog_de.qm", dir / "kvprog_de.qm");
    std::ofstream(dir / "kvprog_fr.qm") << "not a translation";
    const std::string text = std::string(text::kCommunicationError) + "\r\n" + PortCheckAdvice("/dev/ttyS0");
    for (const char* language : {"es", "fr", "nl", "en", "xx"}) {
        ASSERT_EQ(qt::UseLanguage(dir.path(), "de"), "de");  // the one before is put away
        EXPECT_NE(qt::Translated(text), English(text));
        EXPECT_EQ(qt::UseLanguage(dir.path(), language), "en") << language;
        EXPECT_EQ(qt::Translated(text), English(text)) << language;
    }
}

}  // namespace
}  // namespace kv
