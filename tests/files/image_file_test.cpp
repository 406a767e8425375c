#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "files/file_io.h"
#include "files/image_file.h"
#include "image/codec.h"
#include "image/defaults.h"
#include "support/temp_dir.h"
#include "util/texts.h"
#include "support/sessions.h"

namespace kv {
namespace {

using test::ReadAll;
using test::TempDir;
using test::WriteAll;

RadioSession Fresh(int model) { return test::FreshSession(model); }

std::vector<std::string> Texts(const FileOutcome& outcome) {
    std::vector<std::string> texts;
    for (const Message& m : outcome.messages) texts.push_back(m.text);
    return texts;
}

class EveryModel : public ::testing::TestWithParam<int> {};
INSTANTIATE_TEST_SUITE_P(ImageFile, EveryModel, ::testing::Range(0, kModelCount));

TEST_P(EveryModel, ASavedImagePassesItsOwnChecks) {
    const int model = GetParam();
    TempDir dir;
    RadioSession saved = Fresh(model);
    saved.settings.CHUSA[0].ChTag = "SAVED";
    ASSERT_TRUE(SaveImageFile(saved, dir / "a.hex").ok);
    EXPECT_EQ(ReadAll(dir / "a.hex").size(), model == 1 ? 8192u : 16384u);

    RadioSession opened;
    opened.model = model;
    const FileOutcome outcome = OpenImageFile(opened, dir / "a.hex");
    ASSERT_TRUE(outcome.ok) << (outcome.messages.empty() ? outcome.detail : outcome.messages[0].text);
    EXPECT_EQ(opened.image, saved.image);
    if (HasNames(model)) {
        EXPECT_EQ(opened.settings.CHUSA[0].ChTag, "SAVED");
    }
}

TEST(ImageFile, SavingRecomputesTheChecksum) {
    TempDir dir;
    RadioSession s = Fresh(5);
    s.settings.Common.SQL = 3;
    ASSERT_TRUE(SaveImageFile(s, dir / "a.hex").ok);
    const auto bytes = ReadAll(dir / "a.hex");
    unsigned sum = 0;
    for (int a = 66; a <= 94; ++a) sum += bytes[a];
    EXPECT_EQ(bytes[95], sum % 256);
}

struct CheckCase {
    const char* what;
    int address;
    uint8_t value;
    std::vector<std::string> messages;
};

TEST(ImageFile, FailedChecksLeaveTheImageAndSettingsUntouched) {
    const CheckCase cases[] = {
        {"first word", 65, 0x9B, {text::kModelTypeError}},
        {"second word", 16383, 0x9B, {text::kModelTypeError}},
        {"product byte", 16370, 2, {text::kProductTypeError}},
    };
    for (const auto& c : cases) {
        TempDir dir;
        RadioSession s = Fresh(5);
        ASSERT_TRUE(SaveImageFile(s, dir / "a.hex").ok);
        auto bytes = ReadAll(dir / "a.hex");
        bytes[static_cast<size_t>(c.address)] = c.value;
        WriteAll(dir / "a.hex", bytes);

        RadioSession target = Fresh(5);
        target.settings.CHUSA[0].ChTag = "MINE";
        const RadioSession before = target;
        const FileOutcome outcome = OpenImageFile(target, dir / "a.hex");
        EXPECT_FALSE(outcome.ok) << c.what;
        EXPECT_EQ(Texts(outcome), c.messages) << c.what;
        EXPECT_EQ(outcome.messages.front().caption, text::kReadFromRadio);
        EXPECT_EQ(target.image, before.image) << c.what;
        EXPECT_EQ(target.settings, before.settings) << c.what;
    }
}

TEST(ImageFile, BothCheckMessagesCanAppear) {
    TempDir dir;
    RadioSession s = Fresh(5);
    ASSERT_TRUE(SaveImageFile(s, dir / "a.hex").ok);
    auto bytes = ReadAll(dir / "a.hex");
    bytes[64] = 0;
    bytes[16370] = 0;
    WriteAll(dir / "a.hex", bytes);
    const FileOutcome outcome = OpenImageFile(s, dir / "a.hex");
    EXPECT_EQ(Texts(outcome), (std::vector<std::string>{text::kModelTypeError, text::kProductTypeError}));
}

TEST(ImageFile, ModelsZeroAndThreeAreIdentifiedAt8190) {
    TempDir dir;
    for (int model : {0, 3}) {
        RadioSession s = Fresh(model);
        ASSERT_TRUE(SaveImageFile(s, dir / "a.hex").ok);
        auto bytes = ReadAll(dir / "a.hex");
        bytes[8191] = 7;
        WriteAll(dir / "a.hex", bytes);
        EXPECT_EQ(Texts(OpenImageFile(s, dir / "a.hex")), std::vector<std::string>{text::kModelTypeError});
    }
}

TEST(ImageFile, AFileOfAnotherLengthIsABadFile) {
    TempDir dir;
    RadioSession small = Fresh(1);
    ASSERT_TRUE(SaveImageFile(small, dir / "small.hex").ok);
    RadioSession s = Fresh(5);
    const RadioSession before = s;
    for (const auto& bytes : {std::vector<uint8_t>(8192, 0xFF), std::vector<uint8_t>(16385, 0xFF), std::vector<uint8_t>{}}) {
        WriteAll(dir / "b.hex", bytes);
        const FileOutcome outcome = OpenImageFile(s, dir / "b.hex");
        EXPECT_FALSE(outcome.ok);
        ASSERT_EQ(outcome.messages.size(), 1u);
        EXPECT_EQ(outcome.messages[0], (Message{text::kBadFile, text::kWindowTitle, MessageIcon::Critical, Buttons::Ok}));
        EXPECT_EQ(s.image, before.image);
    }
    EXPECT_TRUE(OpenImageFile(small, dir / "small.hex").ok) << "8192 bytes fit model type 1";
}

TEST(ImageFile, UnreadablePathsNameThePath) {
    TempDir dir;
    RadioSession s = Fresh(5);
    const RadioSession before = s;
    for (const auto& path : {dir / "missing.hex", dir.path()}) {
        const FileOutcome outcome = OpenImageFile(s, path);
        EXPECT_FALSE(outcome.ok);
        EXPECT_NE(outcome.detail.find(path.string()), std::string::npos) << outcome.detail;
        EXPECT_EQ(s.image, before.image);
    }
}

TEST(ImageFile, DefaultDataFilesSetTheRegion) {
    TempDir dir;
    RadioSession s = Fresh(6);
    s.image[239] = 3;
    ASSERT_TRUE(WriteImageBytes(s, dir / "KV150-nl_019B.ini").ok);
    RadioSession target = Fresh(6);
    EXPECT_TRUE(LoadDefaultDataFile(target, dir.path(), "KV150-nl"));
    EXPECT_EQ(target.region, 3);
    EXPECT_FALSE(LoadDefaultDataFile(target, dir.path(), "KV150-uk"));
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
    EXPECT_NE(WriteFileAtomically(dir.path(), &byte, 1), "") << "a folder is not a file";
    EXPECT_NE(WriteFileAtomically(dir / "no" / "such" / "f", &byte, 1), "");
    if (geteuid() != 0) {  // root may write anywhere
        WriteAll(dir / "f", {1, 2, 3});
        chmod(dir.path().c_str(), 0500);
        EXPECT_NE(WriteFileAtomically(dir / "f", &byte, 1), "");
        chmod(dir.path().c_str(), 0700);
        EXPECT_EQ(ReadAll(dir / "f"), (std::vector<uint8_t>{1, 2, 3}));
    }
}

TEST(AtomicWrite, FailingSaveReportsFileSaveError) {
    TempDir dir;
    RadioSession s = Fresh(5);
    const FileOutcome outcome = SaveImageFile(s, dir.path());
    EXPECT_FALSE(outcome.ok);
    ASSERT_EQ(outcome.messages.size(), 1u);
    EXPECT_EQ(outcome.messages[0].text, text::kFileSaveError);
}

}  // namespace
}  // namespace kv
