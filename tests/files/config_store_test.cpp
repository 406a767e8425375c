#include "files/config_store.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace kv::test {
namespace {

using Paths = std::vector<std::filesystem::path>;

TEST(RecentFiles, NewestFirstWithoutRepeatsAndAtMostSix) {
    MemoryConfigStore store;
    EXPECT_TRUE(ReadRecentFiles(store).empty());
    for (const char* file : {"/a.dat", "/b.dat", "/c.dat"}) RememberRecentFile(store, file);
    EXPECT_EQ(ReadRecentFiles(store), (Paths{"/c.dat", "/b.dat", "/a.dat"}));
    RememberRecentFile(store, "/a.dat");
    EXPECT_EQ(ReadRecentFiles(store), (Paths{"/a.dat", "/c.dat", "/b.dat"})) << "opened again: first, once";
    for (const char* file : {"/d.dat", "/e.dat", "/f.dat", "/g.dat"}) RememberRecentFile(store, file);
    EXPECT_EQ(ReadRecentFiles(store), (Paths{"/g.dat", "/f.dat", "/e.dat", "/d.dat", "/a.dat", "/c.dat"}));
    ForgetRecentFile(store, "/e.dat");
    EXPECT_EQ(ReadRecentFiles(store), (Paths{"/g.dat", "/f.dat", "/d.dat", "/a.dat", "/c.dat"}));
}

TEST(DialogFolder, TheFolderLastUsedWhileItExistsElseTheDocuments) {
    TempDir dir;
    const auto documents = dir / "Documents";
    const auto boats = dir / "boats";
    std::filesystem::create_directories(documents);
    std::filesystem::create_directories(boats);
    MemoryConfigStore store;
    EXPECT_EQ(DialogFolder(store, documents), documents) << "before any dialog";
    RememberDialogFolder(store, boats / "tug.dat");
    EXPECT_EQ(DialogFolder(store, documents), boats);
    std::filesystem::remove(boats);
    EXPECT_EQ(DialogFolder(store, documents), documents) << "a folder that is gone";
    EXPECT_EQ(DialogFolder(store, dir / "NoDocuments"), dir.path()) << "no documents folder yet: home";
}

}  // namespace
}  // namespace kv::test
