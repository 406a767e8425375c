// The link over a real pseudo-terminal: QSerialPort on one side, kvradio-sim
// on the other, driven in-process or through kvtool. The protocol's own
// pauses are skipped in-process (a clock whose sleep returns at once); its
// deadlines are real.
#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <QCoreApplication>
#include <algorithm>
#include <fstream>
#include <memory>
#include <optional>
#include <thread>

#include "files/image_file.h"
#include "link/link_rig.h"
#include "qt/qt_platform.h"
#include "qt/qt_serial_line.h"
#include "sim/sim_process.h"
#include "support/kvtool_run.h"
#include "support/temp_dir.h"
#include "util/texts.h"

namespace kv {
namespace {

using test::Kvtool;

constexpr int kExitPartlyWrittenStatus = 3;  // as documented in kvtool(1)
using test::TempDir;
using test::ToolRun;

// kvradio-sim as a child process on its own pseudo-terminal.
struct SimProcess : sim::SimProcess {
    explicit SimProcess(std::vector<std::string> args) : sim::SimProcess(KVRADIO_SIM_PATH, std::move(args)) {}
};

struct PtyLink : ::testing::Test {
    void SetUp() override {
        if (!QCoreApplication::instance()) app = std::make_unique<QCoreApplication>(argc, argv);
    }
    TransferOutcome Run(const std::string& device, RadioSession& session, TransferMode mode) {
        qt::QtSerialLine line(device);
        CloneLink link(LinkContext{line, clock, prompt, events}, state);
        state.TransferMode = mode;
        return TransferRunner(link, session).Run();
    }

    int argc = 1;
    char name[8] = "kvtest";
    char* argv[2] = {name, nullptr};
    std::unique_ptr<QCoreApplication> app;
    TempDir dir;
    test::UnpausedClock clock;
    ScriptedPrompt prompt;
    NullEvents events;
    TransferState state;
};

TEST_F(PtyLink, WakesTheRadioProgramsItAndReadsItBack) {
    SimProcess sim({"--variant", "KV170", "--save", (dir / "radio.hex").string()});
    ASSERT_FALSE(sim.device().empty());
    RadioSession programmed = test::DefaultSession(5), read = test::DefaultSession(5);
    programmed.settings.CHUSA[0].ChTag = "EDITED";
    programmed.settings.UsableGroups[kCanGroup].Enable = false;
    read.settings.Common.SQL = 1;  // the radio says otherwise
    EXPECT_EQ(Run(sim.device(), programmed, TransferMode::Program), TransferOutcome::Completed);
    EXPECT_EQ(Run(sim.device(), read, TransferMode::Read), TransferOutcome::Completed);
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

// What a port that does not open says, by cause: a second opening of a held
// port, a device the user may not open (a device that is not there: the
// transfer job's test and kvtool's).
TEST_F(PtyLink, APortThatDoesNotOpenSaysWhyAndWhatToDo) {
    SimProcess sim({"--synced"});
    ASSERT_FALSE(sim.device().empty());
    qt::QtSerialLine holder(sim.device()), second(sim.device());
    LineError error;
    ASSERT_TRUE(holder.Open(error)) << error.description;
    EXPECT_FALSE(second.Open(error));
    std::ifstream comm("/proc/self/comm");
    std::string self;
    std::getline(comm, self);
    // The simulated radio keeps its end open too: either may be named.
    const std::string us = PortBusyText(sim.device(), self + " (process " + std::to_string(getpid()) + ")");
    EXPECT_TRUE(error.description == us || error.description.find(" is busy: kvradio-sim (process ") != std::string::npos)
        << error.description;

    // Permission: a group is advice only when the device lets it read and write, and never root's.
    std::filesystem::permissions(dir.path(), std::filesystem::perms::all & ~std::filesystem::perms::others_write);
    const std::string device = (dir / "ttyLOCKED").string();
    test::WriteText(device, "");
    const group* dialout = getgrnam("dialout");
    const gid_t group = dialout ? dialout->gr_gid : 20;
    const std::tuple<gid_t, mode_t, std::string> groups[] = {
        {group, 0660, dialout ? "dialout" : ""}, {group, 0640, ""}, {group, 0600, ""}, {0, 0660, ""}, {0, 0600, ""}};
    for (const auto& [gid, mode, join] : groups) {
        ASSERT_EQ(chown(device.c_str(), 0, gid), 0);
        ASSERT_EQ(chmod(device.c_str(), mode), 0);
        EXPECT_EQ(qt::GroupToJoin(device), join) << gid << " " << mode;
    }
    // The device of root alone, 0600, tried as nobody: how to grant access, not "join root".
    int out[2];
    ASSERT_EQ(pipe(out), 0);
    const pid_t child = fork();
    if (child == 0) {
        close(out[0]);
        if (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0) _exit(2);
        qt::QtSerialLine locked(device);
        LineError denied;
        locked.Open(denied);
        const ssize_t written = write(out[1], denied.description.data(), denied.description.size());
        _exit(written < 0 ? 3 : 0);
    }
    close(out[1]);
    std::string denied;
    for (char c; read(out[0], &c, 1) == 1;) denied += c;
    close(out[0]);
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "could not become nobody";
    EXPECT_EQ(denied, PortPermissionText(device, ""));
    EXPECT_NE(denied.find("allows only its owner. Grant access with a udev rule"), std::string::npos) << denied;
    EXPECT_NE(denied.find("udevadm info -a -n " + device), std::string::npos) << denied;
}

TEST(PortHolder, IsTheProcessItsLockFileNames) {
    TempDir locks;
    const std::string pid = std::to_string(getpid());
    std::ifstream comm("/proc/self/comm");
    std::string self;
    std::getline(comm, self);
    const std::pair<std::string, std::string> cases[] = {
        {std::string(10 - pid.size(), ' ') + pid + "\n", self + " (process " + pid + ")"},  // UUCP
        {pid + "\nminicom\nboat\n", self + " (process " + pid + ")"},                     // QLockFile
        {"999999999\n", ""},                                                               // gone
    };
    for (const auto& [lock, holder] : cases) {
        test::WriteText(locks / "LCK..ttyUSB7", lock);
        EXPECT_EQ(qt::PortHolder("/dev/ttyUSB7", {locks.path()}), holder) << lock;
    }
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

TEST(KvtoolLink, FailuresSayWhatWentWrongAtOnceAndWriteNothing) {
    TempDir dir;
    const std::string out = (dir / "a.hex").string(), image = (dir / "in.hex").string(), cut = (dir / "cut.dat").string();
    ASSERT_EQ(Kvtool({"new", "--variant", "KV170", "-o", image}).status, 0);
    ASSERT_EQ(Kvtool({"new", "--variant", "KV170", "-o", cut}).status, 0);
    test::WriteText(cut, test::ReadText(cut).substr(0, 40000));
    struct Case {
        const char* what;
        std::vector<std::string> radio;  // kvradio-sim's options; none: no radio
        std::vector<std::string> args;   // "PORT" stands for the radio's device
        std::vector<std::string> reasons;
        int status = 1;
    };
    std::vector<Case> cases{
        {"no such port", {}, {"read", "--port", (dir / "ttyNONE").string(), "-o", out},
         {"port inicialize error!!", (dir / "ttyNONE").string() + " does not exist. ", "port"}},
        {"unknown kind of file", {}, {"read", "--port", "/dev/null", "-o", (dir / "a.txt").string()}, {"unknown kind"}},
        {"missing file", {}, {"program", "--port", "/dev/null", (dir / "in.dat").string()}, {"No such file"}},
        {"no folder for the output", {}, {"read", "--port", (dir / "ttyNONE").string(), "-o", (dir / "none" / "a.hex").string()},
         {"nothing read: " + (dir / "none" / "a.hex").string() + ": No such file or directory"}},
        {"cable pulled", {"--synced", "--variant", "KV170", "--fault", "hangup@8"},
         {"read", "--port", "PORT", "--variant", "KV170", "-o", out},
         {"Read from Radio: Communication Error!!", "PC-programming mode"}},
        {"another destination", {"--synced", "--variant", "KV150"},
         {"read", "--port", "PORT", "--variant", "KV170", "-o", out},
         {"Destination Error !!", "reports KV150-usa", "kvtool read --variant KV150 reads it"}},
        {"cable pulled while programming", {"--synced", "--variant", "KV170", "--fault", "hangup@9"},
         {"program", "--port", "PORT", image},
         {"Program to Radio: Communication Error!!", "part old and part new data: 2 of "},
         kExitPartlyWrittenStatus},
        {"the answer to the first write lost", {"--synced", "--variant", "KV170", "--fault", "drop-byte@8"},
         {"program", "--port", "PORT", image}, {"part old and part new data: 1 of "}, kExitPartlyWrittenStatus},
        // After the backup read (856 requests) only the program mark's block differs.
        {"the answer to the only block written lost", {"--synced", "--variant", "KV170", "--fault", "drop-byte@857"},
         {"program", "--port", "PORT", image, "--backup", (dir / "backup.hex").string()},
         {"Every block was sent to the radio, but the transfer broke off"}, kExitPartlyWrittenStatus},
        {"a file cut short", {"--synced", "--variant", "KV170"}, {"program", "--port", "PORT", cut},
         {"[CHINT100] to [PRISETCH]: missing", "(answered No: no terminal)", "nothing written: " + cut + " is incomplete"}},
        {"a file cut short, with --yes", {}, {"program", "--port", (dir / "ttyNONE").string(), cut, "--yes"},
         {"(answered Yes: no terminal)", "port inicialize error!!"}},
        {"a fleet's template cut short", {}, {"fleet", cut, "--radios", out, "--port", (dir / "ttyNONE").string()},
         {"[CHINT100] to [PRISETCH]: missing", "(answered No: no terminal)", "nothing written: " + cut + " is incomplete"}},
    };
    for (const Case& c : cases) {
        std::optional<SimProcess> sim;
        if (!c.radio.empty()) sim.emplace(c.radio);
        std::vector<std::string> args = c.args;
        std::ranges::replace(args, std::string("PORT"), sim ? sim->device() : "");
        const auto started = std::chrono::steady_clock::now();
        const ToolRun run = Kvtool(args);
        EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5)) << c.what << ": no deadline";
        EXPECT_EQ(run.status, c.status) << c.what;
        for (const std::string& reason : c.reasons)
            EXPECT_NE(run.err.find(reason), std::string::npos) << c.what << ": " << run.err;
        EXPECT_FALSE(std::filesystem::exists(out)) << c.what;
    }
}

// A port whose sends never drain, as a built-in port with no device behind
// it: a pseudo-terminal whose far end reads nothing and whose buffer is full.
TEST(KvtoolLink, APortWhoseSendsNeverDrainFailsAtOnceAndNamesThePort) {
    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master, 0);
    ASSERT_EQ(grantpt(master), 0);
    ASSERT_EQ(unlockpt(master), 0);
    const std::string device = ptsname(master);
    const int filler = open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(filler, 0);
    termios raw{};
    tcgetattr(filler, &raw);
    cfmakeraw(&raw);
    tcsetattr(filler, TCSANOW, &raw);
    const char block[1024] = {};
    while (write(filler, block, sizeof block) > 0) {}
    TempDir dir;
    const auto started = std::chrono::steady_clock::now();
    const ToolRun run = Kvtool({"read", "--port", device, "-o", (dir / "a.hex").string()});
    // The cable test's 3 s plus 2 s; the echo's 100 s are not waited for.
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5));
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find(std::string("Read from Radio: ") + text::kCommunicationError), std::string::npos) << run.err;
    EXPECT_NE(run.err.find(PortCheckAdvice(device)), std::string::npos) << run.err;
    EXPECT_NE(run.err.find(CableWaitText(device)), std::string::npos) << "what it waited for";
    close(filler);
    close(master);
}

// A dealer's round trip: read a radio into a settings file, change the file,
// program it back, and find the change in the radio.
TEST(KvtoolLink, ASettingsFileReadFromTheRadioProgramsItsChangeBack) {
    TempDir dir;
    setenv("XDG_DATA_HOME", (dir / "data").c_str(), 1);  // the backups folder
    const auto saved = dir / "after.hex", file = dir / "boat.dat";
    SimProcess sim({"--synced", "--variant", "KV170", "--save", saved.string()});
    const ToolRun read = Kvtool({"read", "--port", sim.device(), "--variant", "KV170", "-o", file.string()});
    ASSERT_EQ(read.status, 0) << read.err;

    std::string text = test::ReadText(file);
    const std::string empty = "Atis Code=#\r\n";
    ASSERT_NE(text.find(empty), std::string::npos);
    text.replace(text.find(empty), empty.size(), "Atis Code=#2345678901\r\n");
    test::WriteText(file, text);
    // A dry run reads the radio into the backups and tells what the write would change.
    const ToolRun dry = Kvtool({"program", "--port", sim.device(), file.string(), "--dry-run", "--backup"});
    ASSERT_EQ(dry.status, 0) << dry.err;
    EXPECT_EQ(dry.out, "ATIS Setup Atis Code: (none) -> 2345678901\nprogram mark (image byte 0x01F8): 0xFF -> 0xA1\n");
    const ToolRun backups = Kvtool({"backups"});
    EXPECT_EQ(std::count(backups.out.begin(), backups.out.end(), '\n'), 2) << "the read and the dry run";
    EXPECT_NE(backups.out.find("\tKV170\tKV170-usa\n"), std::string::npos) << backups.out;
    // After its backup read the write sends only the block that differs; --full sends every one.
    const ToolRun program = Kvtool({"program", "--port", sim.device(), file.string(), "--backup", "--yes"});
    ASSERT_EQ(program.status, 0) << program.err;
    EXPECT_NE(program.err.find("Step 3 of 3: writing 1 of 718 blocks\n"), std::string::npos) << program.err;
    test::WriteText(file, text.replace(text.find("#2345678901"), 11, "#2345678902"));
    const ToolRun full = Kvtool({"program", "--port", sim.device(), file.string(), "--backup", "--full", "--yes"});
    ASSERT_EQ(full.status, 0) << full.err;
    EXPECT_NE(full.err.find("Step 3 of 3: writing 718 of 718 blocks\n"), std::string::npos) << full.err;
    ASSERT_EQ(sim.Stop(), 0);

    RadioSession radio;
    radio.model = 5;
    ASSERT_TRUE(OpenImageFile(radio, saved).ok);
    EXPECT_EQ(radio.settings.Atis.AtisCode, "2345678902");
}

// Two simulated radios on two ports and a third radio on a port that is not
// there: each radio ends with its own result in the log, the missing port's
// radio fails naming it, and nothing at all is written when a check fails.
TEST(KvtoolFleet, EachRadioGetsItsOwnValuesAndItsRowInTheLog) {
    TempDir dir;
    setenv("XDG_DATA_HOME", (dir / "data").c_str(), 1);
    const std::string prefix = (dir / "radio").string(), saved = (dir / "after.hex").string();
    SimProcess sim({"--synced", "--variant", "KV170", "--count", "2", "--link-prefix", prefix, "--save", saved});
    const std::string templ = (dir / "fleet.dat").string(), radios = (dir / "radios.csv").string();
    ASSERT_EQ(Kvtool({"new", "--variant", "KV170", "-o", templ}).status, 0);
    const std::string one = prefix + "1", two = prefix + "2", missing = (dir / "ttyUSB9").string();
    const std::vector<std::string> ports{"--port", one, "--port", two, "--port", missing};
    const auto fleet = [&](const std::string& csv, std::vector<std::string> more) {
        test::WriteText(radios, csv);
        std::vector<std::string> args{"fleet", templ, "--radios", radios};
        args.insert(args.end(), ports.begin(), ports.end());
        args.insert(args.end(), more.begin(), more.end());
        return Kvtool(args);
    };
    const ToolRun twice = fleet("label,ATIS Setup.Atis Code\nA,9211000001\nB,9211000001\n", {});
    EXPECT_EQ(twice.status, 1);
    EXPECT_NE(twice.err.find("rows 2 and 3: the same ATIS code 9211000001"), std::string::npos) << twice.err;

    const std::string log = (dir / "log.csv").string();
    const ToolRun run = fleet("label,port,ATIS Setup.Atis Code,CHUSA[13].ChTag\n"
                              "Boat 1," + one + ",9211000001,HARBOUR\n"
                              "Boat 2," + two + ",9211000002,MARINA\n"
                              "Boat 3," + missing + ",9211000003,CREW\n",
                              {"--log", log});
    EXPECT_EQ(run.status, 1) << run.err;
    const std::string rows = test::ReadText(log);
    EXPECT_TRUE(rows.starts_with("label,port,result,message,backup,seconds,blocks written\r\n"
                                 "Boat 1," + one + ",programmed,,,")) << rows;
    EXPECT_NE(rows.find("\r\nBoat 2," + two + ",programmed,,,"), std::string::npos) << rows;
    const std::string failed = "\r\nBoat 3," + missing + ",failed,";
    ASSERT_NE(rows.find(failed), std::string::npos) << rows;
    const std::string message = rows.substr(rows.find(failed) + failed.size());
    EXPECT_TRUE(message.starts_with(missing + " does not exist.")) << message;
    ASSERT_EQ(sim.Stop(), 0);
    for (const auto& [file, code, name] : {std::tuple{"after-1.hex", "9211000001", "HARBOUR"},
                                           std::tuple{"after-2.hex", "9211000002", "MARINA"}}) {
        RadioSession radio;
        radio.model = 5;
        ASSERT_TRUE(OpenImageFile(radio, dir / file).ok) << file;
        EXPECT_EQ(radio.settings.Atis.AtisCode, code);
        EXPECT_EQ(radio.settings.CHUSA[13].ChTag, name);
    }
}

TEST(KvtoolLink, CtrlCCancelsTheRead) {
    TempDir dir;
    SimProcess sim({"--synced", "--variant", "KV170"});
    const std::string out = (dir / "a.hex").string();
    std::vector<std::string> args{KVTOOL_PATH, "read", "--port", sim.device(), "--variant", "KV170", "-o", out};
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, (dir / "err").c_str(), O_WRONLY | O_CREAT, 0644);
    pid_t pid = -1;
    ASSERT_EQ(posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ), 0);
    posix_spawn_file_actions_destroy(&actions);
    // Ctrl-C once the read is under way.
    for (int i = 0; i < 1000 && test::ReadText(dir / "err").find("read: ") == std::string::npos; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    kill(pid, SIGINT);
    int status = 0;
    waitpid(pid, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 130);
    EXPECT_FALSE(std::filesystem::exists(out));
    EXPECT_NE(test::ReadText(dir / "err").find("cancelled"), std::string::npos);
}

}  // namespace
}  // namespace kv
