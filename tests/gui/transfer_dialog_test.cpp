#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include "gui/gui_rig.h"
#include "gui/transfer_dialog.h"

namespace kv::test {
namespace {

TEST(TransferDialog, TitleInstructionsPicturesProgressAndNotesByMode) {
    for (const TransferMode mode : {TransferMode::Read, TransferMode::Program}) {
        const bool debug = mode == TransferMode::Program;  // debug mode shows the notes
        TransferDialog dialog(mode, debug, nullptr, nullptr, 0);
        dialog.show();
        EXPECT_EQ(dialog.windowTitle(), mode == TransferMode::Read ? "Read from Radio" : "Program to Radio");
        EXPECT_TRUE(dialog.findChild<QLabel*>("lblmess")->text().startsWith("1.Connect the TWS cable"));
        auto* monitor = dialog.findChild<QLabel*>("lblmon");
        EXPECT_EQ(monitor->isVisible(), debug);
        EXPECT_EQ(monitor->text(), debug ? "starting at debug mode.." : "");
        dialog.Note("sync ok");
        EXPECT_EQ(monitor->text(), debug ? "sync ok" : "");
        EXPECT_FALSE(dialog.findChild<QWidget*>("cmdHelp")->isVisible());
        // The source stands on the left.
        const int radio = dialog.findChild<QWidget*>("pictHandy")->x();
        const int computer = dialog.findChild<QWidget*>("pictB")->x();
        EXPECT_EQ(radio < computer, mode == TransferMode::Read);
        dialog.Progress({.percent = 50});
        const int frame = dialog.findChild<QWidget*>("pictProgress")->width();
        EXPECT_EQ(dialog.findChild<QWidget*>("lblPercent")->x(), ProgressFillLeft(frame, 50));
    }
}

TEST(TransferDialog, CancelWhileIdleClosesAndWhileBusyRequestsTheCancel) {
    FakeTransfer job;
    job.end = TransferOutcome::Cancelled;
    TransferDialog dialog(TransferMode::Read, false, &job, nullptr, 0);
    dialog.show();
    bool closeRefused = false;
    job.during = [&](TransferEvents& events) {
        events.Waiting("Waiting for the radio");
        EXPECT_EQ(dialog.findChild<QLabel*>("lblWait")->text(), "Waiting for the radio");
        dialog.CancelPressed();
        EXPECT_TRUE(events.Pump()) << "the job hears the cancel";
        EXPECT_FALSE(dialog.findChild<QPushButton*>("cmdOK")->isEnabled());
        closeRefused = !dialog.close();
    };
    dialog.Start();
    EXPECT_TRUE(closeRefused) << "the close box is refused while busy";
    EXPECT_TRUE(dialog.isVisible()) << "the first Cancel only stops the transfer";
    EXPECT_FALSE(dialog.completed());
    EXPECT_TRUE(dialog.findChild<QPushButton*>("cmdOK")->isEnabled()) << "ready for another attempt";
    EXPECT_EQ(dialog.findChild<QLabel*>("lblWait")->text(), "") << "nothing waits any more";
    dialog.CancelPressed();
    EXPECT_FALSE(dialog.isVisible());
}

TEST(TransferDialog, AfterACompletedReadTheWindowTakesTheData) {
    Rig rig;
    MainWindow& w = rig.Start();
    rig.files.names = {rig.dir / "before.dat"};
    ASSERT_TRUE(w.FileSaveAs());
    rig.editor.dataChanged = true;
    w.SelectNodeByKey("ATIS");

    rig.Answer({Answer::No});  // the unsaved data go
    PressOkWhenOpen();
    w.TransferRead();
    EXPECT_EQ(rig.transfer.modes, std::vector{TransferMode::Read});
    EXPECT_EQ(rig.session.settings.Atis.AtisCode, "9876543210");
    EXPECT_EQ(w.CurrentKey(), "General");
    EXPECT_EQ(w.windowTitle(), "TLN58  PC Program for KV150/KV170 Series[*]") << "the file name is cleared";
    EXPECT_FALSE(rig.editor.dataChanged);

    rig.transfer.end = TransferOutcome::Failed;
    rig.editor.dataChanged = true;
    PressOkWhenOpen();
    w.TransferProgram();
    EXPECT_EQ(rig.transfer.modes.back(), TransferMode::Program);
    EXPECT_TRUE(rig.editor.dataChanged) << "a failed transfer changes nothing";
}

}  // namespace
}  // namespace kv::test
