// The link over a real pseudo-terminal: QSerialPort on one side,
// kvradio-sim on the other. The protocol's own pauses are skipped (a clock
// whose sleep returns at once); its deadlines are real.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <fstream>
#include <memory>

#include "image/address_map.h"
#include "image/defaults.h"
#include "link/transfers.h"
#include "link/wire.h"
#include "qt/qt_platform.h"
#include "qt/qt_serial_line.h"
#include "sim_process.h"
#include "support/temp_dir.h"
#include "util/texts.h"

namespace kv {
namespace {

using test::SimProcess;
using test::TempDir;

class NoPauseClock : public SteadyClock {
public:
    void Sleep(Duration) override {}
};

RadioSession DefaultSession() {
    RadioSession s;
    s.model = 5;
    s.today = [] { return CivilDate{2012, 6, 1}; };
    ResetToDefaults(s);
    SetVariantBits(s.image, true);
    return s;
}

struct PtyLink : ::testing::Test {
    void SetUp() override {
        if (!QCoreApplication::instance()) app = std::make_unique<QCoreApplication>(argc, argv);
    }
    TransferOutcome Run(const std::string& device, RadioSession& session, int mode, std::function<void()> pump = [] {}) {
        qt::QtSerialLine line(device);
        CloneLink link(LinkContext{line, clock, prompt, sink, std::move(pump)}, state);
        state.TransferMode = mode;
        return TransferRunner(link, session).Run();
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const Message& m : prompt.shown()) texts.push_back(m.text);
        return texts;
    }
    static std::vector<std::string> Lines(const std::filesystem::path& path) {
        std::ifstream in(path);
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        return lines;
    }

    int argc = 1;
    char name[8] = "kvtest";
    char* argv[2] = {name, nullptr};
    std::unique_ptr<QCoreApplication> app;
    TempDir dir;
    NoPauseClock clock;
    ScriptedPrompt prompt;
    NullSink sink;
    TransferState state;
};

TEST_F(PtyLink, ReadsTheWholeRadio) {
    SimProcess sim({"--synced", "--variant", "KV170", "--save", (dir / "radio.hex").string()});
    ASSERT_FALSE(sim.device().empty());
    RadioSession session = DefaultSession();
    session.settings.Common.SQL = 1;  // the radio's defaults say otherwise
    EXPECT_EQ(Run(sim.device(), session, kModeRead), TransferOutcome::Completed);
    EXPECT_EQ(Texts(), std::vector<std::string>{text::kComplete});
    ASSERT_EQ(sim.Stop(), 0);
    const auto radio = test::ReadAll(dir / "radio.hex");
    ASSERT_EQ(radio.size(), 16384u);
    for (int a : ReadBlocks(kImageSize - 1))
        for (int i = a; i < a + 16; ++i) ASSERT_EQ(session.image[i], radio[static_cast<size_t>(i)]) << i;
    EXPECT_NE(session.settings.Common.SQL, 1);
}

TEST_F(PtyLink, ProgramsExactlyTheTableBlocks) {
    SimProcess sim({"--variant", "KV170", "--save", (dir / "radio.hex").string(), "--log", (dir / "log").string()});
    RadioSession session = DefaultSession();
    session.settings.Common.SQL = 2;
    session.settings.UsableGroups[kCanGroup].Enable = false;
    EXPECT_EQ(Run(sim.device(), session, kModeProgram), TransferOutcome::Completed);  // wakes the radio first
    ASSERT_EQ(sim.Stop(), 0);
    const auto radio = test::ReadAll(dir / "radio.hex");
    const std::vector<int> programmed = ProgrammedAddresses(session);
    for (int a : programmed) ASSERT_EQ(radio[static_cast<size_t>(a)], session.image[a]) << a;
    std::vector<int> written;
    for (const std::string& line : Lines(dir / "log")) {
        if (!line.starts_with("write ")) continue;
        const int address = static_cast<int>(*wire::ParseHex(line.substr(6, 4)));
        const int length = static_cast<int>(*wire::ParseHex(line.substr(11, 2)));
        for (int i = 0; i < length; ++i) written.push_back(address + i);
    }
    EXPECT_EQ(written, programmed);
}

TEST_F(PtyLink, FaultsEndTheReadAndChangeNothing) {
    struct Case {
        const char* fault;
        std::vector<std::string> texts;
    };
    const Case cases[] = {
        {"wrong-address@30", {text::kAddressError, text::kCommunicationError}},
        {"bad-checksum@30", {text::kCommunicationError}},
        {"short-data@30", {text::kDataError, text::kCommunicationError}},
        {"hangup@30", {text::kCommunicationError}},  // the cable pulled
    };
    for (const Case& c : cases) {
        prompt = ScriptedPrompt();
        SimProcess sim({"--synced", "--variant", "KV170", "--fault", c.fault});
        RadioSession session = DefaultSession();
        const RadioSession before = session;
        const auto started = std::chrono::steady_clock::now();
        EXPECT_EQ(Run(sim.device(), session, kModeRead), TransferOutcome::Failed) << c.fault;
        EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5)) << c.fault;
        EXPECT_EQ(Texts(), c.texts) << c.fault;
        EXPECT_TRUE(session.image == before.image) << c.fault;
        EXPECT_TRUE(session.settings == before.settings) << c.fault;
    }
}

TEST_F(PtyLink, CancelSendsCanAndChangesNothing) {
    SimProcess sim({"--synced", "--variant", "KV170", "--log", (dir / "log").string()});
    RadioSession session = DefaultSession();
    const RadioSession before = session;
    int turns = 0;
    EXPECT_EQ(Run(sim.device(), session, kModeRead, [&] { state.CancelFlag = state.CancelFlag || ++turns == 3000; }),
              TransferOutcome::Cancelled);
    EXPECT_TRUE(session.image == before.image);
    sim.Stop();
    const auto log = Lines(dir / "log");
    EXPECT_LT(log.size(), 854u);
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.back(), "abort");
}

TEST_F(PtyLink, ABusyRadioIsNotReadyWhenTheUserCancels) {
    SimProcess sim({"--synced", "--variant", "KV170", "--fault", "busy"});
    RadioSession session = DefaultSession();
    EXPECT_EQ(Run(sim.device(), session, kModeRead), TransferOutcome::Failed);
    EXPECT_EQ(Texts(), (std::vector<std::string>{text::kRadioBusy, text::kRadioNotReady}));
}

TEST_F(PtyLink, AMissingPortSaysSo) {
    RadioSession session = DefaultSession();
    qt::QtSerialLine line((dir / "no-such-tty").string());
    CloneLink link(LinkContext{line, clock, prompt, sink}, state);
    EXPECT_FALSE(link.Connect());
    EXPECT_EQ(Texts(), std::vector<std::string>{text::kPortInitError});
    EXPECT_NE(link.openError().find("does not exist"), std::string::npos) << link.openError();
}

TEST_F(PtyLink, SettingsStoreKeepsSectionsAndKeys) {
    {
        qt::SettingsStore store(dir / "TLN58.ini");
        WritePortChoice(store, {2, "/dev/ttyUSB1"});
        WriteModelChoice(store, 6);
    }
    qt::SettingsStore again(dir / "TLN58.ini");
    EXPECT_EQ(ReadPortChoice(again).number, 2);
    EXPECT_EQ(ReadPortChoice(again).name, "/dev/ttyUSB1");
    EXPECT_EQ(ReadModelChoice(again), 6);
    const auto ini = test::ReadAll(dir / "TLN58.ini");
    const std::string text(ini.begin(), ini.end());
    EXPECT_NE(text.find("[ComPath]"), std::string::npos);
    EXPECT_NE(text.find("ComNum=2"), std::string::npos);
    EXPECT_NE(text.find("[ModelPath]"), std::string::npos);
}

}  // namespace
}  // namespace kv
