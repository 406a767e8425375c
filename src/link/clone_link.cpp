#include "link/clone_link.h"

#include <algorithm>
#include <cctype>

#include "link/link_texts.h"
#include "link/wire.h"
#include "util/advice.h"
#include "util/texts.h"

namespace kv {
namespace {

using namespace timing;

constexpr int kWakeAttempts = 3;

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
           });
}

}  // namespace

// ---- Port -------------------------------------------------------------------

bool CloneLink::OpenPort(const char* procedure, bool reopen) {
    if (!reopen && c_.line.IsOpen()) return true;
    if (c_.line.IsOpen()) c_.line.Close();
    LineError error;
    if (!c_.line.Open(error)) {
        if (c_.log) c_.log->Log(procedure, error.number, error.description);
        openError_ = error.description;
        return false;
    }
    openError_.clear();
    lineDown_ = false;
    if (reopen) Note(c_.line.Settings());
    return true;
}

void CloneLink::ClosePort() {
    if (!c_.line.IsOpen()) return;
    c_.line.SetDtr(true);
    c_.line.SetRts(true);
    c_.line.Close();
}

void CloneLink::FlushInput() {
    uint8_t discard[256];
    for (size_t waiting = c_.line.BytesWaiting(); waiting > 0;) {
        const size_t got = c_.line.Read(discard, std::min(waiting, sizeof discard));
        if (got == 0) break;
        waiting -= std::min(waiting, got);
    }
}

// ---- Sending ----------------------------------------------------------------

void CloneLink::SendBytes(std::string_view bytes) {
    Pause(kSendPause);
    if (lineDown_ || !c_.line.Write(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size())) {
        // The line said the bytes did not leave: no echo can come back, and
        // waiting 100 s for one would only hide the failure.
        cableSilent_ = cableSilent_ || testingCable_;
        lineDown_ = true;
        state_.ErrorFlag = true;
        return;
    }
    CheckEcho(bytes);
}

void CloneLink::SendLine(std::string_view text) {
    std::string line(text);
    line += static_cast<char>(wire::kCr);
    line += static_cast<char>(wire::kLf);
    SendBytes(line);
}

void CloneLink::SendControl(uint8_t byte) {
    FlushInput();
    const char c = static_cast<char>(byte);
    SendBytes(std::string_view(&c, 1));
}

void CloneLink::CheckEcho(std::string_view sent) {
    state_.ErrorFlag = true;
    // The cable returns every byte at once: the first echo of a connection
    // comes within a few seconds or there is no cable on the port.
    const Deadline deadline = DeadlineIn(testingCable_ ? kCableEchoTimeout : kEchoTimeout);
    size_t matched = 0;
    for (;;) {
        if (const auto byte = Poll(deadline)) {
            if (*byte != static_cast<uint8_t>(sent[matched])) return;
            ++matched;
        }
        if (state_.CancelFlag) return;
        if (c_.clock.Now() > deadline || LineGone()) {
            // Not one byte back in the whole time: nothing is on the line.
            if (matched == 0) lineDown_ = true;
            if (matched == 0 && testingCable_) cableSilent_ = true;
            return;
        }
        if (matched == sent.size()) {
            state_.ErrorFlag = false;
            return;
        }
    }
}

// ---- Receiving --------------------------------------------------------------

std::optional<uint8_t> CloneLink::Poll(Deadline deadline) {
    if (c_.events.Pump()) state_.CancelFlag = true;
    if (!state_.CancelFlag && !lineDown_ && c_.line.BytesWaiting() == 0 && !c_.line.Broken()) {
        // At least a tick: the echo check ends only once its deadline has passed.
        const Clock::Duration left = deadline - c_.clock.Now();
        c_.line.WaitForInput(std::clamp(left, Clock::Duration(1), Clock::Duration(kPollSlice)));
    }
    uint8_t byte = 0;
    if (c_.line.Read(&byte, 1) == 1) return byte;
    return std::nullopt;
}

bool CloneLink::LineGone() { return lineDown_ || (c_.line.Broken() && c_.line.BytesWaiting() == 0); }

void CloneLink::NoteFailure() {
    if (!state_.CancelFlag) exchangeFailed_ = true;
}

bool CloneLink::Reached(Deadline deadline) { return c_.clock.Now() >= deadline || LineGone(); }

Reception CloneLink::ReceiveText(size_t count, Duration timeout) {
    Reception r;
    const Deadline deadline = DeadlineIn(timeout);
    for (;;) {
        if (const auto byte = Poll(deadline)) r.text += static_cast<char>(*byte);
        if (state_.CancelFlag) return {LinkResult::Cancelled, r.text};
        if (Reached(deadline)) return {LinkResult::TimedOut, r.text};
        if (EqualsIgnoringCase(r.text, wire::kRefusal)) return {LinkResult::RadioError, r.text};
        if (r.text.size() >= count) return {LinkResult::Received, r.text};
    }
}

Reception CloneLink::ReceiveUpToCr(Duration timeout, AfterCr afterCr) {
    Reception r;
    const Deadline deadline = DeadlineIn(timeout);
    bool crSeen = false;
    for (;;) {
        const auto byte = Poll(deadline);
        if (state_.CancelFlag) return {LinkResult::Cancelled, r.text};
        if (Reached(deadline)) return {LinkResult::TimedOut, r.text};
        if (!byte) continue;
        if (crSeen) {
            if (*byte == wire::kLf) return {LinkResult::Received, r.text};
            if (afterCr == AfterCr::LfOnly) return {LinkResult::Mismatch, r.text};
        } else if (*byte == wire::kCr) {
            crSeen = true;
        } else {
            r.text += static_cast<char>(*byte);
        }
    }
}

LinkResult CloneLink::WaitForByte(uint8_t value, Duration timeout) {
    const Deadline deadline = DeadlineIn(timeout);
    for (;;) {
        const auto byte = Poll(deadline);
        if (state_.CancelFlag) return LinkResult::Cancelled;
        if (Reached(deadline)) return LinkResult::TimedOut;
        if (byte == value) return LinkResult::Received;
    }
}

LinkResult CloneLink::WaitBoth(Duration timeout) {
    if (WaitForByte(wire::kCr, timeout) != LinkResult::Received) return LinkResult::Mismatch;
    if (WaitForByte(wire::kLf, timeout) != LinkResult::Received) return LinkResult::Mismatch;
    return LinkResult::Received;
}

LinkResult CloneLink::ExpectOk() {
    const Reception r = ReceiveText(wire::kCodeWordLength, kAnswerTimeout);
    if (r.result != LinkResult::Received) return r.result;
    if (r.text != wire::kOk || WaitBoth(kLineEndTimeout) != LinkResult::Received) return LinkResult::Mismatch;
    state_.ErrorFlag = false;
    return LinkResult::Received;
}

// ---- Connection -------------------------------------------------------------

bool CloneLink::Connect() {
    state_.CancelFlag = false;
    exchangeFailed_ = cableSilent_ = troubleTold_ = false;
    if (!PortInit()) return ShowPortError();
    Note("sending '#CMDSY'...");
    Waiting(CableWaitText(state_.PortName));
    testingCable_ = true;
    SendLine(wire::kSync);
    testingCable_ = false;
    if (state_.CancelFlag) return ConnectCancelled();
    if (cableSilent_) return ConnectFailed();
    Waiting(RadioWaitText(state_.PortName));
    const Reception first = ReceiveText(wire::kCodeWordLength, kSyncTimeout);
    if (first.result == LinkResult::Received && first.text == wire::kOk && WaitBoth(kLineEndTimeout) == LinkResult::Received)
        return true;  // already in PC-control mode
    if (!WakeUp()) return state_.CancelFlag ? ConnectCancelled() : ConnectFailed();
    bool connected = SendModeCommand();
    if (connected && !PortInitCP()) return ShowPortError();
    if (connected) {
        Pause(kReopenPause);
        connected = Resync();
    }
    if (!connected && state_.CancelFlag) return ConnectCancelled();
    if (!connected) NoteFailure();
    return connected;
}

bool CloneLink::ConnectFailed() {
    Note("sync failed!!");
    NoteFailure();
    ShowError(text::kCommunicationError);
    ClosePort();
    return false;
}

// A cancel while connecting is said as a cancel, not as the silence it cut short.
bool CloneLink::ConnectCancelled() {
    ShowError(text::kCancelled);
    ClosePort();
    return false;
}

bool CloneLink::WakeUp() {
    for (int attempt = 0; attempt < kWakeAttempts; ++attempt) {
        SendControl(wire::kWake);
        if (WaitForByte(wire::kWake, kWakeTimeout) == LinkResult::Received) {
            SendControl(wire::kWakeConfirm);
            return true;
        }
    }
    return false;
}

bool CloneLink::SendModeCommand() {
    Note("sending 'ACMD:002'...");
    SendLine(wire::kModeCommand);
    const Reception r = ReceiveLine(kModeAnswerTimeout);
    switch (r.result) {
        case LinkResult::Received:
            if (r.text == wire::kModeAccepted || r.text == wire::kUnknownAnswer) return true;
            NoteFailure();
            ShowError(r.text == wire::kRefusal ? text::kAcmdError : text::kLinkError);
            return false;
        case LinkResult::Cancelled:
            return false;
        case LinkResult::Mismatch:
            ShowError(text::kLinkError);
            return true;
        default:
            return true;  // no answer: go on
    }
}

bool CloneLink::ShowPortError() {
    ShowError(text::kPortInitError);
    return false;
}

bool CloneLink::Resync() {
    bool allPassed = true;
    for (int pass = 1; pass <= 2; ++pass) {
        int attempts = std::max(1, state_.RetryBudget);
        bool passed = false, endEarly = false;
        while (!passed && !endEarly) {
            Note("sending '#CMDSY'...(" + std::to_string(pass) + ")");
            SendLine(wire::kSync);
            const LinkResult r = ExpectOk();
            if (r == LinkResult::Received)
                passed = true;
            else if (r == LinkResult::TimedOut || r == LinkResult::RadioError) {
                if (--attempts == 0) break;
            } else
                endEarly = true;
        }
        allPassed = allPassed && passed;
        if (endEarly) break;
    }
    if (!allPassed) Note("can'not Receive '#CMDOK' !!");
    return allPassed;
}

// ---- Requests ---------------------------------------------------------------

bool CloneLink::AskResync() {
    const Message ask =
        Advised(Advice::ConfirmSync, title_, MessageIcon::Question, Buttons::OkCancel, {PortShown(state_.PortName)});
    return c_.prompt.Show(ask) == Answer::Ok && Resync();
}

LinkResult CloneLink::RequestWithRetry(const std::function<void()>& send) {
    int attempts = std::max(1, state_.RetryBudget);
    for (;;) {
        send();
        const LinkResult r = ExpectOk();
        if (r == LinkResult::TimedOut && --attempts > 0) continue;
        if (r != LinkResult::RadioError) return r;
        if (--attempts > 0) continue;
        if (!AskResync()) return r;
        attempts = 1;
    }
}

void CloneLink::Reject(std::string_view answer) {
    SendLine(answer);
    state_.ErrorFlag = true;  // a good echo of the rejection is no success
}

CloneLink::Status CloneLink::StatusExchange() {
    const std::string frame = wire::BuildFrame(wire::kStatusRequest, wire::kStatusReady);
    if (RequestWithRetry([&] { SendBytes(frame); }) != LinkResult::Received) return Status::SilentFail;
    const Reception code = ReceiveText(wire::kCodeWordLength, kAnswerTimeout);
    if (!ReportWaitFailure(code.result, true)) return Status::Failed;
    if (code.text != wire::kStatusAnswer) {
        Reject(wire::kUnknownAnswer);
        return Status::Failed;
    }
    const Reception rest = ReceiveLineRest(kAnswerTimeout);
    if (!ReportWaitFailure(rest.result, true)) return Status::Failed;
    if (!wire::VerifyReplyChecksum(code.text + rest.text)) {
        Reject(wire::kChecksumFailed);
        return Status::Failed;
    }
    SendLine(wire::kOk);
    const auto fields = wire::SplitTabs(rest.text);
    const std::string_view status = fields.size() == wire::kStatusAnswerPieces ? fields[1] : std::string_view{};
    if (status == wire::kStatusReady) return Status::Ready;
    return status == wire::kStatusBusy ? Status::Busy : Status::Failed;
}

bool CloneLink::ReportWaitFailure(LinkResult result, bool reportCancel) {
    if (result == LinkResult::Received) return true;
    if (result == LinkResult::Cancelled && reportCancel) ShowError(text::kCancelled);
    if (result == LinkResult::TimedOut) ShowError(text::kTimeOut);
    return false;
}

bool CloneLink::CheckStatus() {
    for (;;) {
        Note("status check..");
        Status status = StatusExchange();
        if (status == Status::SilentFail) {
            NoteFailure();
            return false;
        }
        if (status == Status::Busy) {
            // The only Retry/Cancel box: Cancel is its default button.
            const Message busy = Advised(Advice::RadioBusy, title_, MessageIcon::Exclamation, Buttons::RetryCancel,
                                         {PortShown(state_.PortName)});
            if (c_.prompt.Show(busy) == Answer::Retry) continue;
            Note("status check.. NG!!");
            return false;  // the radio answered: the user chose to stop
        }
        Note(status == Status::Ready ? "status check.. OK" : "status check.. NG!!");
        if (status == Status::Failed) NoteFailure();
        return status == Status::Ready;
    }
}

void CloneLink::ReadBlock(std::span<uint8_t> buffer, int address, int length) {
    if (address < 0 || length <= 0 || static_cast<size_t>(address) + static_cast<size_t>(length) > buffer.size()) {
        state_.ErrorFlag = true;  // never asks for bytes the buffer cannot hold
        return;
    }
    FlushInput();
    const std::string frame = wire::BuildFrame(wire::kReadRequest, wire::Hex4(address), wire::Hex2(length));
    const LinkResult r = RequestWithRetry([&] {
        state_.ErrorFlag = true;
        state_.CancelFlag = false;
        SendBytes(frame);
    });
    if (r != LinkResult::Received)
        state_.ErrorFlag = true;
    else
        ReceiveReadAnswer(buffer, address, length);
    if (state_.ErrorFlag) NoteFailure();
}

void CloneLink::ReceiveReadAnswer(std::span<uint8_t> buffer, int address, int length) {
    state_.ErrorFlag = true;
    const Reception code = ReceiveText(wire::kCodeWordLength, kAnswerTimeout);
    if (!ReportWaitFailure(code.result, true)) return;
    if (code.text != wire::kReadAnswer) return Reject(wire::kReadAnswerWrong);
    const Reception rest = ReceiveLineRest(kAnswerTimeout);
    if (!ReportWaitFailure(rest.result, false)) return;
    if (!wire::VerifyReplyChecksum(code.text + rest.text)) return Reject(wire::kChecksumFailed);
    const auto fields = wire::SplitTabs(rest.text);
    const auto answeredAddress = fields.size() > 1 ? wire::ParseHex(fields[1]) : std::nullopt;
    if (answeredAddress != static_cast<unsigned long>(address)) return ShowError(text::kAddressError);
    // Exactly address, length and data before the checksum: an answer
    // without its data field would otherwise give its checksum as the data.
    const bool whole = fields.size() == wire::kReadAnswerPieces;
    const auto answeredLength = whole ? wire::ParseHex(fields[2]) : std::nullopt;
    const auto data = whole ? wire::ParseHexBytes(fields[3]) : std::nullopt;
    if (answeredLength != static_cast<unsigned long>(length) || !data || data->size() != static_cast<size_t>(length))
        return ShowError(text::kDataError);
    std::copy(data->begin(), data->end(), buffer.begin() + address);
    state_.ErrorFlag = false;
    SendLine(wire::kOk);
}

bool CloneLink::WriteBlock(const RadioImage& image, int address, int length) {
    if (address < 0 || length <= 0 || address + length > image.size()) {
        state_.ErrorFlag = true;
        return false;
    }
    const std::span<const uint8_t> data(image.bytes.data() + address, static_cast<size_t>(length));
    const std::string frame =
        wire::BuildFrame(wire::kWriteRequest, wire::Hex4(address), wire::Hex2(length), wire::HexBytes(data));
    int attempts = 0;
    const LinkResult r = RequestWithRetry([&] {
        ++attempts;
        state_.ErrorFlag = true;
        state_.CancelFlag = false;
        FlushInput();
        SendBytes(frame);
    });
    if (r != LinkResult::Received) {
        state_.ErrorFlag = true;
        NoteFailure();
    }
    // Whatever left the port may have reached the radio, even when no echo
    // or answer came back; an attempt before a refusal too.
    return r != LinkResult::RadioError || attempts > 1;
}

void CloneLink::AbortTransfer() {
    // The cancel that led here must not cut the wait for the radio's ACK short.
    state_.CancelFlag = false;
    Waiting(kCancelWaitText);
    SendControl(wire::kCan);
    WaitForByte(wire::kAck, kAnswerTimeout);
    state_.CancelFlag = true;
}

// ---- Notes and messages -----------------------------------------------------

void CloneLink::Note(const std::string& text) {
    if (!state_.DebugMode) return;
    c_.events.Note(text);
    if (c_.pauseOnNotes) Pause(kNotePause);
}

std::string CloneLink::TroubleDetail() const {
    if (!openError_.empty()) return openError_;
    if (cableSilent_) return NoEchoText(state_.PortName, static_cast<int>(kCableEchoTimeout.count()));
    return exchangeFailed_ ? PortCheckAdvice(state_.PortName) : "";
}

void CloneLink::ShowError(const std::string& text, const std::string& caption, std::string detail) {
    Waiting("");  // the wait is over
    if (detail.empty() && text != text::kCancelled && !troubleTold_) {
        detail = TroubleDetail();
        troubleTold_ = !detail.empty();
    }
    c_.prompt.Show({text, caption, MessageIcon::Critical, Buttons::Ok, std::move(detail)});
}

}  // namespace kv
