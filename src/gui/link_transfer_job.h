// The transfer dialog's job on the real radio link: a read or program
// transfer over the serial port the window has chosen, on a worker thread
// of its own (a QThread: the port lives there) working on a copy of the
// window's data. Every whole read is kept in the backups folder; a program
// follows the window's choices: back up and show what changes first, write
// only that (or every block), verify afterwards.
#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "editor/transfer_dialog_logic.h"
#include "files/error_log.h"
#include "link/serial_line.h"
#include "model/session.h"
#include "util/prompt.h"

namespace kv {

class LinkTransferJob : public TransferJob {
public:
    // port(): the device of the chosen port ("" when there is none). prompt:
    // where the transfer's messages are shown. The clock defaults to the
    // machine's; tests may hand one whose pauses are short.
    LinkTransferJob(RadioSession& session, Prompt& prompt, std::function<std::string()> port, ErrorLog* log,
                    bool debug, Clock* clock = nullptr);
    void Prepare(TransferMode mode) override;
    TransferOutcome Run(TransferMode mode, TransferEvents& events, Prompt& prompt) override;
    void Finish(TransferMode mode, TransferOutcome outcome) override;
    Prompt* prompt() override { return &prompt_; }
    StartThread threadStarter() override;
    Clock* clock() override { return &clock_; }

    // Where reads are kept (none: not kept) and how programs run (none: a plain write).
    void KeepReadsIn(std::filesystem::path folder) { backupFolder_ = std::move(folder); }
    void FollowChoices(const ProgramChoices* choices) { choices_ = choices; }

private:
    RadioSession& session_;
    Prompt& prompt_;
    std::function<std::string()> port_;
    ErrorLog* log_;
    bool debug_;
    SteadyClock steadyClock_;
    Clock& clock_;
    std::filesystem::path backupFolder_;
    const ProgramChoices* choices_ = nullptr;
    // What the worker works on, taken on the window's thread.
    RadioSession work_;
    std::string device_;
    ProgramChoices workChoices_;
};

}  // namespace kv
