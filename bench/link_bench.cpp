// The link benchmark against `kvradio-sim --paced`, which sends at the real
// 28800 baud: a full read, a full program, and programs with backup,
// preview and verify: writing every block, a one-name edit, new data into a
// radio that holds other data, and data that differ in every block. Prints
// the wall time, the floor the wire and the protocol's pauses allow, their
// ratio, the CPU time this process spent, and the wall time as a multiple
// of the read's in the same run.

#include <QCoreApplication>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include <filesystem>

#include <random>

#include "full_radio.h"
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

// The radio's factory data with every group usable: the longest program.
RadioSession AllGroups() {
    RadioSession s;
    s.model = 5;
    ResetToDefaults(s);
    SetVariantBits(s.image, true);
    for (auto& group : s.settings.UsableGroups) group.Enable = true;
    return s;
}

// Data that differ from any programming in nearly every block: the settings
// of a pseudo-random image.
RadioSession EveryBlockOther() {
    RadioSession s = AllGroups();
    std::mt19937 random(7);
    for (int a = map::clone::FirstBlock + 2; a < map::clone::ProgramEnd; ++a) s.image[a] = static_cast<uint8_t>(random());
    SetVariantBits(s.image, true);
    DecodeImage(s);
    for (auto& group : s.settings.UsableGroups) group.Enable = true;
    return s;
}

struct Measured {
    bool ok = false;
    double wall = 0;
};

// A transfer as the window runs it: kPlain is the OK button of a read or
// program; the others back up, preview, write and verify.
enum class Write { Plain, Differential, EveryBlock };

Measured Measure(const char* name, const std::string& device, TransferMode mode, RadioSession session, Write write,
                 double readWall) {
    qt::QtSerialLine serial(device);
    CountingLine line(serial);
    CountingClock clock;
    ScriptedPrompt prompt({Answer::Yes, Answer::Yes, Answer::Yes, Answer::Yes});
    NullEvents events;
    TransferState state;
    state.TransferMode = mode;
    CloneLink link(LinkContext{line, clock, prompt, events}, state);
    const auto folder = std::filesystem::temp_directory_path() / "kv-link-bench-backups";
    SafeProgramPlan plan;
    plan.askBeforeWriting = false;
    plan.everyBlock = write == Write::EveryBlock;
    plan.keep = [&folder](const RadioSession& s, const std::vector<uint8_t>& radio) {
        return SaveBackup(folder, s, radio, std::chrono::system_clock::now());
    };
    const double cpuBefore = sim::CpuSeconds();
    const auto start = std::chrono::steady_clock::now();
    SafeProgramResult result;
    if (write == Write::Plain)
        result.outcome = TransferRunner(link, session).Run();
    else
        result = ProgramSafely(link, session, plan);
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double cpu = sim::CpuSeconds() - cpuBefore;
    std::error_code ec;
    std::filesystem::remove_all(folder, ec);
    const double floor = static_cast<double>(line.received) / kBytesPerSecond +
                         std::chrono::duration<double>(clock.paused).count();
    const bool ok = result.outcome == TransferOutcome::Completed;
    std::printf("%-20s %s  wall %7.2f s  floor %7.2f s  ratio %.3f  cpu %5.2f s (%.1f %% of wall)  %zu bytes received",
                name, ok ? "ok    " : "FAILED", wall, floor, wall / floor, cpu, 100.0 * cpu / wall, line.received);
    if (write != Write::Plain) std::printf("  %d of %d blocks written", result.blocksWritten, ProgramBlockCount(session));
    if (readWall > 0) std::printf("  %.3f times the read", wall / readWall);
    std::printf("\n");
    return {ok, wall};
}

bool MeasureAll(const std::string& device) {
    const Measured read = Measure("read", device, TransferMode::Read, AllGroups(), Write::Plain, 0);
    bool ok = read.ok;
    const auto measure = [&](const char* name, RadioSession data, Write write) {
        ok = Measure(name, device, TransferMode::Program, std::move(data), write, read.wall).ok && ok;
    };
    // The radio holds its factory data; each program leaves what the next one finds.
    measure("program", AllGroups(), Write::Plain);
    measure("full safe program", AllGroups(), Write::EveryBlock);
    RadioSession edited = AllGroups();
    edited.settings.CHUSA[13].ChTag = "CALL";
    measure("one-name edit", edited, Write::Differential);
    RadioSession full = bench::FullRadio();
    SetVariantBits(full.image, true);
    measure("new data", full, Write::Differential);
    measure("every block other", EveryBlockOther(), Write::Differential);
    return ok;
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
    return kv::MeasureAll(sim.devices[0]) ? 0 : 1;
}
