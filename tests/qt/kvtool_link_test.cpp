// kvtool's link commands end to end: their exit status and what they print.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <sstream>
#include <thread>

#include "cli/kvtool.h"
#include "sim_process.h"
#include "support/temp_dir.h"

namespace kv {
namespace {

using test::SimProcess;
using test::TempDir;

struct ToolRun {
    int status;
    std::string err;
};

ToolRun Kvtool(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int status = cli::RunKvtool(args, out, err);
    return {status, err.str()};
}

TEST(KvtoolLink, FailuresSayWhatWentWrong) {
    TempDir dir;
    const ToolRun missing = Kvtool({"read", "--port", (dir / "ttyNONE").string(), "-o", (dir / "a.hex").string()});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("port inicialize error!!"), std::string::npos) << missing.err;
    EXPECT_NE(missing.err.find("does not exist"), std::string::npos) << missing.err;
    EXPECT_FALSE(std::filesystem::exists(dir / "a.hex"));

    const ToolRun format = Kvtool({"read", "--port", "/dev/null", "-o", (dir / "a.txt").string()});
    EXPECT_EQ(format.status, 1);

    SimProcess sim({"--synced", "--variant", "KV170", "--fault", "hangup@8"});
    const ToolRun hangup = Kvtool({"read", "--port", sim.device(), "--variant", "KV170", "-o", (dir / "a.hex").string()});
    EXPECT_EQ(hangup.status, 1);
    EXPECT_NE(hangup.err.find("Communication Error!!"), std::string::npos) << hangup.err;
    EXPECT_FALSE(std::filesystem::exists(dir / "a.hex"));
}

TEST(KvtoolLink, AFailedProgramSaysSoPlainly) {
    TempDir dir;
    const std::string file = (dir / "in.hex").string();
    ASSERT_EQ(Kvtool({"new", "--variant", "KV170", "-o", file}).status, 0);
    EXPECT_EQ(Kvtool({"program", "--port", "/dev/null", (dir / "in.dat").string()}).status, 1);
    SimProcess sim({"--synced", "--variant", "KV170", "--fault", "hangup@9"});
    const ToolRun run = Kvtool({"program", "--port", sim.device(), file});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Program to Radio: Communication Error!!"), std::string::npos) << run.err;
}

TEST(KvtoolLink, ADestinationMismatchIsRefused) {
    TempDir dir;
    SimProcess sim({"--synced", "--variant", "KV150"});
    const ToolRun run = Kvtool({"read", "--port", sim.device(), "--variant", "KV170", "-o", (dir / "a.hex").string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Destination Error !!"), std::string::npos) << run.err;
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
    std::this_thread::sleep_for(std::chrono::milliseconds(800));
    kill(pid, SIGINT);
    int status = 0;
    waitpid(pid, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 130);
    EXPECT_FALSE(std::filesystem::exists(out));
    const auto err = test::ReadAll(dir / "err");
    EXPECT_NE(std::string(err.begin(), err.end()).find("cancelled"), std::string::npos);
}

}  // namespace
}  // namespace kv
