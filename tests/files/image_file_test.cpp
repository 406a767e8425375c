#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "files/file_io.h"
#include "files/image_file.h"
#include "image/codec.h"
#include "image/defaults.h"
#include "support/doubles.h"
#include "support/small_disk.h"
#include "support/temp_dir.h"
#include "util/advice.h"
#include "util/texts.h"
#include "support/sessions.h"

namespace kv {
namespace {

using test::ReadAll;
using test::TempDir;
using test::WriteAll;

RadioSession Fresh(int model) { return test::FreshSession(model); }

class EveryModel : public ::testing::TestWithParam<int> {};
INSTANTIATE_TEST_SUITE_P(ImageFile, EveryModel, ::testing::Range(0, kModelCount));

TEST_P(EveryModel, ASavedImagePassesItsOwnChecks) {
    const int model = GetParam();
    TempDir dir;
    RadioSession saved = Fresh(model);
    saved.settings.CHUSA[0].ChTag = "SAVED";
    saved.settings.Common.SQL = 3;  // changes the checksummed bytes
    ASSERT_TRUE(SaveImageFile(saved, dir / "a.hex").ok);
    const auto bytes = ReadAll(dir / "a.hex");
    ASSERT_EQ(bytes.size(), model == 1 ? 8192u : 16384u);
    unsigned sum = 0;
    for (int a = 66; a <= 94; ++a) sum += bytes[a];
    EXPECT_EQ(bytes[95], sum % 256) << "the checksum of bytes 66..94";

    RadioSession opened;
    opened.model = model;
    const FileOutcome outcome = OpenImageFile(opened, dir / "a.hex");
    ASSERT_TRUE(outcome.ok) << (outcome.messages.empty() ? outcome.detail : outcome.messages[0].text);
    EXPECT_EQ(opened.image, saved.image);
    if (HasNames(model)) {
        EXPECT_EQ(opened.settings.CHUSA[0].ChTag, "SAVED");
    }
}

// Bytes changed in a saved file, and the messages the checks give.
TEST(ImageFile, FailedChecksLeaveTheImageAndSettingsUntouched) {
    struct Case {
        const char* what;
        int model;
        std::vector<std::pair<int, uint8_t>> changes;
        std::vector<std::string> messages;
    };
    const Case cases[] = {
        {"first word", 5, {{65, 0x9B}}, {text::kModelTypeError}},
        {"last word", 5, {{16383, 0x9B}}, {text::kModelTypeError}},
        {"product byte", 5, {{16370, 2}}, {text::kProductTypeError}},
        {"both", 5, {{64, 0}, {16370, 0}}, {text::kModelTypeError, text::kProductTypeError}},
        {"model 0 at 8190", 0, {{8191, 7}}, {text::kModelTypeError}},
        {"model 3 at 8190", 3, {{8191, 7}}, {text::kModelTypeError}},
    };
    for (const auto& c : cases) {
        TempDir dir;
        RadioSession s = Fresh(c.model);
        ASSERT_TRUE(SaveImageFile(s, dir / "a.hex").ok);
        auto bytes = ReadAll(dir / "a.hex");
        for (const auto& [address, value] : c.changes) bytes[static_cast<size_t>(address)] = value;
        WriteAll(dir / "a.hex", bytes);

        RadioSession target = Fresh(c.model);
        target.settings.CHUSA[0].ChTag = "MINE";
        const RadioSession before = target;
        const FileOutcome outcome = OpenImageFile(target, dir / "a.hex");
        EXPECT_FALSE(outcome.ok) << c.what;
        EXPECT_EQ(test::TextsOf(outcome.messages), c.messages) << c.what;
        EXPECT_EQ(outcome.messages.front().caption, text::kReadFromRadio);
        EXPECT_EQ(target.image, before.image) << c.what;
        EXPECT_EQ(target.settings, before.settings) << c.what;
    }
}

TEST(ImageFile, AFileOfAnotherLengthIsABadFile) {
    TempDir dir;
    for (const auto& [model, length] : {std::pair{5, 8192}, {5, 16385}, {5, 0}, {1, 16384}}) {
        RadioSession s = Fresh(model);
        const RadioSession before = s;
        WriteAll(dir / "b.hex", std::vector<uint8_t>(static_cast<size_t>(length), 0xFF));
        const FileOutcome outcome = OpenImageFile(s, dir / "b.hex");
        EXPECT_FALSE(outcome.ok) << model << ": " << length;
        ASSERT_EQ(outcome.messages.size(), 1u);
        EXPECT_EQ(outcome.messages[0], (Message{text::kBadFile, text::kWindowTitle, MessageIcon::Critical, Buttons::Ok,
                                                AdviceText(Advice::ImageLength, {(dir / "b.hex").string(), s.ModelName()})}));
        EXPECT_EQ(s.image, before.image);
    }
}

TEST(AtomicWrite, ReplacesTheWholeFile) {
    TempDir dir;
    WriteAll(dir / "f", std::vector<uint8_t>(100, 1));
    const uint8_t two[] = {2, 2};
    EXPECT_EQ(WriteFileAtomically(dir / "f", two, sizeof two), "");
    EXPECT_EQ(ReadAll(dir / "f"), (std::vector<uint8_t>{2, 2}));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1) << "no temporary file left";
}

TEST(AtomicWrite, AFailureLeavesTheOldFile) {
    TempDir dir;
    const uint8_t byte = 9;
    EXPECT_NE(WriteFileAtomically(dir / "no" / "such" / "f", &byte, 1), "");
    if (geteuid() != 0) {  // root may write anywhere
        WriteAll(dir / "f", {1, 2, 3});
        chmod(dir.path().c_str(), 0500);
        EXPECT_NE(WriteFileAtomically(dir / "f", &byte, 1), "");
        chmod(dir.path().c_str(), 0700);
        EXPECT_EQ(ReadAll(dir / "f"), (std::vector<uint8_t>{1, 2, 3}));
    }
}

TEST(AtomicWrite, AFullDiskOrAProtectedFileLeavesTheOldFileAndNoTemporary) {
    test::SmallDisk disk(8 * 1024);
    if (!disk.mounted()) GTEST_SKIP() << "no tmpfs can be mounted here";
    const auto target = disk / "radio.hex";
    WriteAll(target, {1, 2, 3});
    const std::vector<uint8_t> big(64 * 1024, 7);
    const std::string full = WriteFileAtomically(target, big.data(), big.size());
    EXPECT_NE(full.find("No space left on device"), std::string::npos) << full;
    EXPECT_EQ(ReadAll(target), (std::vector<uint8_t>{1, 2, 3}));
    EXPECT_EQ(disk.FileCount(), 1u) << "no temporary file left";

    chmod(target.c_str(), 0444);
    const uint8_t byte = 9;
    const std::string refused = WriteFileAtomically(target, &byte, 1);
    EXPECT_TRUE(IsReadOnlyRefusal(refused)) << refused;
    EXPECT_EQ(ReadAll(target), (std::vector<uint8_t>{1, 2, 3}));
    EXPECT_EQ(WriteFileAtomically(target, &byte, 1, ReadOnlyFiles::Replace), "") << "the user said replace it";
    EXPECT_EQ(ReadAll(target), (std::vector<uint8_t>{9}));
    struct stat st {};
    ASSERT_EQ(stat(target.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0444u) << "and it stays protected";
}

TEST(AtomicWrite, ThroughASymbolicLinkAndUnderTheLongestName) {
    TempDir dir;
    std::filesystem::create_directories(dir / "real");
    WriteAll(dir / "real" / "radio.dat", {1});
    std::filesystem::create_symlink("real/radio.dat", dir / "link.dat");
    const uint8_t two[] = {2, 2};
    ASSERT_EQ(WriteFileAtomically(dir / "link.dat", two, sizeof two), "");
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.dat")) << "the link stays";
    EXPECT_EQ(ReadAll(dir / "real" / "radio.dat"), (std::vector<uint8_t>{2, 2}));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir / "real"), {}), 1);

    const auto longest = dir / (std::string(251, 'n') + ".dat");  // 255 bytes, the most a name may have
    EXPECT_EQ(WriteFileAtomically(longest, two, sizeof two), "");
    EXPECT_EQ(ReadAll(longest), (std::vector<uint8_t>{2, 2}));
}

}  // namespace
}  // namespace kv
