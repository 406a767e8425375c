// A dealer's round trip with kvtool: read a radio into a settings file,
// change the file, program it back, and find the change in the radio.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "cli/kvtool.h"
#include "files/image_file.h"
#include "sim_process.h"
#include "support/temp_dir.h"

namespace kv {
namespace {

int Kvtool(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = cli::RunKvtool(args, out, err);
    EXPECT_EQ(status, 0) << err.str();
    return status;
}

std::string Read(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

void Replace(std::string& text, const std::string& from, const std::string& to) {
    const size_t at = text.find(from);
    ASSERT_NE(at, std::string::npos) << from;
    text.replace(at, from.size(), to);
}

TEST(KvtoolTransfer, ASettingsFileReadFromTheRadioProgramsItBack) {
    test::TempDir dir;
    const auto saved = dir / "after.hex";
    test::SimProcess sim({"--synced", "--variant", "KV170", "--save", saved.string()});
    const auto file = dir / "boat.dat";
    ASSERT_EQ(Kvtool({"read", "--port", sim.device(), "--variant", "KV170", "-o", file.string()}), 0);

    std::string text = Read(file);
    Replace(text, "Atis Code=#\r\n", "Atis Code=#2345678901\r\n");
    std::ofstream(file, std::ios::binary) << text;
    ASSERT_EQ(Kvtool({"program", "--port", sim.device(), file.string(), "--yes"}), 0);
    ASSERT_EQ(sim.Stop(), 0);

    RadioSession radio;
    radio.model = 5;
    ASSERT_TRUE(OpenImageFile(radio, saved).ok);
    EXPECT_EQ(radio.settings.Atis.AtisCode, "2345678901");
}

}  // namespace
}  // namespace kv
