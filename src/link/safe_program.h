// Programming a radio without fear: read it first and keep the read as a
// backup, show what the write changes and ask, write only what the radio
// does not hold already, then read the written blocks back and compare; all
// in one connection. The window, kvtool and the fleet run the same steps.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "files/backups.h"
#include "link/program_preview.h"
#include "link/transfers.h"
#include "util/texts.h"

namespace kv {

struct SafeProgramPlan {
    bool backup = true;            // read the radio first and keep the read
    bool verify = true;            // read the radio back after writing and compare
    bool askBeforeWriting = true;  // what the write changes is a question; else only told
    bool dryRun = false;           // read and work out the changes, write nothing, tell nothing
    // Keeps a whole read; the backups folder in the programs.
    std::function<SavedBackup(const RadioSession&, const std::vector<uint8_t>&)> keep;
    // Told as each step begins (kvtool names its progress lines after it).
    std::function<void(int step)> onStep;
    // A backup that cannot be kept stops before the write without asking
    // (a backup file the user named); else it is a question.
    bool backupRequired = false;
    // After a read: write every step of the program table, not only those
    // whose bytes the radio does not hold already.
    bool everyBlock = false;
};

enum class SafeProgramStep { Backup, Preview, Write, Verify, Done };

struct SafeProgramResult {
    TransferOutcome outcome = TransferOutcome::Failed;
    SafeProgramStep step = SafeProgramStep::Backup;  // where it ended
    std::string backupPath;                          // the kept read, if any
    ProgrammingDiff preview;                         // what the write changes (after a read)
    std::vector<int> verifyDifferences;              // addresses the radio holds otherwise
    int blocksWritten = 0;                           // write steps the radio may hold, of
    int blocksPlanned = 0;                           // the steps the write set out to send
};

SafeProgramResult ProgramSafely(CloneLink& link, RadioSession& session, const SafeProgramPlan& plan);

// What a step costs: blocks to read, or to write of the table's.
struct StepCost {
    int blocks = 0;
    int of = 0;
};
// "Step 1 of 4: reading the radio into a backup: 849 blocks", "Step 3 of 4:
// writing 3 of 718 blocks", for the steps the plan runs; without a cost
// only the step; "" for Done.
std::string StepText(const SafeProgramPlan& plan, SafeProgramStep step, StepCost cost = {});

// "This write changes 3 settings:" and the first lines of the changes.
std::string PreviewText(const ProgrammingDiff& preview);
// The verify failure: the addresses, the settings concerned and the backup.
std::string VerifyFailureText(const RadioSession& session, const std::vector<uint8_t>& radio,
                              const std::vector<int>& differences, const std::string& backupPath);

// Where the backup of a program is, and how to write it back.
std::string RestoreBackupText(const std::string& backupPath);

inline constexpr const char* kNothingWritten = KV_TEXT("Messages", "Nothing was written to the radio.");
inline constexpr const char* kWrittenNotVerified =
    KV_TEXT("Messages", "Every block was written; the read-back to verify them did not complete.");
inline constexpr const char* kNothingChanges =
    KV_TEXT("Messages", "The radio already holds this data: the write changes nothing.\r\nWrite it anyway?");

}  // namespace kv
