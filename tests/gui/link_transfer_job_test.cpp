// The transfer dialog's job on the real link: QSerialPort against the
// simulated radio on a pseudo-terminal, as kvprog --demo runs it.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QTimer>

#include "gui/gui_rig.h"
#include "gui/link_transfer_job.h"
#include "gui/transfer_dialog.h"
#include "image/codec.h"
#include "link/link_texts.h"
#include "qt/qt_platform.h"
#include "sim/demo_radio.h"
#include "support/sessions.h"
#include "util/texts.h"

namespace kv {
namespace {

using test::UnpausedClock;

struct DemoRig {
    RadioSession radioData = test::FreshSession(5);
    std::unique_ptr<sim::DemoRadio> radio;
    ScriptedPrompt prompt;
    UnpausedClock clock;

    DemoRig() {
        radioData.settings.CHUSA[0].ChTag = "ON THE RADIO";
        radio = std::make_unique<sim::DemoRadio>(radioData);
        EXPECT_TRUE(radio->Start());
    }
    // What the radio holds after a transfer, as settings.
    RadioSettings RadioSettingsNow() {
        radio->Stop();
        RadioSession held = test::FreshSession(5);
        held.image = radio->image();
        DecodeImage(held);
        return held.settings;
    }
    LinkTransferJob Job(RadioSession& session) {
        return LinkTransferJob(session, prompt, [this] { return radio->path(); }, nullptr, false, &clock);
    }
};

// The whole road through the dialog: OK runs the read, the dialog closes
// completed and the session holds the radio's data.
TEST(TransferDialogOnTheLink, ReadsAndProgramsTheSimulatedRadio) {
    DemoRig rig;
    RadioSession session = test::FreshSession(5);
    LinkTransferJob job = rig.Job(session);
    TransferDialog read(TransferMode::Read, false, &job, nullptr);
    read.show();
    test::RunTransfer(read);
    EXPECT_TRUE(read.completed());
    EXPECT_FALSE(read.isVisible()) << "a completed transfer closes the dialog";
    EXPECT_EQ(session.settings.CHUSA[0].ChTag, "ON THE RADIO");
    EXPECT_EQ(read.findChild<QWidget*>("lblPercent")->x(), 0) << "the progress reached 100 %";
    ASSERT_FALSE(rig.prompt.shown().empty());
    EXPECT_EQ(rig.prompt.shown().back().text, "Complete!!");

    session.settings.CHUSA[2].ChTag = "EDITED";
    TransferDialog program(TransferMode::Program, false, &job, nullptr);
    program.show();
    test::RunTransfer(program);
    EXPECT_TRUE(program.completed());
    EXPECT_EQ(rig.RadioSettingsNow().CHUSA[2].ChTag, "EDITED");
}

TEST(TransferDialogOnTheLink, CancelStopsTheReadAndKeepsTheData) {
    DemoRig rig;
    RadioSession session = test::FreshSession(5);
    const RadioSettings before = session.settings;
    LinkTransferJob job = rig.Job(session);
    TransferDialog dialog(TransferMode::Read, false, &job, nullptr);
    dialog.show();
    int progressSeen = 0;
    QTimer::singleShot(30, &dialog, [&] {
        ++progressSeen;
        dialog.CancelPressed();  // while busy: asks the transfer to stop
    });
    test::RunTransfer(dialog);
    EXPECT_EQ(progressSeen, 1);
    EXPECT_FALSE(dialog.completed());
    EXPECT_TRUE(dialog.isVisible()) << "the first Cancel only stops the transfer";
    EXPECT_EQ(session.settings, before);
}

// The window tells what kvtool tells: the protocol's message, and beneath it
// which port is missing and which ports there are.
TEST(LinkTransferJob, APortThatIsNotThereFailsAndSaysWhichPortsThereAre) {
    RadioSession session = test::FreshSession(5);
    ScriptedPrompt prompt;
    const std::string port = "/dev/kv-no-such-port";
    LinkTransferJob job(session, prompt, [&] { return port; }, nullptr, false);
    NullEvents events;
    job.Prepare(TransferMode::Read);
    EXPECT_EQ(job.Run(TransferMode::Read, events, prompt), TransferOutcome::NotConnected);
    std::vector<std::string> present;
    for (const PortInfo& p : qt::AvailablePorts()) present.push_back(p.name);
    ASSERT_EQ(prompt.shown().size(), 1u);
    EXPECT_EQ(prompt.shown()[0].text, text::kPortInitError);
    EXPECT_EQ(prompt.shown()[0].detail, PortMissingText(port, present));
}

}  // namespace
}  // namespace kv
