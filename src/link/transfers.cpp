#include "link/transfers.h"

#include <algorithm>
#include <cmath>

#include "image/address_map.h"
#include "image/codec.h"
#include "image/defaults.h"
#include "rules/narrowband.h"
#include "util/advice.h"
#include "util/texts.h"

namespace kv {
namespace {

namespace clone = map::clone;
using timing::kAfterPreamblePause;
using timing::kAfterTransferPause;
constexpr uint8_t kSelectionMask = 1u << map::Sel1.top | 1u << map::Sel2.top;

bool Inside(int address, Span span) { return address >= span.address && address < span.end(); }
bool Inside(int address, const clone::GroupRanges& g) { return Inside(address, g.entries) || Inside(address, g.names); }

// A block in the range of a channel group that is not in use is skipped.
bool InUnusedGroup(const RadioSession& s, int a) {
    const auto& groups = s.settings.UsableGroups;
    if (!groups[kUsaGroup].Enable && Inside(a, clone::UsaRanges)) return true;
    if (!groups[kIntlGroup].Enable && Inside(a, clone::IntlRanges)) return true;
    if (!groups[kCanGroup].Enable && Inside(a, clone::CanRanges)) return true;
    return !groups[kLmrGroup].Enable && !groups[kExpGroup].Enable && Inside(a, clone::LmrExpRanges);
}

}  // namespace

std::vector<Span> ProgramWrites(const RadioSession& s, int a) {
    std::vector<Span> writes;
    if (a < clone::FirstBlock || a >= clone::ProgramEnd || a > s.image.lastAddress) return writes;
    for (const auto& single : clone::kSingleByteBlocks) {
        if (single.block != a) continue;
        for (Span run : single.runs)
            for (int i = run.address; i < run.end(); ++i) writes.push_back({static_cast<uint16_t>(i), 1});
        return writes;
    }
    for (Span unwritten : clone::kUnwrittenBlocks)
        if (Inside(a, unwritten)) return writes;
    if (!InUnusedGroup(s, a)) writes.push_back({static_cast<uint16_t>(a), clone::kBlockSize});
    return writes;
}

std::vector<int> ProgrammedAddresses(const RadioSession& s) {
    std::vector<int> addresses;
    for (int a = clone::FirstBlock; a <= s.image.lastAddress; a += clone::kBlockSize)
        for (Span w : ProgramWrites(s, a))
            for (int i = w.address; i < w.end(); ++i) addresses.push_back(i);
    return addresses;
}

int ProgramBlockCount(const RadioSession& s) {
    size_t steps = 0;
    for (int a = clone::FirstBlock; a <= s.image.lastAddress; a += clone::kBlockSize) steps += ProgramWrites(s, a).size();
    return static_cast<int>(steps);
}

std::vector<int> ReadBlocks(int lastAddress) {
    std::vector<int> blocks;
    for (int a = clone::FirstBlock; a <= lastAddress; a += clone::kBlockSize)
        if (a < clone::ReadGapStart || a >= clone::ReadGapEnd) blocks.push_back(a);
    return blocks;
}

std::vector<int> DifferencesAfterProgram(const RadioSession& s, const std::vector<uint8_t>& radio) {
    std::vector<int> differences;
    for (int a : ProgrammedAddresses(s))
        if (static_cast<size_t>(a) >= radio.size() || radio[static_cast<size_t>(a)] != s.image[a])
            differences.push_back(a);
    return differences;
}

// ---- The OK button ----------------------------------------------------------

TransferOutcome TransferRunner::Run() {
    state_.BusyFlag = true;
    state_.TransferDone = false;
    blocksWritten_ = 0;
    link_.SetTitle(TransferTitle(state_.TransferMode));
    link_.Note("startsync...");
    if (!link_.Connect()) {
        link_.Note("can not syncing!!");
        link_.ClosePort();
        state_.BusyFlag = false;
        const TransferOutcome outcome = state_.CancelFlag ? TransferOutcome::Cancelled : TransferOutcome::NotConnected;
        TellTrouble(outcome);
        return outcome;
    }
    link_.Note("sync ok");
    if (state_.TransferMode == TransferMode::Read) {
        ReadTransfer();
    } else {
        if (CheckBeforeDownload(s_, link_.context().prompt, "Download") == Answer::No) {
            link_.ClosePort();
            state_.BusyFlag = false;
            return TransferOutcome::Declined;
        }
        EncodeImage(s_);
        NormalizeImage(s_);
        ImageChecksum(s_.image);
        ProgramTransfer();
    }
    link_.ClosePort();
    state_.BusyFlag = false;
    TellTrouble(Outcome());
    return Outcome();
}

TransferOutcome TransferRunner::ReadRaw(std::vector<uint8_t>& buffer, const std::string& title) {
    state_.BusyFlag = true;
    state_.TransferDone = false;
    link_.SetTitle(title);
    buffer.assign(s_.image.bytes.begin(), s_.image.bytes.begin() + s_.image.size());
    if (link_.Connect() && OpenTransfer(title)) {
        ReadData(buffer);
        state_.TransferDone = !state_.ErrorFlag && !state_.CancelFlag;
    } else if (!state_.CancelFlag) {
        state_.ErrorFlag = true;
    }
    link_.ClosePort();
    state_.BusyFlag = false;
    TellTrouble(Outcome());
    return Outcome();
}

TransferOutcome TransferRunner::Outcome() const {
    if (state_.TransferDone) return TransferOutcome::Completed;
    return state_.CancelFlag ? TransferOutcome::Cancelled : TransferOutcome::Failed;
}

void TransferRunner::TellTrouble(TransferOutcome outcome) {
    if (outcome == TransferOutcome::Completed || outcome == TransferOutcome::Declined) return;
    Prompt& prompt = link_.context().prompt;
    const std::string& title = link_.title();
    // What to check goes with the box that reported the failure; a failure
    // that showed none (a connection that never synchronised) gets one.
    if (const std::string detail = link_.TroubleDetail(); !detail.empty() && !link_.troubleTold())
        prompt.Show({text::kCommunicationError, title, MessageIcon::Critical, Buttons::Ok, detail});
    if (blocksWritten_ > 0) prompt.Show(PartlyWrittenMessage(blocksWritten_, ProgramBlockCount(s_), title));
}

bool TransferRunner::OpenTransfer(const std::string& title) {
    if (!link_.CheckStatus()) {
        if (!state_.CancelFlag) link_.ShowError(text::kRadioNotReady);
        state_.ErrorFlag = true;  // the dialog stays open for another attempt
        return false;
    }
    ReadDataChkModel(title);
    return !state_.ErrorFlag && !state_.CancelFlag;
}

// ---- Read -------------------------------------------------------------------

void TransferRunner::ReadTransfer() {
    if (!OpenTransfer(text::kReadFromRadio)) return;
    link_.Note("radio reading...");
    std::vector<uint8_t> buffer(s_.image.bytes.begin(), s_.image.bytes.begin() + s_.image.size());
    ReadData(buffer);
    if (state_.ErrorFlag || state_.CancelFlag) return;
    // Bytes 0 and 1 keep their values; the rest is the radio's.
    std::copy(buffer.begin() + 2, buffer.end(), s_.image.bytes.begin() + 2);
    DecodeImage(s_);
    s_.region = RegionFromByte(s_.model, s_.image[map::RegionByte]);
    state_.TransferDone = true;
    link_.Note("");
    link_.context().prompt.Show({text::kComplete, link_.title(), MessageIcon::Information, Buttons::Ok});
    CheckAfterChange(s_, link_.context().prompt, "Upload");
}

void TransferRunner::ReadDataChkModel(const std::string& title) {
    if (!link_.PortOpen()) {
        state_.ErrorFlag = true;
        return;
    }
    link_.Note("model check...");
    std::vector<uint8_t> check(static_cast<size_t>(s_.image.lastAddress) + 1, 0);
    ReadIdentification(check);
    if (state_.CancelFlag) return;
    if (state_.ErrorFlag) return link_.ShowError(text::kCommunicationError, text::kModelCheck);
    CheckIdentity(check, title);
}

void TransferRunner::ReadIdentification(std::vector<uint8_t>& check) {
    const int last = s_.image.lastAddress;
    const int wordAt = clone::IdentificationWord(s_.model);
    std::vector<Span> reads{{static_cast<uint16_t>(wordAt), 2}, {static_cast<uint16_t>(last - 1), 2}};
    // The product byte lies beyond the 8 KB image of model type 1, which
    // has no product check: it is not asked for.
    if (map::ProductByte <= last) reads.push_back({map::ProductByte, 1});
    reads.push_back({static_cast<uint16_t>(clone::SelectionByte), 1});
    reads.push_back({static_cast<uint16_t>(map::RegionByte), 1});
    state_.ErrorFlag = false;
    for (Span r : reads) {
        link_.ReadBlock(check, r.address, r.length);
        if (state_.ErrorFlag || state_.CancelFlag) return;
    }
}

void TransferRunner::CheckIdentity(const std::vector<uint8_t>& check, const std::string& title) {
    const int last = s_.image.lastAddress;
    const auto at = [&](int address) { return check[static_cast<size_t>(address)]; };
    const int wordAt = clone::IdentificationWord(s_.model);
    const int wordA = at(wordAt) << 8 | at(wordAt + 1);
    const int wordB = at(last - 1) << 8 | at(last);
    const std::vector<std::string> radio{PortShown(state_.PortName), SeriesWord(s_.model)};
    const bool otherModel = wordA != wordB || wordA != IdentificationWord(s_.model);
    if (otherModel) {
        state_.ErrorFlag = true;
        link_.ShowError(text::kModelTypeError, title, AdviceText(Advice::RadioModel, radio));
    }
    const auto product = RequiredProductByte(s_.model);
    if (product && (map::ProductByte > last || at(map::ProductByte) != *product)) {
        state_.ErrorFlag = true;
        // Its detail says the radio is of the series: so only when the model check passed.
        link_.ShowError(text::kProductError, title, otherModel ? "" : AdviceText(Advice::RadioProduct, radio));
    }
    if (state_.ErrorFlag) return;
    const uint8_t radioRegion = at(map::RegionByte);
    if ((at(clone::SelectionByte) & kSelectionMask) != (s_.image[clone::SelectionByte] & kSelectionMask)) {
        const auto bits = [](uint8_t selection, uint8_t region) {
            return DestinationBits{(selection & 1u << map::Sel1.top) != 0, (selection & 1u << map::Sel2.top) != 0, region};
        };
        const std::string detail = DestinationErrorDetail(s_.model, bits(at(clone::SelectionByte), radioRegion),
                                                          bits(s_.image[clone::SelectionByte], s_.region),
                                                          state_.TransferMode, state_.Frontend);
        // A read replaces the data, the destination with them: it may take the radio's.
        if (state_.TransferMode == TransferMode::Read &&
            link_.context().prompt.Show({text::kDestinationError, title, MessageIcon::Exclamation,
                                         Buttons::YesNoDefaultNo, detail}) == Answer::Yes)
            return;
        state_.ErrorFlag = true;
        if (state_.TransferMode != TransferMode::Read) link_.ShowError(text::kDestinationError, title, detail);
        return;
    }
    if (!s_.traits().region || radioRegion == s_.region || radioRegion == kNoRegion) return;
    const std::string question = std::string(text::kRegionUnmatched) + "\r\n" +
                                 (state_.TransferMode == TransferMode::Program ? text::kAskWrite : text::kAskRead);
    const Message ask{question, title, MessageIcon::Exclamation, Buttons::YesNo,
                      RegionMismatchDetail(s_.model, s_.Sel1(), radioRegion, s_.region)};
    if (link_.context().prompt.Show(ask) == Answer::No) state_.ErrorFlag = true;
}

void TransferRunner::Progress(int address) {
    const int last = s_.image.lastAddress;
    TransferProgress p;
    p.percent = std::min(100, static_cast<int>(std::lround(address * 100.0 / last)));
    p.steps = (last + 1 - clone::FirstBlock) / clone::kBlockSize;
    p.step = std::clamp((address - clone::FirstBlock) / clone::kBlockSize, 0, p.steps);
    link_.context().events.Progress(p);
}

void TransferRunner::ReadData(std::vector<uint8_t>& buffer) {
    if (!link_.PortOpen()) {
        state_.ErrorFlag = true;
        return;
    }
    link_.Waiting("");  // the progress speaks from here on
    Progress(0);
    bool cancelled = false;
    for (int a : ReadBlocks(s_.image.lastAddress)) {
        Progress(a);
        link_.ReadBlock(buffer, a, clone::kBlockSize);
        // A cancel usually fails the exchange too; it still ends as a cancel.
        if (state_.CancelFlag) {
            cancelled = true;
            break;
        }
        if (state_.ErrorFlag) break;
    }
    if (!cancelled) Progress(s_.image.lastAddress + 1);
    if (cancelled) link_.AbortTransfer();
    link_.ClosePort();
    if (cancelled) return;
    if (state_.ErrorFlag)
        link_.ShowError(text::kCommunicationError, text::kReadFromRadio);
    else
        link_.Pause(kAfterTransferPause);
}

// ---- Program ----------------------------------------------------------------

void TransferRunner::ProgramTransfer() {
    if (!OpenTransfer(text::kProgramToRadio)) return;
    link_.Note("radio writing...");
    WriteData();
    if (state_.ErrorFlag || state_.CancelFlag) return;
    state_.TransferDone = true;
    link_.Note("");
    if (tellCompletion_)
        link_.context().prompt.Show({text::kComplete, link_.title(), MessageIcon::Information, Buttons::Ok});
}

void TransferRunner::WriteData() {
    if (!link_.PortOpen()) {
        state_.ErrorFlag = true;
        return;
    }
    link_.Waiting("");
    Progress(0);
    RadioImage& image = s_.image;
    const std::span<uint8_t> bytes(image.bytes.data(), static_cast<size_t>(image.size()));
    // The radio keeps its own byte 90 and one bit of the selection byte.
    link_.ReadBlock(bytes, clone::RadioOwnedByte, 1);
    const uint8_t ours = image[clone::SelectionByte];
    if (!state_.ErrorFlag && !state_.CancelFlag) link_.ReadBlock(bytes, clone::SelectionByte, 1);
    Progress(clone::FirstBlock);
    link_.Pause(kAfterPreamblePause);
    // Without the radio's own bytes nothing is written: they would be lost.
    bool stop = state_.ErrorFlag || state_.CancelFlag;
    if (!stop) {
        image[clone::SelectionByte] = static_cast<uint8_t>((ours & ~clone::kRadioSelectionBit) |
                                                           (image[clone::SelectionByte] & clone::kRadioSelectionBit));
        image[clone::ProgramMark] = clone::kProgramMarkValue;
    }
    for (int a = clone::FirstBlock; !stop && a <= image.lastAddress; a += clone::kBlockSize) {
        Progress(a);
        // Stop at the first failed write: a later success in the same step
        // must not hide it.
        for (Span w : ProgramWrites(s_, a)) {
            // Acknowledged, or sent and its answer lost: the radio may hold it.
            if (link_.WriteBlock(image, w.address, w.length)) ++blocksWritten_;
            if ((stop = state_.ErrorFlag || state_.CancelFlag)) break;
        }
    }
    if (!state_.ErrorFlag && !state_.CancelFlag) Progress(image.lastAddress + 1);
    link_.ClosePort();
    if (state_.CancelFlag) return;
    if (state_.ErrorFlag)
        link_.ShowError(text::kCommunicationError, text::kProgramToRadio);
    else
        link_.Pause(kAfterTransferPause);
}

}  // namespace kv
