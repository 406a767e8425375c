#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <atomic>
#include <gtest/gtest.h>
#include <thread>

#include "gui/gui_rig.h"
#include "gui/transfer_dialog.h"

namespace kv::test {
namespace {

TEST(TransferDialog, TitleInstructionsPicturesProgressAndNotesByMode) {
    for (const TransferMode mode : {TransferMode::Read, TransferMode::Program}) {
        const bool debug = mode == TransferMode::Program;  // debug mode shows the notes
        TransferDialog dialog(mode, debug, nullptr, nullptr);
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
    TransferDialog dialog(TransferMode::Read, false, &job, nullptr);
    dialog.show();
    std::atomic<bool> heard = false;
    job.during = [&](TransferEvents& events) {  // on the worker's thread, until the Cancel reaches it
        events.Waiting("Waiting for the radio");
        while (!events.Pump()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
        heard = true;
    };
    dialog.Start();
    auto* wait = dialog.findChild<QLabel*>("lblWait");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !wait->text().isEmpty(); }));
    EXPECT_EQ(wait->text(), "Waiting for the radio");
    EXPECT_FALSE(dialog.findChild<QPushButton*>("cmdOK")->isEnabled());
    EXPECT_FALSE(dialog.close()) << "the close box is refused while busy";
    dialog.CancelPressed();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !dialog.state().busy(); }));
    EXPECT_TRUE(heard) << "the job hears the cancel";
    EXPECT_TRUE(dialog.isVisible()) << "the first Cancel only stops the transfer";
    EXPECT_FALSE(dialog.completed());
    EXPECT_TRUE(dialog.findChild<QPushButton*>("cmdOK")->isEnabled()) << "ready for another attempt";
    EXPECT_EQ(wait->text(), "") << "nothing waits any more";
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
