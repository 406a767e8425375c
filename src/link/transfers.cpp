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

void TakeRadioOwnBytes(RadioImage& image, uint8_t radioOwnByte, uint8_t radioSelection) {
    image[clone::RadioOwnedByte] = radioOwnByte;
    image[clone::SelectionByte] = static_cast<uint8_t>((image[clone::SelectionByte] & ~clone::kRadioSelectionBit) |
                                                       (radioSelection & clone::kRadioSelectionBit));
    image[clone::ProgramMark] = clone::kProgramMarkValue;
}

std::vector<Span> ProgramSteps(const RadioSession& s, const RadioImage& image, const std::vector<uint8_t>* radio) {
    const auto held = [&](Span w) {
        return radio && w.end() <= static_cast<int>(radio->size()) &&
               std::equal(image.bytes.begin() + w.address, image.bytes.begin() + w.end(), radio->begin() + w.address);
    };
    std::vector<Span> steps;
    for (int a = clone::FirstBlock; a <= image.lastAddress; a += clone::kBlockSize)
        for (Span w : ProgramWrites(s, a))
            if (!held(w)) steps.push_back(w);
    return steps;
}

std::vector<int> BlocksOf(const std::vector<Span>& steps) {
    std::vector<int> blocks;
    for (Span w : steps)
        if (blocks.empty() || blocks.back() != clone::BlockOf(w.address)) blocks.push_back(clone::BlockOf(w.address));
    return blocks;
}

// ---- The OK button ----------------------------------------------------------

TransferOutcome TransferRunner::Run() {
    if (!Connect()) return Outcome();
    if (state_.TransferMode == TransferMode::Read) {
        ReadTransfer();
    } else {
        if (!PrepareProgram()) {
            link_.ClosePort();
            state_.BusyFlag = false;
            return TransferOutcome::Declined;
        }
        ProgramTransfer();
    }
    return End();
}

bool TransferRunner::Connect() {
    state_.BusyFlag = true;
    state_.TransferDone = false;
    blocksWritten_ = blocksPlanned_ = 0;
    writeBroke_ = radioChanged_ = connected_ = false;
    written_.clear();
    link_.SetTitle(TransferTitle(state_.TransferMode));
    link_.Note("startsync...");
    if (link_.Connect()) {
        link_.Note("sync ok");
        return connected_ = true;
    }
    link_.Note("can not syncing!!");
    End();
    return false;
}

bool TransferRunner::PrepareProgram() {
    if (CheckBeforeDownload(s_, link_.context().prompt, "Download") == Answer::No) return false;
    EncodeImage(s_);
    NormalizeImage(s_);
    ImageChecksum(s_.image);
    return true;
}

TransferOutcome TransferRunner::End() {
    link_.ClosePort();
    state_.BusyFlag = false;
    const TransferOutcome outcome = Outcome();
    TellTrouble(outcome);
    return outcome;
}

TransferOutcome TransferRunner::Outcome() const {
    if (state_.TransferDone) return TransferOutcome::Completed;
    if (state_.CancelFlag) return TransferOutcome::Cancelled;
    return connected_ ? TransferOutcome::Failed : TransferOutcome::NotConnected;
}

void TransferRunner::TellTrouble(TransferOutcome outcome) {
    if (outcome == TransferOutcome::Completed || outcome == TransferOutcome::Declined) return;
    Prompt& prompt = link_.context().prompt;
    const std::string& title = link_.title();
    // What to check goes with the box that reported the failure; a failure
    // that showed none (a connection that never synchronised) gets one.
    if (const std::string detail = link_.TroubleDetail(); !detail.empty() && !link_.troubleTold())
        prompt.Show({text::kCommunicationError, title, MessageIcon::Critical, Buttons::Ok, detail});
    if (radioChanged_)
        prompt.Show({RadioChangedText(), title, MessageIcon::Exclamation, Buttons::Ok});
    if (writeBroke_ && blocksWritten_ > 0) prompt.Show(PartlyWrittenMessage(blocksWritten_, blocksPlanned_, title));
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
    if (!ReadData(buffer)) return;
    // Bytes 0 and 1 keep their values; the rest is the radio's.
    std::copy(buffer.begin() + 2, buffer.end(), s_.image.bytes.begin() + 2);
    const std::vector<std::string> kept = DecodeImage(s_);
    s_.region = RegionFromByte(s_.model, s_.image[map::RegionByte]);
    state_.TransferDone = true;
    link_.Note("");
    link_.context().prompt.Show({text::kComplete, link_.title(), MessageIcon::Information, Buttons::Ok});
    if (!kept.empty())
        link_.context().prompt.Show({ReceiveOnlyKeptText(kept), link_.title(), MessageIcon::Exclamation, Buttons::Ok});
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

void TransferRunner::Progress(int address, size_t done, size_t total) {
    TransferProgress p;
    p.percent = std::min(100, static_cast<int>(std::lround(address * 100.0 / s_.image.lastAddress)));
    p.step = static_cast<int>(done);
    p.steps = static_cast<int>(total);
    link_.context().events.Progress(p);
}

bool TransferRunner::ReadData(std::vector<uint8_t>& buffer, std::vector<int> blocks, bool last) {
    if (!link_.PortOpen()) {
        state_.ErrorFlag = true;
        return false;
    }
    if (blocks.empty()) blocks = ReadBlocks(s_.image.lastAddress);
    link_.Waiting("");  // the progress speaks from here on
    Progress(0, 0, blocks.size());
    bool cancelled = false;
    for (size_t i = 0; i < blocks.size(); ++i) {
        Progress(blocks[i], i, blocks.size());
        link_.ReadBlock(buffer, blocks[i], clone::kBlockSize);
        // A cancel usually fails the exchange too; it still ends as a cancel.
        if (state_.CancelFlag) {
            cancelled = true;
            break;
        }
        if (state_.ErrorFlag) break;
    }
    const bool ok = !cancelled && !state_.ErrorFlag;
    if (!cancelled) Progress(s_.image.lastAddress + 1, blocks.size(), blocks.size());
    if (cancelled) link_.AbortTransfer();
    if (last || !ok) link_.ClosePort();
    if (cancelled) return false;
    if (state_.ErrorFlag)
        link_.ShowError(text::kCommunicationError, text::kReadFromRadio);
    else if (last)
        link_.Pause(kAfterTransferPause);
    return ok;
}

// ---- Program ----------------------------------------------------------------

void TransferRunner::ProgramTransfer() {
    if (!OpenTransfer(text::kProgramToRadio)) return;
    link_.Note("radio writing...");
    if (!WriteData()) return;
    state_.TransferDone = true;
    link_.Note("");
    link_.context().prompt.Show({text::kComplete, link_.title(), MessageIcon::Information, Buttons::Ok});
}

bool TransferRunner::WriteData(const std::vector<uint8_t>* radio, bool everyStep, bool last) {
    if (!link_.PortOpen()) {
        state_.ErrorFlag = true;
        return false;
    }
    link_.Waiting("");
    Progress(0, 0, 0);
    RadioImage& image = s_.image;
    const std::span<uint8_t> bytes(image.bytes.data(), static_cast<size_t>(image.size()));
    // The radio keeps its own byte 90 and one bit of the selection byte.
    link_.ReadBlock(bytes, clone::RadioOwnedByte, 1);
    const uint8_t ours = image[clone::SelectionByte];
    if (!state_.ErrorFlag && !state_.CancelFlag) link_.ReadBlock(bytes, clone::SelectionByte, 1);
    Progress(clone::FirstBlock, 0, 0);
    link_.Pause(kAfterPreamblePause);
    // Without the radio's own bytes nothing is written: they would be lost.
    bool stop = state_.ErrorFlag || state_.CancelFlag;
    // Bytes of its own other than it held when it was read: the radio is
    // not as read (another radio, or changed since), and what it was read
    // to hold says nothing of what a write may leave out.
    const auto same = [&](int a) { return (*radio)[static_cast<size_t>(a)] == image[a]; };
    if (!stop && radio && (!same(clone::RadioOwnedByte) || !same(clone::SelectionByte))) {
        radioChanged_ = stop = true;
        state_.ErrorFlag = true;
    }
    const uint8_t radioSelection = image[clone::SelectionByte];
    image[clone::SelectionByte] = ours;
    if (!stop) TakeRadioOwnBytes(image, image[clone::RadioOwnedByte], radioSelection);
    const std::vector<Span> steps = ProgramSteps(s_, image, everyStep ? nullptr : radio);
    blocksPlanned_ = static_cast<int>(steps.size());
    for (size_t i = 0; !stop && i < steps.size(); ++i) {
        Progress(steps[i].address, i, steps.size());
        // Acknowledged, or sent and its answer lost: the radio may hold it.
        // Stop at the first failed write: a later success in the same 16-byte
        // step must not hide it.
        if (link_.WriteBlock(image, steps[i].address, steps[i].length)) {
            ++blocksWritten_;
            written_.push_back(steps[i]);
        }
        stop = state_.ErrorFlag || state_.CancelFlag;
    }
    const bool ok = !state_.ErrorFlag && !state_.CancelFlag;
    writeBroke_ = !ok && !radioChanged_;
    if (ok) Progress(image.lastAddress + 1, steps.size(), steps.size());
    if (last || !ok) link_.ClosePort();
    if (state_.CancelFlag) return false;
    if (state_.ErrorFlag && !radioChanged_)
        link_.ShowError(text::kCommunicationError, text::kProgramToRadio);
    else if (last && ok)
        link_.Pause(kAfterTransferPause);
    return ok;
}

}  // namespace kv
