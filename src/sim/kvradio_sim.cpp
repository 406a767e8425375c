// kvradio-sim: a simulated KV150/KV170 radio in PC-control mode on a
// pseudo-terminal, for tests, benchmarks and demonstrations.
#include <CLI/CLI.hpp>

#include <cstdio>
#include <fstream>
#include <iostream>

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
    std::string save;
    std::string log;
    sim::PtyOptions pty;
};

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
    app.add_option("--link", o.pty.link, "Make this path a symlink to the device");
    app.add_option("--image", o.image, "The image the radio holds (.hex)");
    app.add_option("--model", o.model, "Model type code 0..6 of a default image (default 5)");
    app.add_option("--variant", o.variant, "KV170 or KV150")->check(CLI::IsMember({"KV170", "KV150"}));
    app.add_option("--region", o.region, "Region of model type 6: 0..5, 255 or intl, uk, be, nl, sw, grmn");
    app.add_flag("--synced", o.synced, "Start already in PC-control mode");
    app.add_flag("--paced", o.pty.paced, "Send at 28800 baud, 10 bits a byte");
    app.add_option("--fault", o.faults,
                   "drop-byte@N, corrupt-byte@N, silent@N, error@N, busy[@N], wrong-address@N, bad-checksum@N, "
                   "short-data@N, hangup@N, store-wrong@N (N: the block request, from 1)");
    app.add_option("--save", o.save, "Write the image here on exit (.hex)");
    app.add_option("--log", o.log, "Write the block requests served here on exit");
    CLI11_PARSE(app, argc, argv);

    sim::SimOptions options;
    options.synced = o.synced;
    for (const std::string& text : o.faults) {
        const auto fault = sim::ParseFault(text);
        if (!fault) {
            std::fprintf(stderr, "kvradio-sim: unknown fault '%s'\n", text.c_str());
            return 2;
        }
        options.faults.push_back(*fault);
    }
    RadioImage image;
    std::string error;
    if (!BuildImage(o, image, error)) {
        std::fprintf(stderr, "kvradio-sim: %s\n", error.c_str());
        return 2;
    }
    sim::RadioSimulator radio(image, options);
    const int status = sim::ServeOnPty(radio, o.pty);
    if (!o.save.empty()) {
        if (const std::string e = WriteFileAtomically(o.save, radio.image().bytes.data(), static_cast<size_t>(radio.image().size()));
            !e.empty())
            std::fprintf(stderr, "kvradio-sim: %s\n", e.c_str());
    }
    if (!o.log.empty()) WriteLog(o.log, radio.log());
    return status;
}
