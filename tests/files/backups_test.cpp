#include "files/backups.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "image/codec.h"
#include "image/defaults.h"
#include "support/sessions.h"
#include "support/temp_dir.h"

namespace kv {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

// A whole read of a KV170 USA radio.
std::vector<uint8_t> RadioRead(const RadioSession& s) {
    return {s.image.bytes.begin(), s.image.bytes.begin() + s.image.size()};
}

RadioSession Usa(int model = 5) {
    RadioSession s = test::FreshSession(model);
    SetVariantBits(s.image, true);
    EncodeImage(s);
    NormalizeImage(s);
    ImageChecksum(s.image);
    return s;
}

// 2026-12-07 14:03:59 local time plus the given seconds.
std::chrono::system_clock::time_point At(int seconds) {
    std::tm t{};
    t.tm_year = 126, t.tm_mon = 11, t.tm_mday = 7, t.tm_hour = 14, t.tm_min = 3, t.tm_sec = 59 + seconds;
    t.tm_isdst = -1;
    return std::chrono::system_clock::from_time_t(std::mktime(&t));
}

TEST(Backups, AreNamedByTimeAndDestinationAndListedNewestFirst) {
    test::TempDir dir;
    const RadioSession s = Usa();
    const SavedBackup first = SaveBackup(dir / "backups", s, RadioRead(s), At(0));
    const SavedBackup second = SaveBackup(dir / "backups", s, RadioRead(s), At(61));
    const SavedBackup again = SaveBackup(dir / "backups", s, RadioRead(s), At(61));
    EXPECT_EQ(first.error, "");
    EXPECT_EQ(first.path.filename(), "2026-12-07_14-03-59_KV170-usa.hex");
    EXPECT_EQ(second.path.filename(), "2026-12-07_14-05-00_KV170-usa.hex");
    EXPECT_EQ(again.path.filename(), "2026-12-07_14-05-00_KV170-usa-2.hex") << "a second read in one second";
    EXPECT_EQ(test::ReadAll(first.path), RadioRead(s));

    const std::vector<BackupEntry> list = ListBackups(dir / "backups");
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].path, again.path);
    EXPECT_EQ(list[2].path, first.path);
    EXPECT_EQ(BackupLine(list[2]), "2026-12-07_14-03-59_KV170-usa.hex\t2026-12-07 14:03:59\tKV170\tKV170-usa");
}

TEST(Backups, OnlyTheNewestHundredAreKept) {
    test::TempDir dir;
    const RadioSession s = Usa();
    for (int i = 0; i <= kBackupsKept; ++i) ASSERT_EQ(SaveBackup(dir.path(), s, RadioRead(s), At(i)).error, "");
    const std::vector<BackupEntry> list = ListBackups(dir.path());
    ASSERT_EQ(list.size(), static_cast<size_t>(kBackupsKept));
    EXPECT_EQ(list.back().path.filename(), "2026-12-07_14-04-00_KV170-usa.hex") << "the oldest went";
    EXPECT_EQ(list.front().path.filename(), "2026-12-07_14-05-39_KV170-usa.hex");
    // A read whose date is older than every kept one (a clock set wrong) is kept all the same.
    const SavedBackup past = SaveBackup(dir.path(), s, RadioRead(s), At(-86400 * 365));
    EXPECT_TRUE(fs::exists(past.path)) << past.path;
    EXPECT_EQ(ListBackups(dir.path()).size(), static_cast<size_t>(kBackupsKept));
}

TEST(Backups, EveryModelTypeIsListedWithItsModel) {
    test::TempDir dir;
    for (int model = 0; model < kModelCount; ++model)
        ASSERT_EQ(SaveBackup(dir.path(), Usa(model), RadioRead(Usa(model)), At(model)).error, "");
    const std::vector<BackupEntry> list = ListBackups(dir.path());  // the last model's first
    ASSERT_EQ(list.size(), static_cast<size_t>(kModelCount));
    for (int model = 0; model < kModelCount; ++model)
        EXPECT_EQ(list[static_cast<size_t>(kModelCount - 1 - model)].problem + list[static_cast<size_t>(kModelCount - 1 - model)].model,
                  Usa(model).ModelName());  // not damaged, and its model
}

// Reads ending in the same second in separate processes each keep their backup.
TEST(Backups, ProcessesSavingAtOnceKeepOneBackupEach) {
    test::TempDir dir;
    const RadioSession s = Usa();
    int start[2];
    ASSERT_EQ(pipe(start), 0);
    for (int i = 0; i < 8; ++i)
        if (fork() == 0) {
            close(start[1]);
            char go;
            (void)!read(start[0], &go, 1);  // all go when the parent closes its end
            _exit(SaveBackup(dir.path(), s, RadioRead(s), At(0)).error.empty() ? 0 : 1);
        }
    close(start[0]);
    close(start[1]);
    for (int status = 0; wait(&status) > 0;) EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    const std::vector<BackupEntry> list = ListBackups(dir.path());
    EXPECT_EQ(list.size(), 8u);
    for (const BackupEntry& e : list) EXPECT_EQ(test::ReadAll(e.path), RadioRead(s)) << e.path;
}

TEST(Backups, ADamagedOneIsListedWithItsProblemAndOtherFilesAreLeftAlone) {
    test::TempDir dir;
    const RadioSession s = Usa();
    SaveBackup(dir.path(), s, RadioRead(s), At(0));
    test::WriteText(dir / "2026-12-07_15-00-00_KV170-usa.hex", "not an image");
    test::WriteText(dir / "notes.txt", "mine");
    const std::vector<BackupEntry> list = ListBackups(dir.path());
    ASSERT_EQ(list.size(), 2u);
    EXPECT_NE(list[0].problem.find("damaged: "), std::string::npos);
    EXPECT_EQ(BackupLine(list[0]).find("2026-12-07_15-00-00_KV170-usa.hex\t2026-12-07 15:00:00\tdamaged: "), 0u);
    EXPECT_EQ(BackupLine(list[0]).find("KV170-usa.hex", 30), std::string::npos) << "the file named once";
    EXPECT_EQ(list[1].problem, "");
    EXPECT_TRUE(fs::exists(dir / "notes.txt"));
}

TEST(Backups, AFolderThatCannotBeMadeIsAnError) {
    test::TempDir dir;
    test::WriteText(dir / "file", "x");
    const RadioSession s = Usa();
    const SavedBackup saved = SaveBackup(dir / "file" / "backups", s, RadioRead(s), At(0));
    EXPECT_TRUE(saved.path.empty());
    EXPECT_NE(saved.error.find("backups"), std::string::npos) << saved.error;
}

}  // namespace
}  // namespace kv
