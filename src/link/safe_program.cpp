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

}  // namespace

std::string StepText(const SafeProgramPlan& plan, SafeProgramStep step, StepCost cost) {
    const bool read = plan.backup || plan.dryRun;
    const int total = (read ? 2 : 0) + 1 + (plan.verify ? 1 : 0);
    const std::string blocks = std::to_string(cost.blocks);
    int number = 0;
    std::string what;
    switch (step) {
        case SafeProgramStep::Backup:
            number = 1;
            if (cost.blocks > 0) what = AdviceText(plan.backup ? Advice::StepBackupBlocks : Advice::StepReadBlocks, {blocks});
            else what = plan.backup ? KV_TEXT("Messages", "reading the radio into a backup") : KV_TEXT("Messages", "reading the radio");
            break;
        case SafeProgramStep::Preview: number = 2, what = KV_TEXT("Messages", "what the write changes"); break;
        case SafeProgramStep::Write:
            number = read ? 3 : 1;
            what = cost.of > 0 ? AdviceText(Advice::StepWriteBlocks, {blocks, std::to_string(cost.of)}) : KV_TEXT("Messages", "writing");
            break;
        case SafeProgramStep::Verify:
            number = total;
            what = cost.blocks > 0 ? AdviceText(Advice::StepVerifyBlocks, {blocks}) : KV_TEXT("Messages", "reading back to verify");
            break;
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

namespace {

// The radio as the write should leave it where the read-back looks: the
// written bytes from the image, the others as the backup read found them
// (unknown without one). `known` marks the bytes the read-back compares.
struct Expected {
    std::vector<uint8_t> bytes;
    std::vector<bool> known;
};
Expected ExpectedAfterWrite(const RadioImage& image, const std::vector<uint8_t>* radio, const std::vector<Span>& written) {
    Expected e;
    e.bytes = radio ? *radio : std::vector<uint8_t>(image.bytes.begin(), image.bytes.begin() + image.size());
    e.known.assign(e.bytes.size(), radio != nullptr);
    for (Span w : written)
        for (int a = w.address; a < w.end(); ++a) {
            e.bytes[static_cast<size_t>(a)] = image[a];
            e.known[static_cast<size_t>(a)] = true;
        }
    return e;
}

}  // namespace

SafeProgramResult ProgramSafely(CloneLink& link, RadioSession& session, const SafeProgramPlan& plan) {
    SafeProgramResult r;
    const auto begin = [&](SafeProgramStep step, StepCost cost) {
        r.step = step;
        link.context().events.Phase(StepText(plan, step, cost));
        if (plan.onStep) plan.onStep(static_cast<int>(step));
    };
    link.state().TransferMode = TransferMode::Program;
    TransferRunner runner(link, session);
    // Every step runs in one connection: the radio is woken, asked whether
    // it is ready and checked once, and nothing can take its place between
    // the read and the write without failing the first exchange after.
    const auto end = [&](TransferOutcome declined = TransferOutcome::Failed) {
        r.outcome = runner.End();
        if (declined == TransferOutcome::Declined) r.outcome = declined;
        r.blocksWritten = runner.blocksWritten();
        r.blocksPlanned = runner.blocksPlanned();
        return r;
    };
    const bool read = plan.backup || plan.dryRun;
    std::vector<uint8_t> radio(session.image.bytes.begin(), session.image.bytes.begin() + session.image.size());
    bool differential = read && !plan.everyBlock;
    if (read) {
        begin(SafeProgramStep::Backup, {static_cast<int>(ReadBlocks(session.image.lastAddress).size()), 0});
        if (!runner.Connect()) return end();
        if (!runner.OpenTransfer(text::kProgramToRadio) || !runner.ReadData(radio, {}, false)) return end();
        if (plan.backup && plan.keep) {
            const SavedBackup saved = plan.keep(session, radio);
            r.backupPath = saved.path.string();
            if (!saved.error.empty() &&
                (plan.backupRequired ||
                 Ask(link, AdviceMainText(Advice::BackupUnsaved, {saved.error}) + "\r\n" + KV_TEXT("Messages", "Program the radio without a backup?"),
                     MessageIcon::Exclamation, Buttons::YesNoDefaultNo) != Answer::Yes))
                return end(TransferOutcome::Declined);
        }
        begin(SafeProgramStep::Preview, {});
        r.preview = DiffOfProgram(session, radio);
        if (plan.dryRun) {
            link.state().TransferDone = true;
            return end();
        }
        const bool nothing = r.preview.changes.empty();
        const Answer answer =
            nothing ? Ask(link, kNothingChanges, MessageIcon::Question, Buttons::YesNoDefaultNo)
            : plan.askBeforeWriting ? Ask(link, PreviewText(r.preview), MessageIcon::Question, Buttons::OkCancel)
                                    : Ask(link, PreviewText(r.preview), MessageIcon::Information, Buttons::Ok);
        if (answer != Answer::Yes && answer != Answer::Ok) {
            Ask(link, kNothingWritten, MessageIcon::Information, Buttons::Ok);
            return end(TransferOutcome::Declined);
        }
        // Written anyway although the radio holds it all: every block.
        differential = differential && !nothing;
    }
    r.step = SafeProgramStep::Write;
    if (!read && !runner.Connect()) return end();
    if (!runner.PrepareProgram()) return end(TransferOutcome::Declined);
    if (!read && !runner.OpenTransfer(text::kProgramToRadio)) return end();
    const std::vector<uint8_t>* held = differential ? &radio : nullptr;
    RadioImage toWrite = session.image;
    TakeRadioOwnBytes(toWrite, radio[map::clone::RadioOwnedByte], radio[map::clone::SelectionByte]);
    begin(SafeProgramStep::Write,
          {static_cast<int>(ProgramSteps(session, toWrite, held).size()), ProgramBlockCount(session)});
    link.Note("radio writing...");
    const bool written = runner.WriteData(read ? &radio : nullptr, !differential, !plan.verify);
    if (!written || !plan.verify) {
        if (written) {
            link.state().TransferDone = true;
            link.Note("");
            Ask(link, text::kComplete, MessageIcon::Information, Buttons::Ok);
            r.step = SafeProgramStep::Done;
        }
        end();
        if (r.outcome != TransferOutcome::Completed && r.blocksWritten > 0 && !r.backupPath.empty())
            Ask(link, RestoreBackupText(r.backupPath), MessageIcon::Exclamation, Buttons::Ok);
        return r;
    }
    // Read back what was written, whole blocks: the bytes of them not
    // written must still be what the backup read found. After a read, also
    // the blocks of what the radio keeps of its own and changes as it is
    // used (its current channel and group, squelch, byte 90, the selection
    // byte): a write that left them to the backup must find them unchanged.
    std::vector<int> blocks = BlocksOf(runner.written());
    if (read) {
        namespace clone = map::clone;
        for (int own : {clone::FirstBlock, clone::BlockOf(clone::RadioOwnedByte), clone::BlockOf(clone::SelectionByte)})
            blocks.push_back(own);
        std::sort(blocks.begin(), blocks.end());
        blocks.erase(std::unique(blocks.begin(), blocks.end()), blocks.end());
    }
    begin(SafeProgramStep::Verify, {static_cast<int>(blocks.size()), 0});
    const Expected expected = ExpectedAfterWrite(session.image, read ? &radio : nullptr, runner.written());
    std::vector<uint8_t> now = expected.bytes;
    if (!blocks.empty() && !runner.ReadData(now, blocks)) {
        end();
        Ask(link, kWrittenNotVerified, MessageIcon::Exclamation, Buttons::Ok);
        return r;
    }
    for (int block : blocks)
        for (int a = block; a < block + map::clone::kBlockSize && a < static_cast<int>(now.size()); ++a)
            if (expected.known[static_cast<size_t>(a)] && now[static_cast<size_t>(a)] != expected.bytes[static_cast<size_t>(a)])
                r.verifyDifferences.push_back(a);
    if (!r.verifyDifferences.empty()) {
        end();
        Ask(link, VerifyFailureText(session, now, r.verifyDifferences, r.backupPath), MessageIcon::Exclamation,
            Buttons::Ok);
        r.outcome = TransferOutcome::Failed;
        return r;
    }
    link.state().TransferDone = true;
    end();
    link.context().prompt.Show(Advised(Advice::Verified, text::kProgramToRadio, MessageIcon::Information, Buttons::Ok));
    r.step = SafeProgramStep::Done;
    return r;
}

}  // namespace kv
