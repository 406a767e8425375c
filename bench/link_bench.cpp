// The link benchmark: a full read, a full program, and a program with
// backup, preview and verify against
// `kvradio-sim --paced`, which sends at the real 28800 baud. Prints the wall
// time, the floor the wire and the protocol's pauses allow, their ratio and
// the CPU time this process spent.

#include <QCoreApplication>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include <filesystem>

#include "image/defaults.h"
#include "sim/sim_process.h"
#include "link/safe_program.h"
#include "link/transfers.h"
#include "qt/qt_serial_line.h"

namespace kv {
namespace {

constexpr double kBytesPerSecond = 28800.0 / 10;

// Counts what arrives on the tool's receive line.
class CountingLine : public SerialLine {
public:
    explicit CountingLine(SerialLine& inner) : inner_(inner) {}
    bool Open(LineError& e) override { return inner_.Open(e); }
    void Close() override { inner_.Close(); }
    bool IsOpen() const override { return inner_.IsOpen(); }
    bool Write(const uint8_t* d, size_t n) override { return inner_.Write(d, n); }
    size_t BytesWaiting() override { return inner_.BytesWaiting(); }
    size_t Read(uint8_t* d, size_t n) override {
        const size_t got = inner_.Read(d, n);
        received += got;
        return got;
    }
    void WaitForInput(std::chrono::microseconds t) override { inner_.WaitForInput(t); }
    bool Broken() const override { return inner_.Broken(); }
    void SetDtr(bool on) override { inner_.SetDtr(on); }
    void SetRts(bool on) override { inner_.SetRts(on); }
    size_t received = 0;

private:
    SerialLine& inner_;
};

// Adds up the protocol's pauses.
class CountingClock : public SteadyClock {
public:
    void Sleep(Duration d) override {
        paused += d;
        SteadyClock::Sleep(d);
    }
    Duration paused{0};
};

enum class Job { Read, Program, SafeProgram };

// The program command as the window runs it: backup read, preview, write, verify read.
TransferOutcome RunSafeProgram(CloneLink& link, RadioSession& session) {
    const auto folder = std::filesystem::temp_directory_path() / "kv-link-bench-backups";
    SafeProgramPlan plan;
    plan.askBeforeWriting = false;
    plan.keep = [&folder](const RadioSession& s, const std::vector<uint8_t>& radio) {
        return SaveBackup(folder, s, radio, std::chrono::system_clock::now());
    };
    const TransferOutcome outcome = ProgramSafely(link, session, plan).outcome;
    std::error_code ec;
    std::filesystem::remove_all(folder, ec);
    return outcome;
}

bool Measure(const char* name, const std::string& device, Job job) {
    RadioSession session;
    session.model = 5;
    ResetToDefaults(session);
    SetVariantBits(session.image, true);
    for (auto& group : session.settings.UsableGroups) group.Enable = true;  // the longest program
    qt::QtSerialLine serial(device);
    CountingLine line(serial);
    CountingClock clock;
    ScriptedPrompt prompt({Answer::Yes, Answer::Yes, Answer::Yes, Answer::Yes});
    NullEvents events;
    TransferState state;
    state.TransferMode = job == Job::Read ? TransferMode::Read : TransferMode::Program;
    CloneLink link(LinkContext{line, clock, prompt, events}, state);
    const double cpuBefore = sim::CpuSeconds();
    const auto start = std::chrono::steady_clock::now();
    const TransferOutcome outcome =
        job == Job::SafeProgram ? RunSafeProgram(link, session) : TransferRunner(link, session).Run();
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double cpu = sim::CpuSeconds() - cpuBefore;
    const double floor = static_cast<double>(line.received) / kBytesPerSecond +
                         std::chrono::duration<double>(clock.paused).count();
    std::printf("%-14s %s  wall %7.2f s  floor %7.2f s  ratio %.3f  cpu %5.2f s (%.1f %% of wall)  %zu bytes received\n",
                name, outcome == TransferOutcome::Completed ? "ok    " : "FAILED", wall, floor, wall / floor, cpu,
                100.0 * cpu / wall, line.received);
    return outcome == TransferOutcome::Completed;
}

}  // namespace
}  // namespace kv

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const std::string simPath = argc > 1 ? argv[1] : KVRADIO_SIM_PATH;
    kv::sim::SimProcess sim(simPath, {"--paced", "--synced", "--variant", "KV170"}, 1);
    if (sim.devices.empty()) {
        std::fprintf(stderr, "link_bench: kvradio-sim did not start\n");
        return 1;
    }
    using kv::Job;
    const std::string& device = sim.devices[0];
    const bool ok = kv::Measure("read", device, Job::Read) && kv::Measure("program", device, Job::Program) &&
                    kv::Measure("backup+program", device, Job::SafeProgram);
    return ok ? 0 : 1;
}
