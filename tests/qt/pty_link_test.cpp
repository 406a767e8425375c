// The link over a real pseudo-terminal: QSerialPort on one side,
// kvradio-sim on the other. The protocol's own pauses are skipped (a clock
// whose sleep returns at once); its deadlines are real.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <memory>

#include "link/link_rig.h"
#include "qt/qt_platform.h"
#include "qt/qt_serial_line.h"
#include "sim_process.h"
#include "support/temp_dir.h"
#include "util/texts.h"

namespace kv {
namespace {

using test::SimProcess;

class NoPauseClock : public SteadyClock {
public:
    void Sleep(Duration) override {}
};

struct PtyLink : ::testing::Test {
    void SetUp() override {
        if (!QCoreApplication::instance()) app = std::make_unique<QCoreApplication>(argc, argv);
    }
    TransferOutcome Run(const std::string& device, RadioSession& session, int mode) {
        qt::QtSerialLine line(device);
        CloneLink link(LinkContext{line, clock, prompt, sink}, state);
        state.TransferMode = mode;
        return TransferRunner(link, session).Run();
    }

    int argc = 1;
    char name[8] = "kvtest";
    char* argv[2] = {name, nullptr};
    std::unique_ptr<QCoreApplication> app;
    test::TempDir dir;
    NoPauseClock clock;
    ScriptedPrompt prompt;
    NullSink sink;
    TransferState state;
};

TEST_F(PtyLink, WakesTheRadioProgramsItAndReadsItBack) {
    SimProcess sim({"--variant", "KV170", "--save", (dir / "radio.hex").string()});
    ASSERT_FALSE(sim.device().empty());
    RadioSession programmed = test::DefaultSession(5), read = test::DefaultSession(5);
    programmed.settings.CHUSA[0].ChTag = "EDITED";
    programmed.settings.UsableGroups[kCanGroup].Enable = false;
    read.settings.Common.SQL = 1;  // the radio says otherwise
    EXPECT_EQ(Run(sim.device(), programmed, kModeProgram), TransferOutcome::Completed);
    EXPECT_EQ(Run(sim.device(), read, kModeRead), TransferOutcome::Completed);
    EXPECT_EQ(test::TextsOf(prompt), (test::Texts{text::kComplete, text::kComplete}));
    EXPECT_EQ(read.settings.CHUSA[0].ChTag, "EDITED");
    EXPECT_NE(read.settings.Common.SQL, 1);
    ASSERT_EQ(sim.Stop(), 0);
    const auto radio = test::ReadAll(dir / "radio.hex");
    ASSERT_EQ(radio.size(), 16384u);
    for (int a : ProgrammedAddresses(programmed)) ASSERT_EQ(radio[static_cast<size_t>(a)], programmed.image[a]) << a;
    for (int a : ReadBlocks(kImageSize - 1))
        for (int i = a; i < a + 16; ++i) ASSERT_EQ(read.image[i], radio[static_cast<size_t>(i)]) << i;
}

TEST_F(PtyLink, SettingsStoreKeepsSectionsAndKeysOnDisk) {
    {
        qt::SettingsStore store(dir / "TLN58.ini");
        WritePortChoice(store, {2, "/dev/ttyUSB1"});
        WriteModelChoice(store, 6);
    }
    qt::SettingsStore again(dir / "TLN58.ini");
    EXPECT_EQ(ReadPortChoice(again).number, 2);
    EXPECT_EQ(ReadPortChoice(again).name, "/dev/ttyUSB1");
    EXPECT_EQ(ReadModelChoice(again), 6);
    const std::string ini = test::ReadText(dir / "TLN58.ini");
    for (const char* line : {"[ComPath]", "ComNum=2", "[ModelPath]"})
        EXPECT_NE(ini.find(line), std::string::npos) << line;
}

}  // namespace
}  // namespace kv
