// kvradio-sim: a simulated KV150/KV170 radio in PC-control mode on a
// pseudo-terminal, for tests, benchmarks and demonstrations.
#include <CLI/CLI.hpp>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <memory>

#include "files/file_io.h"
#include "image/address_map.h"
#include "image/codec.h"
#include "image/defaults.h"
#include "util/version.h"
#include "sim/pty_radio.h"

namespace {

using namespace kv;

struct Options {
    std::string image;
    int model = kDefaultModel;
    std::string variant;
    std::string region;
    bool synced = false;
    std::vector<std::string> faults;
    std::vector<std::string> changes;
    std::vector<std::string> saves;
    std::vector<std::string> logs;
    int count = 0;
    std::string linkPrefix;
    sim::PtyOptions pty;
};

// Radio k's file of a --save or --log given once for several radios:
// "out.hex" becomes "out-2.hex".
std::string Numbered(const std::string& path, size_t radios, size_t k) {
    if (radios == 1) return path;
    const size_t dot = path.rfind('.');
    const size_t slash = path.rfind('/');
    const size_t at = dot != std::string::npos && (slash == std::string::npos || dot > slash) ? dot : path.size();
    return path.substr(0, at) + "-" + std::to_string(k + 1) + path.substr(at);
}

// The file of radio k among `given` (none, one for all, or one per radio).
std::string FileOf(const std::vector<std::string>& given, size_t radios, size_t k) {
    if (given.empty()) return "";
    return given.size() == 1 ? Numbered(given[0], radios, k) : given[k];
}

// "--fault 2:store-wrong@5" hits radio 2 only; without "R:" every radio.
bool FaultsOf(const std::vector<std::string>& texts, size_t radios, std::vector<sim::SimOptions>& options) {
    for (const std::string& text : texts) {
        const size_t colon = text.find(':');
        const std::string kind = colon == std::string::npos ? text : text.substr(colon + 1);
        const auto fault = sim::ParseFault(kind);
        size_t radio = 0;
        const bool one = colon != std::string::npos;
        if (one) {
            const std::string number = text.substr(0, colon);
            radio = number.empty() || number.find_first_not_of("0123456789") != std::string::npos ? 0 : std::stoul(number);
        }
        if (!fault || (one && (radio < 1 || radio > radios))) {
            std::fprintf(stderr, "kvradio-sim: unknown fault '%s'\n", text.c_str());
            return false;
        }
        for (size_t k = 0; k < radios; ++k)
            if (!one || k + 1 == radio) options[k].faults.push_back(*fault);
    }
    return true;
}

// The image a radio of these options holds: a file, or the model's defaults.
bool BuildImage(const Options& o, RadioImage& image, std::string& error) {
    if (!o.image.empty()) {
        const FileBytes file = ReadFileBytes(o.image, kImageSize);
        if (!file.ok) return error = file.error, false;
        if (file.bytes.size() != kImageSize && file.bytes.size() != kSmallImageSize)
            return error = o.image + ": not an image of 8192 or 16384 bytes", false;
        std::copy(file.bytes.begin(), file.bytes.end(), image.bytes.begin());
        image.lastAddress = static_cast<int>(file.bytes.size()) - 1;
        return true;
    }
    if (!IsValidModel(o.model)) return error = ModelOptionError(o.model), false;
    RadioSession s;
    s.model = o.model;
    ResetToDefaults(s);
    if (!o.variant.empty()) SetVariantBits(s.image, o.variant == "KV170");
    if (!o.region.empty()) {
        const auto region = ParseRegionName(o.region);
        if (!region) return error = "--region must be 0..5, 255 or intl, uk, be, nl, sw, grmn", false;
        s.image[map::RegionByte] = *region;
        s.region = RegionFromByte(s.model, *region);
    }
    EncodeImage(s);
    NormalizeImage(s);
    ImageChecksum(s.image);
    sim::WriteRadioIdentification(s.image, s.model);
    image = s.image;
    return true;
}

void WriteLog(const std::string& path, const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    if (const std::string error = WriteFileAtomically(path, text.data(), text.size()); !error.empty())
        std::fprintf(stderr, "kvradio-sim: %s\n", error.c_str());
}

}  // namespace

int main(int argc, char** argv) {
    Options o;
    CLI::App app{"kvradio-sim: a simulated KV150/KV170 radio on a pseudo-terminal", "kvradio-sim"};
    app.set_version_flag("--version", std::string("kvradio-sim ") + VersionText(), "Print the version and exit");
    app.add_option("--link", o.pty.links, "Make this path a symlink to the device; once per radio for several radios");
    app.add_option("--count", o.count, "Serve this many radios, each on its own device (with --link-prefix)")
        ->check(CLI::Range(1, 64));
    app.add_option("--link-prefix", o.linkPrefix, "With --count: radio k's symlink is this path followed by k (1, 2, ...)");
    app.add_option("--image", o.image, "The image the radio holds (.hex)");
    app.add_option("--model", o.model, "Model type code 0..6 of a default image (default 5)");
    app.add_option("--variant", o.variant, "KV170 or KV150")->check(CLI::IsMember({"KV170", "KV150"}));
    app.add_option("--region", o.region, "Region of model type 6: 0..5, 255 or intl, uk, be, nl, sw, grmn");
    app.add_flag("--synced", o.synced, "Start already in PC-control mode");
    app.add_flag("--paced", o.pty.paced, "Send at 28800 baud, 10 bits a byte");
    app.add_option("--fault", o.faults,
                   "drop-byte@N, corrupt-byte@N, silent@N, error@N, busy[@N], wrong-address@N, bad-checksum@N, "
                   "short-data@N, hangup@N, store-wrong@N (N: the block request, from 1); R:KIND@N hits radio R only");
    app.add_option("--change", o.changes,
                   "N:ADDRESS=VALUE: before block request N the radio's byte ADDRESS becomes VALUE (both hexadecimal), "
                   "as if its memory changed under the tool; every radio");
    app.add_option("--save", o.saves, "Write the image here on exit (.hex); for several radios once (numbered) or once per radio");
    app.add_option("--log", o.logs, "Write the block requests served here on exit; several radios as --save");
    CLI11_PARSE(app, argc, argv);

    if (o.count > 0 && !o.pty.links.empty()) return std::fprintf(stderr, "kvradio-sim: --count takes --link-prefix, not --link\n"), 2;
    if (o.count > 0 && o.linkPrefix.empty()) return std::fprintf(stderr, "kvradio-sim: --count needs --link-prefix\n"), 2;
    for (int k = 1; k <= o.count; ++k) o.pty.links.push_back(o.linkPrefix + std::to_string(k));
    const size_t radios = std::max<size_t>(1, o.pty.links.size());
    for (const auto* files : {&o.saves, &o.logs})
        if (files->size() > 1 && files->size() != radios)
            return std::fprintf(stderr, "kvradio-sim: give --save and --log once, or once per radio (%zu)\n", radios), 2;
    std::vector<sim::SimOptions> options(radios, sim::SimOptions{o.synced, {}});
    if (!FaultsOf(o.faults, radios, options)) return 2;
    for (const std::string& text : o.changes) {
        const auto change = sim::ParseMemoryChange(text);
        if (!change) return std::fprintf(stderr, "kvradio-sim: unknown change '%s'\n", text.c_str()), 2;
        for (sim::SimOptions& radio : options) radio.changes.push_back(*change);
    }
    RadioImage image;
    std::string error;
    if (!BuildImage(o, image, error)) {
        std::fprintf(stderr, "kvradio-sim: %s\n", error.c_str());
        return 2;
    }
    std::vector<std::unique_ptr<sim::RadioSimulator>> simulators;
    std::vector<sim::RadioSimulator*> served;
    for (size_t k = 0; k < radios; ++k) {
        simulators.push_back(std::make_unique<sim::RadioSimulator>(image, options[k]));
        served.push_back(simulators.back().get());
    }
    const int status = sim::ServeOnPtys(served, o.pty);
    for (size_t k = 0; k < radios; ++k) {
        const RadioImage& held = simulators[k]->image();
        if (const std::string save = FileOf(o.saves, radios, k); !save.empty())
            if (const std::string e = WriteFileAtomically(save, held.bytes.data(), static_cast<size_t>(held.size())); !e.empty())
                std::fprintf(stderr, "kvradio-sim: %s\n", e.c_str());
        if (const std::string log = FileOf(o.logs, radios, k); !log.empty()) WriteLog(log, simulators[k]->log());
    }
    return status;
}
