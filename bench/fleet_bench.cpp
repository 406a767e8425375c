// The fleet benchmark: eight radios on eight ports at once against
// `kvradio-sim --paced` (the real 28800 baud), each backed up, given a
// channel name of its own (a one-name edit of what it holds), written where
// it differs and verified, against one radio programmed alone through the
// same job in the same run. Prints both wall times, their ratio (aim: 1.15)
// and this process's CPU time per radio as a share of the wall time (aim:
// under 5 %). First, the checks of a 1 MB radios' CSV
// (53,000 radios, each with its own ATIS code): time and memory (aim: 2 s
// and 100 MB), and how soon the radio count limit refuses it.
// `fleet_bench --checks` runs only these.
#include <sys/resource.h>

#include <QCoreApplication>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>

#include <filesystem>

#include "files/backups.h"
#include "fleet/fleet_job.h"
#include "image/defaults.h"
#include "qt/qt_platform.h"
#include "qt/qt_serial_line.h"
#include "sim/sim_process.h"

namespace kv {
namespace {

constexpr size_t kFleet = 8;

struct Run {
    bool ok = true;
    double wall = 0;
    double cpu = 0;
};

// Backs up, programs and verifies `radios` radios, each on its own device,
// each holding the factory data and given a channel name of its own.
Run ProgramFleet(const std::vector<std::string>& devices, size_t radios, const std::string& name) {
    RadioSession templ;
    templ.model = 5;
    ResetToDefaults(templ);
    SetVariantBits(templ.image, true);
    std::string csv = "label,port,CHUSA[13].ChTag\n";
    for (size_t i = 0; i < radios; ++i)
        csv += "Boat " + std::to_string(i + 1) + "," + devices[i] + "," + name + " " + std::to_string(i + 1) + "\n";
    const std::vector<std::string> ports(devices.begin(), devices.begin() + static_cast<long>(radios));
    FleetRadios fleet = ReadFleetRadios(csv, templ, ports);
    for (const std::string& error : fleet.errors) std::fprintf(stderr, "fleet_bench: %s\n", error.c_str());
    FleetOptions options;
    options.backup = true;
    options.verify = true;
    const auto folder = std::filesystem::temp_directory_path() / ("kv-fleet-bench-backups-" + std::to_string(getpid()));
    options.keep = [&folder](const RadioSession& s, const std::vector<uint8_t>& read) {
        return SaveBackup(folder, s, read, std::chrono::system_clock::now());
    };
    options.askToConnect = false;
    options.openPort = [](const std::string& port) {
        return FleetOptions::PortLine{nullptr, std::make_shared<qt::QtSerialLine>(port)};
    };
    options.startThread = qt::StartQtThread;
    FleetJob job(std::move(templ), std::move(fleet), ports, options);
    const double cpuBefore = sim::CpuSeconds();
    const auto start = std::chrono::steady_clock::now();
    job.Start();
    while (!job.WaitFor(std::chrono::milliseconds(200))) {}
    Run run;
    run.wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.cpu = sim::CpuSeconds() - cpuBefore;
    std::error_code ec;
    std::filesystem::remove_all(folder, ec);
    for (const FleetReport& r : job.Reports()) {
        run.ok = run.ok && Succeeded(r.state);
        if (!Succeeded(r.state)) std::fprintf(stderr, "fleet_bench: %s: %s\n", r.label.c_str(), r.message.c_str());
    }
    int written = 0;
    for (const FleetReport& r : job.Reports()) written += r.blocksWritten;
    std::printf("%zu radio(s) on %zu port(s): %s  wall %6.2f s  cpu %5.2f s (%.2f %% of wall per radio)  %d blocks written\n",
                radios, radios, run.ok ? "verified" : "FAILED  ", run.wall, run.cpu,
                100.0 * run.cpu / run.wall / static_cast<double>(radios), written);
    return run;
}

double PeakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024;
}

// Checks a radios' CSV of 1 MB: every row a radio with its own label and ATIS code.
bool CheckLargeCsv() {
    RadioSession templ;
    templ.model = 5;
    ResetToDefaults(templ);
    std::string csv = "label,ATIS Setup.Atis Code\n";
    for (int i = 0; csv.size() < 1024 * 1024 - 32; ++i) {
        const std::string n = std::to_string(i);
        csv += "Boat" + n + ",921" + std::string(7 - n.size(), '0') + n + "\n";
    }
    const double before = PeakMegabytes();
    const auto read = [&](size_t most, const char* what) {
        const double cpu = sim::CpuSeconds();
        const auto start = std::chrono::steady_clock::now();
        FleetRadios radios = ReadFleetRadios(csv, templ, {}, most);
        std::printf("%s: wall %.2f s, cpu %.2f s, peak memory %.0f MB (%.0f MB before)%s%s\n", what,
                    std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(),
                    sim::CpuSeconds() - cpu, PeakMegabytes(), before, radios.errors.empty() ? "" : ": ",
                    radios.errors.empty() ? "" : radios.errors.front().c_str());
        return radios;
    };
    std::printf("radios' CSV of %zu bytes, one radio a line\n", csv.size());
    const FleetRadios limited = read(kMostFleetRadios, "the limit refuses it");
    const FleetRadios all = read(std::numeric_limits<size_t>::max(), "without the limit, every row checked");
    return all.errors.empty() && all.radios.size() > 50000 && !limited.errors.empty();
}

}  // namespace
}  // namespace kv

int main(int argc, char** argv) {
    const bool checksOnly = argc > 1 && std::strcmp(argv[1], "--checks") == 0;
    const bool checked = kv::CheckLargeCsv();
    if (checksOnly) return checked ? 0 : 1;
    QCoreApplication app(argc, argv);
    const std::string simPath = argc > 1 ? argv[1] : KVRADIO_SIM_PATH;
    const std::string prefix = "/tmp/kv-fleet-bench-" + std::to_string(getpid()) + "-";
    kv::sim::SimProcess sim(simPath, {"--paced", "--synced", "--variant", "KV170", "--count", std::to_string(kv::kFleet),
                                        "--link-prefix", prefix},
                              kv::kFleet);
    if (sim.devices.size() < kv::kFleet) {
        std::fprintf(stderr, "fleet_bench: kvradio-sim did not start %zu radios\n", kv::kFleet);
        return 1;
    }
    const kv::Run alone = kv::ProgramFleet(sim.devices, 1, "ALONE");
    const kv::Run fleet = kv::ProgramFleet(sim.devices, kv::kFleet, "FLEET");
    std::printf("fleet of %zu: %.3f times the wall time of one radio alone\n", kv::kFleet, fleet.wall / alone.wall);
    for (size_t k = 1; k <= kv::kFleet; ++k) std::remove((prefix + std::to_string(k)).c_str());
    return alone.ok && fleet.ok && checked ? 0 : 1;
}
