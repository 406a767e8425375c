#include "gui/link_transfer_job.h"

#include "files/backups.h"
#include "link/safe_program.h"
#include "link/transfers.h"
#include "qt/qt_serial_line.h"
#include "util/advice.h"

namespace kv {

LinkTransferJob::LinkTransferJob(RadioSession& session, Prompt& prompt, std::function<std::string()> port,
                                 ErrorLog* log, bool debug, Clock* clock)
    : session_(session),
      prompt_(prompt),
      port_(std::move(port)),
      log_(log),
      debug_(debug),
      clock_(clock ? *clock : steadyClock_) {}

TransferOutcome LinkTransferJob::Run(TransferMode mode, TransferEvents& events) {
    qt::QtSerialLine line(port_());
    TransferState state;
    state.DebugMode = debug_;
    state.PortName = port_();
    state.TransferMode = mode;
    CloneLink link(LinkContext{line, clock_, prompt_, events, log_, true}, state);
    TransferOutcome outcome;
    if (mode == TransferMode::Program && choices_) {
        SafeProgramPlan plan;
        plan.backup = choices_->backup && !backupFolder_.empty();
        plan.verify = choices_->verify;
        plan.onStep = [&](int step) { events.Phase(StepText(plan, static_cast<SafeProgramStep>(step))); };
        plan.keep = [this](const RadioSession& s, const std::vector<uint8_t>& radio) {
            return SaveBackup(backupFolder_, s, radio, std::chrono::system_clock::now());
        };
        outcome = ProgramSafely(link, session_, plan).outcome;
    } else {
        outcome = TransferRunner(link, session_).Run();
    }
    if (outcome == TransferOutcome::Completed && mode == TransferMode::Read && !backupFolder_.empty()) {
        const SavedBackup kept = SaveReadBackup(backupFolder_, session_, std::chrono::system_clock::now());
        if (!kept.error.empty())
            prompt_.Show(Advised(Advice::BackupNotKept,
                          TransferTitle(TransferMode::Read), MessageIcon::Exclamation, Buttons::Ok, {kept.error}));
    }
    return outcome;
}

}  // namespace kv
