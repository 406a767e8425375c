// kvradio-sim as a child process, for the benchmarks and the tests that
// drive the real program over pseudo-terminals; and the CPU time this
// process has spent.
#pragma once

#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <utility>
#include <vector>

namespace kv::sim {

class SimProcess {
public:
    // Starts kvradio-sim with args and takes the devices it prints, one per radio.
    SimProcess(const std::string& path, std::vector<std::string> args, size_t radios = 1) {
        args.insert(args.begin(), path);
        std::vector<char*> argv;
        for (std::string& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        int out[2];
        if (pipe(out) != 0) return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        if (posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ) != 0) pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
        close(out[1]);
        std::string device;
        char c;
        while (devices.size() < radios && read(out[0], &c, 1) == 1) {
            if (c != '\n') device += c;
            else devices.push_back(std::exchange(device, {}));
        }
        close(out[0]);
    }
    ~SimProcess() { Stop(); }
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    // The first radio's device ("" when the simulator did not start).
    std::string device() const { return devices.empty() ? "" : devices[0]; }
    // SIGTERM, then wait: the simulator writes --save and --log as it exits.
    // Its exit status, or -1.
    int Stop() {
        if (pid_ <= 0) return -1;
        kill(pid_, SIGTERM);
        int status = 0;
        waitpid(pid_, &status, 0);
        pid_ = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    std::vector<std::string> devices;

private:
    pid_t pid_ = -1;
};

inline double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](timeval t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

}  // namespace kv::sim
