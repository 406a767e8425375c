#include <gtest/gtest.h>

#include "files/config_store.h"
#include "files/error_log.h"
#include "link/port_list.h"
#include "support/temp_dir.h"

namespace kv {
namespace {

TEST(PortList, AscendingNaturalOrderWithDescriptions) {
    PortList list;
    EXPECT_EQ(list.Create({{"/dev/ttyUSB1", "FT232R USB UART (FTDI)"}, {"/dev/ttyS10", ""}, {"/dev/ttyS2", "16550A"},
                           {"/dev/ttyUSB0", "CP2102 (Silicon Labs)"}, {"/dev/ttyS2", "16550A"}}),
              4);
    std::vector<std::string> names;
    for (int i = 0; i < list.ComCount(); ++i) names.push_back(list.Entry(i).name);
    EXPECT_EQ(names, (std::vector<std::string>{"/dev/ttyS2", "/dev/ttyS10", "/dev/ttyUSB0", "/dev/ttyUSB1"}));
    EXPECT_EQ(list.Entry(3).number, 4);
    EXPECT_EQ(list.RefComName(2), "/dev/ttyUSB0 CP2102 (Silicon Labs)");
    EXPECT_EQ(list.RefComName(1), "/dev/ttyS10");
    EXPECT_EQ(list.RefComName(4), "");
    EXPECT_EQ(list.Entry(-1).number, 0);
    EXPECT_EQ(list.IndexOfNumber(3), 2);
    EXPECT_EQ(list.IndexOfNumber(9), -1);
    EXPECT_EQ(list.IndexOfName("ttyUSB1"), 3);
}

TEST(PortList, APortIsANumberANameOrAPath) {
    PortList list;
    list.Create({{"/dev/ttyUSB0", ""}, {"/dev/ttyUSB1", ""}});
    const std::pair<const char*, const char*> cases[] = {
        {"2", "/dev/ttyUSB1"},         {"7", ""},  {"/dev/pts/3", "/dev/pts/3"}, {"ttyUSB0", "/dev/ttyUSB0"},
        {"ttyACM0", "/dev/ttyACM0"},
    };
    for (const auto& [text, port] : cases) EXPECT_EQ(ResolvePort(list, text), port) << text;
    PortList empty;
    EXPECT_EQ(empty.Create({}), 0);
    EXPECT_EQ(ResolvePort(empty, "1"), "");
}

TEST(PortList, TheRememberedDeviceWinsOverItsOldNumber) {
    PortList list;
    list.Create({{"/dev/ttyS0", ""}, {"/dev/ttyS1", ""}, {"/dev/ttyUSB0", ""}});
    std::vector<PortEntry> ports;
    for (int i = 0; i < list.ComCount(); ++i) ports.push_back(list.Entry(i));
    const struct {
        int number;
        const char* name;
        int index;
    } cases[] = {
        {2, "/dev/ttyUSB0", 2},  // the adapter came back as port 3
        {2, "/dev/ttyUSB1", -1},  // a device that is gone: none, whatever has its number now
        {2, "", 1},              // stored before names were: the number
        {7, "/dev/ttyUSB9", -1}, {3, "/dev/ttyS0", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(IndexOfRememberedPort(ports, c.number, c.name), c.index) << c.name;
    EXPECT_EQ(IndexOfRememberedPort({}, 1, "/dev/ttyS0"), -1);
}

TEST(ConfigStore, FirstRunDefaultsAndRememberedChoices) {
    MemoryConfigStore store;
    EXPECT_EQ(ReadPortChoice(store).number, 1);
    EXPECT_EQ(ReadPortChoice(store).name, "");
    EXPECT_EQ(ReadModelChoice(store), 5);
    WritePortChoice(store, {3, "/dev/ttyUSB2"});
    WriteModelChoice(store, 6);
    EXPECT_EQ(store.Get("ComPath", "ComNum"), "3");
    EXPECT_EQ(store.Get("ComPath", "ComName"), "/dev/ttyUSB2");
    EXPECT_EQ(store.Get("ModelPath", "ModelNum"), "6");
    EXPECT_EQ(ReadPortChoice(store).number, 3);
    store.Set("ComPath", "ComNum", "x1");
    EXPECT_EQ(ReadPortChoice(store).number, 1);
}

TEST(ErrorLog, OneLinePerEntryOnlyInDebugMode) {
    test::TempDir dir;
    const auto stamp = [] { return FileErrorLog::Stamp{"2025/02/03", "04:05:06"}; };
    FileErrorLog(dir / "off.log", false, stamp).Log("frmMain.ReadHexFileAs", 53, "File not found");
    EXPECT_FALSE(std::filesystem::exists(dir / "off.log"));
    FileErrorLog on(dir / "err.log", true, stamp);
    on.Log("frmRadio102.PortOpen", 8002, "Invalid port number");
    on.Log("frmRadio102.ReadData", 5, "x");
    EXPECT_EQ(test::ReadText(dir / "err.log"),
              "2025/02/03,04:05:06:frmRadio102.PortOpen -> 8002Invalid port number\r\n"
              "2025/02/03,04:05:06:frmRadio102.ReadData -> 5x\r\n");
    FileErrorLog(dir / "missing" / "err.log", true, stamp).Log("p", 1, "ignored");  // no throw, no file
    EXPECT_FALSE(std::filesystem::exists(dir / "missing"));
}

}  // namespace
}  // namespace kv
