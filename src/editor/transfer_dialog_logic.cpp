#include "editor/transfer_dialog_logic.h"

#include <algorithm>
#include <utility>

#include "files/config_store.h"
#include "util/texts.h"

namespace kv {

ProgramChoices LoadProgramChoices(const ConfigStore& store) {
    const auto on = [&](const char* key, const char* otherwise) {
        return store.Get("Program", key).value_or(otherwise) != "0";
    };
    return {on("Backup", "1"), on("Verify", "1"), on("EveryBlock", "0")};
}

void SaveProgramChoices(ConfigStore& store, const ProgramChoices& choices) {
    store.Set("Program", "Backup", choices.backup ? "1" : "0");
    store.Set("Program", "Verify", choices.verify ? "1" : "0");
    store.Set("Program", "EveryBlock", choices.everyBlock ? "1" : "0");
}

std::string TransferInstructions() {
    return std::string(text::kInstructionConnect) + "\r\n" + text::kInstructionTurnOn + "\r\n" +
           text::kInstructionPressOk;
}

TransferDialogState::~TransferDialogState() {
    if (worker_) worker_->Cancel();
    if (join_) join_();
}

TransferDialogState::CancelAction TransferDialogState::Cancel() {
    if (!busy_) return CancelAction::Close;
    cancel_ = true;
    worker_->Cancel();
    return CancelAction::RequestCancel;
}

void TransferDialogState::Start(TransferJob& job, TransferMode mode) {
    if (busy_) return;
    busy_ = true;
    cancel_ = false;
    job_ = &job;
    mode_ = mode;
    job.Prepare(mode);
    Clock* clock = job.clock();
    worker_ = std::make_unique<WorkerLink>(WorkerLink::Questions::Ask, clock ? *clock : steady_);
    ended_ = false;
    join_ = StartWorker(job.threadStarter(), [this] {
        outcome_ = job_->Run(mode_, *worker_, *worker_);
        ended_ = true;
    });
}

std::optional<TransferOutcome> TransferDialogState::Serve() {
    // A message box runs the window's events: the timer may tick inside it.
    if (!worker_ || asking_) return std::nullopt;
    if (const auto message = worker_->Question()) {
        Prompt* prompt = job_->prompt();
        asking_ = true;
        const Answer answer = prompt ? prompt->Show(*message) : SafeAnswer(message->buttons);
        asking_ = false;
        worker_->Reply(answer);
    }
    if (!ended_) return std::nullopt;
    std::exchange(join_, {})();
    last_ = worker_->Status();
    worker_.reset();
    job_->Finish(mode_, outcome_);
    busy_ = false;
    return outcome_;
}

int ProgressFillLeft(int width, int percent) {
    percent = std::clamp(percent, 0, 100);
    return width * percent / 100 - width;
}

}  // namespace kv
