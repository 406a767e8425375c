// kvtool's link commands end to end: their exit status and what they print.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <optional>
#include <thread>

#include "sim_process.h"
#include "support/kvtool_run.h"
#include "support/temp_dir.h"

namespace kv {
namespace {

using test::Kvtool;
using test::SimProcess;
using test::TempDir;
using test::ToolRun;

TEST(KvtoolLink, FailuresSayWhatWentWrongAtOnceAndWriteNothing) {
    TempDir dir;
    const std::string out = (dir / "a.hex").string(), image = (dir / "in.hex").string();
    ASSERT_EQ(Kvtool({"new", "--variant", "KV170", "-o", image}).status, 0);
    struct Case {
        const char* what;
        std::vector<std::string> radio;  // kvradio-sim's options; none: no radio
        std::vector<std::string> args;   // "PORT" stands for the radio's device
        std::vector<std::string> reasons;
    };
    const Case cases[] = {
        {"no such port", {}, {"read", "--port", (dir / "ttyNONE").string(), "-o", out},
         {"port inicialize error!!", "does not exist"}},
        {"unknown kind of file", {}, {"read", "--port", "/dev/null", "-o", (dir / "a.txt").string()}, {"unknown kind"}},
        {"missing file", {}, {"program", "--port", "/dev/null", (dir / "in.dat").string()}, {"No such file"}},
        {"cable pulled", {"--synced", "--variant", "KV170", "--fault", "hangup@8"},
         {"read", "--port", "PORT", "--variant", "KV170", "-o", out}, {"Read from Radio: Communication Error!!"}},
        {"another destination", {"--synced", "--variant", "KV150"},
         {"read", "--port", "PORT", "--variant", "KV170", "-o", out}, {"Destination Error !!"}},
        {"cable pulled while programming", {"--synced", "--variant", "KV170", "--fault", "hangup@9"},
         {"program", "--port", "PORT", image}, {"Program to Radio: Communication Error!!"}},
    };
    for (const Case& c : cases) {
        std::optional<SimProcess> sim;
        if (!c.radio.empty()) sim.emplace(c.radio);
        std::vector<std::string> args = c.args;
        std::ranges::replace(args, std::string("PORT"), sim ? sim->device() : "");
        const auto started = std::chrono::steady_clock::now();
        const ToolRun run = Kvtool(args);
        EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5)) << c.what << ": no deadline";
        EXPECT_EQ(run.status, 1) << c.what;
        for (const std::string& reason : c.reasons)
            EXPECT_NE(run.err.find(reason), std::string::npos) << c.what << ": " << run.err;
        EXPECT_FALSE(std::filesystem::exists(out)) << c.what;
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
    std::this_thread::sleep_for(std::chrono::milliseconds(800));
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
