#include "link/safe_program.h"

#include <algorithm>
#include <cstdio>

#include "image/codec.h"
#include "util/advice.h"
#include "util/texts.h"

namespace kv {
namespace {

constexpr size_t kLinesShown = 30;

std::string Hex4(int address) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%04X", address);
    return text;
}

Answer Ask(CloneLink& link, const std::string& text, MessageIcon icon, Buttons buttons) {
    return link.context().prompt.Show({text, text::kProgramToRadio, icon, buttons});
}

// A whole read of the radio, into `radio`, with the identity checks.
TransferOutcome ReadWhole(CloneLink& link, const RadioSession& session, std::vector<uint8_t>& radio) {
    RadioSession copy = session;
    return TransferRunner(link, copy).ReadRaw(radio, text::kReadFromRadio);
}

}  // namespace

std::string StepText(const SafeProgramPlan& plan, SafeProgramStep step) {
    const bool read = plan.backup || plan.dryRun;
    const int total = (read ? 2 : 0) + 1 + (plan.verify ? 1 : 0);
    int number = 0;
    std::string what;
    switch (step) {
        case SafeProgramStep::Backup: number = 1, what = plan.backup ? KV_TEXT("Messages", "reading the radio into a backup") : KV_TEXT("Messages", "reading the radio"); break;
        case SafeProgramStep::Preview: number = 2, what = KV_TEXT("Messages", "what the write changes"); break;
        case SafeProgramStep::Write: number = read ? 3 : 1, what = KV_TEXT("Messages", "writing"); break;
        case SafeProgramStep::Verify: number = total, what = KV_TEXT("Messages", "reading back to verify"); break;
        case SafeProgramStep::Done: return "";
    }
    return AdviceText(Advice::ProgramStep, {std::to_string(number), std::to_string(total), what});
}

std::string PreviewText(const ProgrammingDiff& preview) {
    const size_t n = preview.changes.size();
    std::string text = n == 1 ? KV_TEXT("Messages", "This write changes 1 setting:") : AdviceMainText(Advice::WriteChanges, {std::to_string(n)});
    for (size_t i = 0; i < std::min(n, kLinesShown); ++i) text += "\r\n" + preview.changes[i].line;
    if (n > kLinesShown) text += "\r\n" + AdviceText(Advice::AndMore, {std::to_string(n - kLinesShown)});
    return text;
}

std::string VerifyFailureText(const RadioSession& session, const std::vector<uint8_t>& radio,
                              const std::vector<int>& differences, const std::string& backupPath) {
    std::string addresses;
    for (size_t i = 0; i < std::min(differences.size(), kLinesShown); ++i) addresses += (i ? ", " : " ") + Hex4(differences[i]);
    if (differences.size() > kLinesShown) addresses += ", ...";
    std::string text = AdviceMainText(Advice::VerifyFailed, {std::to_string(differences.size()), addresses});
    RadioSession held = session;
    std::copy_n(radio.begin(), std::min<size_t>(radio.size(), held.image.bytes.size()), held.image.bytes.begin());
    DecodeImage(held);
    RadioSession written = session;
    DecodeImage(written);
    const ProgrammingDiff concerned = DiffProgrammings(written, held);
    if (!concerned.changes.empty()) {
        std::string paths;
        for (size_t i = 0; i < std::min(concerned.changes.size(), kLinesShown); ++i)
            paths += (i ? ", " : " ") + concerned.changes[i].path;
        text += "\r\n" + AdviceText(Advice::VerifyConcerned, {paths});
    }
    text += "\r\n" + (backupPath.empty() ? std::string(KV_TEXT("Messages", "No backup was read before programming."))
                                         : RestoreBackupText(backupPath));
    return text;
}

std::string RestoreBackupText(const std::string& backupPath) {
    return AdviceText(Advice::RestoreBackup, {backupPath});
}

SafeProgramResult ProgramSafely(CloneLink& link, RadioSession& session, const SafeProgramPlan& plan) {
    SafeProgramResult r;
    const auto begin = [&](SafeProgramStep step) {
        r.step = step;
        if (plan.onStep) plan.onStep(static_cast<int>(step));
    };
    link.state().TransferMode = TransferMode::Program;
    if (plan.backup || plan.dryRun) {
        begin(SafeProgramStep::Backup);
        std::vector<uint8_t> radio;
        r.outcome = ReadWhole(link, session, radio);
        if (r.outcome != TransferOutcome::Completed) return r;
        if (plan.backup && plan.keep) {
            const SavedBackup saved = plan.keep(session, radio);
            r.backupPath = saved.path.string();
            if (!saved.error.empty() &&
                (plan.backupRequired ||
                 Ask(link, AdviceMainText(Advice::BackupUnsaved, {saved.error}) + "\r\n" + KV_TEXT("Messages", "Program the radio without a backup?"),
                     MessageIcon::Exclamation, Buttons::YesNoDefaultNo) != Answer::Yes)) {
                r.outcome = TransferOutcome::Declined;
                return r;
            }
        }
        begin(SafeProgramStep::Preview);
        r.preview = DiffOfProgram(session, radio);
        if (plan.dryRun) return r;
        const bool nothing = r.preview.changes.empty();
        const Answer answer =
            nothing ? Ask(link, kNothingChanges, MessageIcon::Question, Buttons::YesNoDefaultNo)
            : plan.askBeforeWriting ? Ask(link, PreviewText(r.preview), MessageIcon::Question, Buttons::OkCancel)
                                    : Ask(link, PreviewText(r.preview), MessageIcon::Information, Buttons::Ok);
        if (answer != Answer::Yes && answer != Answer::Ok) {
            Ask(link, kNothingWritten, MessageIcon::Information, Buttons::Ok);
            r.outcome = TransferOutcome::Declined;
            return r;
        }
    }
    begin(SafeProgramStep::Write);
    TransferRunner writer(link, session);
    // "Complete!!" comes after the last step that touches the radio: the verify, when there is one.
    writer.TellCompletion(!plan.verify);
    r.outcome = writer.Run();
    r.blocksWritten = writer.blocksWritten();
    if (r.outcome != TransferOutcome::Completed && r.blocksWritten > 0 && !r.backupPath.empty())
        Ask(link, RestoreBackupText(r.backupPath), MessageIcon::Exclamation, Buttons::Ok);
    if (r.outcome != TransferOutcome::Completed || !plan.verify) {
        if (r.outcome == TransferOutcome::Completed) r.step = SafeProgramStep::Done;
        return r;
    }
    begin(SafeProgramStep::Verify);
    std::vector<uint8_t> radio;
    r.outcome = ReadWhole(link, session, radio);
    if (r.outcome != TransferOutcome::Completed) {
        Ask(link, kWrittenNotVerified, MessageIcon::Exclamation, Buttons::Ok);
        return r;
    }
    r.verifyDifferences = DifferencesAfterProgram(session, radio);
    if (!r.verifyDifferences.empty()) {
        Ask(link, VerifyFailureText(session, radio, r.verifyDifferences, r.backupPath), MessageIcon::Exclamation,
            Buttons::Ok);
        r.outcome = TransferOutcome::Failed;
        return r;
    }
    link.context().prompt.Show(Advised(Advice::Verified, text::kProgramToRadio, MessageIcon::Information, Buttons::Ok));
    r.step = SafeProgramStep::Done;
    return r;
}

}  // namespace kv
