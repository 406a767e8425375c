// Programming from the window: backup, preview, write and verify through the
// transfer dialog against the simulated radio on a pseudo-terminal, and
// File > Restore from Backup.
#include <gtest/gtest.h>

#include "gui/link_transfer_job.h"
#include "gui_rig.h"
#include "image/codec.h"
#include "link/safe_program.h"
#include "sim/demo_radio.h"
#include "util/advice.h"

namespace kv {
namespace {

using test::PressOkWhenOpen;
using test::Rig;
using test::UnpausedClock;


// A window whose Program and Read go to a simulated radio holding the window's start-up data.
struct RadioRig {
    Rig rig;
    UnpausedClock clock;
    std::unique_ptr<sim::DemoRadio> radio;
    LinkTransferJob job{rig.session, rig.prompt, [this] { return radio->path(); }, nullptr, false, &clock};
    MainWindow* window = nullptr;

    RadioRig() {
        job.KeepReadsIn(rig.dir / "backups");
        job.FollowChoices(&rig.editor.program);
        rig.job = &job;
        window = &rig.Start();
        radio = std::make_unique<sim::DemoRadio>(rig.session);
        EXPECT_TRUE(radio->Start());
    }
    RadioImage RadioNow() const { return radio->image(); }
};

TEST(ProgramFromTheWindow, CancelAtThePreviewWritesNothingAndAConfirmedWriteIsVerifiedAndBackedUp) {
    RadioRig r;
    const RadioImage before = r.RadioNow();
    r.window->FileNew();  // new data are for the radio's destination, as the start-up data
    r.rig.session.settings.CHUSA[13].ChTag = "CALL";
    r.rig.Answer({Answer::Cancel});
    PressOkWhenOpen();
    r.window->TransferProgram();
    ASSERT_FALSE(r.rig.prompt.shown().empty());
    const Message preview = r.rig.prompt.shown()[0];
    EXPECT_EQ(preview.caption, "Program to Radio");
    EXPECT_EQ(preview.buttons, Buttons::OkCancel);
    EXPECT_EQ(preview.text.rfind("This write changes ", 0), 0u) << preview.text;
    EXPECT_NE(preview.text.find("\r\nUSA channel 16 (row 14) name: DISTRESS -> CALL"), std::string::npos);
    EXPECT_EQ(r.rig.prompt.shown().back().text, kNothingWritten);
    EXPECT_EQ(r.RadioNow(), before) << "nothing written";
    EXPECT_EQ(ListBackups(r.rig.dir / "backups").size(), 1u) << "the backup is kept";

    r.rig.Answer({Answer::Ok});
    QString phase;  // the step and what it cost, as the dialog shows it at the end
    QTimer::singleShot(0, [&phase] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* dialog = qobject_cast<TransferDialog*>(w); dialog && dialog->isVisible()) {
                test::RunTransfer(*dialog);
                phase = dialog->findChild<QLabel*>("lblPhase")->text();
            }
    });
    r.window->TransferProgram();
    EXPECT_EQ(phase, "Step 4 of 4: reading back 6 blocks to verify, 0:00 left");
    const test::Texts texts = test::TextsOf(r.rig.prompt, TextWithDetail);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[1], std::string("Complete!!\r\n") + AdviceText(Advice::Verified));
    EXPECT_EQ(ReadName(r.RadioNow(), {static_cast<uint16_t>(map::UsaGroup.NameAt(13)), 12}), "CALL");

    // A backup of the radio as it was: its channel 16 is DISTRESS again.
    r.rig.backups.picks = {0};
    r.rig.Answer({Answer::No});  // the unsaved-changes question: do not save
    r.window->FileRestoreBackup();
    ASSERT_EQ(r.rig.backups.shown.size(), 1u);
    EXPECT_EQ(r.rig.backups.shown[0].size(), 2u);
    EXPECT_EQ(r.rig.session.settings.CHUSA[13].ChTag, "DISTRESS");
}

TEST(ProgramFromTheWindow, TheDialogShowsTheChoicesAndTheWindowRemembersThem) {
    RadioRig r;
    EXPECT_TRUE(r.rig.editor.program.backup);
    EXPECT_TRUE(r.rig.editor.program.verify);
    QTimer::singleShot(0, [] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* dialog = qobject_cast<TransferDialog*>(w); dialog && dialog->isVisible()) {
                auto* backup = dialog->findChild<QCheckBox*>("chkBackup");
                EXPECT_EQ(backup->text(), kBackupChoice);
                EXPECT_TRUE(backup->isChecked());
                EXPECT_TRUE(dialog->findChild<QCheckBox*>("chkVerify")->isChecked());
                auto* everyBlock = dialog->findChild<QCheckBox*>("chkEveryBlock");
                EXPECT_EQ(everyBlock->text(), kEveryBlockChoice);
                EXPECT_FALSE(everyBlock->isChecked());
                everyBlock->setChecked(true);
                backup->setChecked(false);
                EXPECT_FALSE(everyBlock->isEnabled()) << "without a backup read every block is written anyway";
                dialog->CancelPressed();
            }
    });
    r.window->TransferProgram();
    EXPECT_FALSE(r.rig.editor.program.backup);
    EXPECT_EQ(LoadProgramChoices(*r.rig.store).backup, false);
    EXPECT_EQ(LoadProgramChoices(*r.rig.store).verify, true);
    EXPECT_EQ(LoadProgramChoices(*r.rig.store).everyBlock, true);
}

using RestoreFromBackup = test::Window;

TEST_F(RestoreFromBackup, ADamagedBackupIsListedButNotRestored) {
    std::filesystem::create_directories(rig.dir / "backups");
    test::WriteText(rig.dir / "backups" / "2026-12-07_15-00-00_KV170-usa.hex", "short");
    rig.backups.picks = {0};
    const RadioSettings before = rig.session.settings;
    w.FileRestoreBackup();
    ASSERT_EQ(rig.backups.shown.size(), 1u);
    ASSERT_EQ(rig.backups.shown[0].size(), 1u);
    EXPECT_NE(rig.backups.shown[0][0].problem, "");
    EXPECT_EQ(rig.session.settings, before);
}

}  // namespace
}  // namespace kv
