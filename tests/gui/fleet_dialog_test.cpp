// Transfer > Program Fleet against a simulated radio on a pseudo-terminal,
// through the serial ports and Qt threads the program uses: the radio is
// swapped on the one port between the fleet's radios, as a dealer does.
#include <gtest/gtest.h>

#include <QTest>

#include "gui/fleet_dialog.h"
#include "gui/qt_services.h"
#include "gui_rig.h"
#include "image/codec.h"
#include "sim/demo_radio.h"
#include "files/settings_file.h"
#include "support/sessions.h"
#include "support/temp_dir.h"

namespace kv {
namespace {

using test::ReadText;
using test::Rig;
using test::UnpausedClock;
using test::WriteText;

FleetDialog* OpenFleetDialog() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<FleetDialog*>(w); dialog && dialog->isVisible()) return dialog;
    return nullptr;
}

TEST(FleetFromTheWindow, TwoRadiosOnOnePortGetTheirOwnValuesAndTheLogIsSaved) {
    Rig rig;
    rig.fleet = SerialFleetLinks();
    rig.fleet.openPort = [serial = rig.fleet.openPort](const std::string& device) {
        FleetOptions::PortLine port = serial(device);
        port.clock = std::make_shared<UnpausedClock>();  // the protocol's pauses would take a minute
        return port;
    };
    MainWindow& window = rig.Start();
    sim::DemoRadio radio(rig.session);
    ASSERT_TRUE(radio.Start());
    rig.ports.ports = {{1, "/dev/ttyS0", "/dev/ttyS0"}, {2, "Simulated radio", radio.path()}};
    WriteText(rig.dir / "boats.csv", "label,ATIS Setup.Atis Code,CHUSA[13].ChTag\nBoat 1,9211000001,HARBOUR\n"
                                     "Boat 2,9211000002,MARINA\n");
    rig.files.names = {rig.dir / "boats.csv", rig.dir / "fleet.csv"};

    std::vector<std::string> seen;  // the dialog's status lines, each once
    QTimer::singleShot(0, [&] {
        FleetDialog* dialog = OpenFleetDialog();
        ASSERT_NE(dialog, nullptr);
        auto* start = dialog->findChild<QPushButton*>("cmdStart");
        auto* next = dialog->findChild<QPushButton*>("cmdNext");
        auto* status = dialog->findChild<QLabel*>("lblStatus");
        const auto see = [&] {
            if (seen.empty() || seen.back() != status->text().toStdString()) seen.push_back(status->text().toStdString());
        };
        dialog->LoadRadios();
        see();
        EXPECT_FALSE(start->isEnabled());  // no port ticked yet
        dialog->findChild<QListWidget*>("lstPorts")->item(1)->setCheckState(Qt::Checked);
        see();
        EXPECT_TRUE(start->isEnabled());
        start->click();
        EXPECT_FALSE(dialog->findChild<QPushButton*>("cmdClose")->isEnabled());
        EXPECT_TRUE(QTest::qWaitFor([&] { return next->isEnabled(); }, 30000)) << status->text().toStdString();
        see();
        next->click();
        EXPECT_TRUE(QTest::qWaitFor([&] { return !dialog->running(); }, 30000));
        see();
        dialog->SaveLog();
        dialog->findChild<QPushButton*>("cmdClose")->click();
    });
    window.findChild<QAction*>("mnuTransferFleet")->trigger();

    ASSERT_EQ(seen.size(), 4u);
    EXPECT_EQ(seen[0], "Programming: the current data.\nTick the ports to program on.");
    EXPECT_EQ(seen[1], "Programming: the current data.\nConnect 'Boat 1' to " + ShortPortName(radio.path()) +
                           ", then press Start.");
    EXPECT_EQ(seen[2], "Connect radio 'Boat 2' to " + ShortPortName(radio.path()) + ", then press Next.");
    EXPECT_EQ(seen[3], "Done: 2 programmed and verified.");
    radio.Stop();
    RadioSession held = rig.session;
    held.image = radio.image();
    DecodeImage(held);
    EXPECT_EQ(held.settings.Atis.AtisCode, "9211000002");
    EXPECT_EQ(held.settings.CHUSA[13].ChTag, "MARINA");
    const std::string log = ReadText(rig.dir / "fleet.csv");
    EXPECT_EQ(log.substr(0, log.find("\r\n")), "label,port,result,message,backup,seconds,blocks written");
    EXPECT_NE(log.find("\r\nBoat 2," + radio.path() + ",programmed and verified,,"), std::string::npos) << log;
    EXPECT_EQ(ListBackups(rig.dir / "backups").size(), 2u);
}

// A template file cut short is asked about before it can reach any radio:
// No keeps the current data, Yes takes the file.
TEST(FleetFromTheWindow, ATemplateFileCutShortIsTakenOnlyWhenTheUserSaysSo) {
    Rig rig;
    MainWindow& window = rig.Start();
    const std::string text = SettingsFileText(test::FreshSession(5));
    WriteText(rig.dir / "cut.dat", text.substr(0, text.find("[CHEXP1]")));
    rig.files.names = {rig.dir / "cut.dat", rig.dir / "cut.dat"};
    rig.Answer({Answer::No, Answer::Yes});
    const auto dialog = window.NewFleetDialog();
    auto* current = dialog->findChild<QRadioButton*>("optCurrentData");
    dialog->findChild<QPushButton*>("cmdChooseTemplate")->click();
    ASSERT_EQ(rig.prompt.shown().size(), 1u);
    EXPECT_TRUE(rig.prompt.shown()[0].text.starts_with("cut.dat was incomplete when it was loaded:"))
        << rig.prompt.shown()[0].text;
    EXPECT_TRUE(current->isChecked()) << "No: the current data stay the template";
    dialog->findChild<QPushButton*>("cmdChooseTemplate")->click();
    EXPECT_FALSE(current->isChecked()) << "Yes: the file is the template";
    EXPECT_NE(dialog->findChild<QLabel*>("lblStatus")->text().toStdString().find("cut.dat"), std::string::npos);
}

}  // namespace
}  // namespace kv
