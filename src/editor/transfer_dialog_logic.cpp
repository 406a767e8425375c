#include "editor/transfer_dialog_logic.h"

#include <algorithm>

#include "files/config_store.h"
#include "util/texts.h"

namespace kv {

ProgramChoices LoadProgramChoices(const ConfigStore& store) {
    const auto on = [&](const char* key) { return store.Get("Program", key).value_or("1") != "0"; };
    return {on("Backup"), on("Verify")};
}

void SaveProgramChoices(ConfigStore& store, const ProgramChoices& choices) {
    store.Set("Program", "Backup", choices.backup ? "1" : "0");
    store.Set("Program", "Verify", choices.verify ? "1" : "0");
}

std::string TransferInstructions() {
    return std::string(text::kInstructionConnect) + "\r\n" + text::kInstructionTurnOn + "\r\n" +
           text::kInstructionPressOk;
}

TransferDialogState::CancelAction TransferDialogState::Cancel() {
    if (!busy_) return CancelAction::Close;
    cancel_ = true;
    return CancelAction::RequestCancel;
}

TransferOutcome TransferDialogState::Start(TransferJob& job, TransferMode mode, TransferEvents& events) {
    struct Busy {
        bool& flag;
        explicit Busy(bool& f) : flag(f) { flag = true; }
        ~Busy() { flag = false; }
    } busy(busy_);
    cancel_ = false;
    return job.Run(mode, events);
}

int ProgressFillLeft(int width, int percent) {
    percent = std::clamp(percent, 0, 100);
    return width * percent / 100 - width;
}

}  // namespace kv
