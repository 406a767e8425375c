// The line protocol to a radio in PC-control mode: open and close the port,
// wake and synchronise the radio, ask whether it is ready, and move its
// memory in small blocks. Every wait pumps the caller's events, honours
// CancelFlag and ends at its deadline; every message goes through the
// prompt with the dialog's current title.
#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "files/error_log.h"
#include "image/radio_image.h"
#include "link/serial_line.h"
#include "link/transfer_state.h"
#include "util/prompt.h"

namespace kv {

// Every timeout and pause of the clone protocol, each named once: a timing
// changes here and nowhere else.
namespace timing {
using std::chrono::milliseconds;
using std::chrono::seconds;
inline constexpr seconds kEchoTimeout{100};       // the echo of every byte sent
inline constexpr seconds kCableEchoTimeout{3};    // the first echo of a connection: the cable returns each byte at once
inline constexpr seconds kSyncTimeout{3};         // the first "#CMDOK": the radio is in PC-control mode already
inline constexpr seconds kWakeTimeout{1};         // the radio's echo of each wake byte
inline constexpr seconds kModeAnswerTimeout{1};   // the answer to "ACMD:002"
inline constexpr seconds kAnswerTimeout{10};      // a reply's code word and its rest; the ACK of an abort
inline constexpr seconds kLineEndTimeout{1};      // CR, then LF, after "#CMDOK"
inline constexpr milliseconds kPollSlice{50};     // the longest a wait blocks before the pump runs again
inline constexpr milliseconds kSendPause{10};     // before every send
inline constexpr milliseconds kNotePause{500};    // after each debug note, where notes pause
inline constexpr milliseconds kReopenPause{1000}; // after reopening the port in PC-control mode
inline constexpr milliseconds kAfterPreamblePause{10};   // after the program's reads of the radio's own bytes
inline constexpr milliseconds kAfterTransferPause{500};  // after a whole read or program
}  // namespace timing

// What the link works through. The events' pump runs inside every wait: the
// GUI processes its events there, kvtool notices Ctrl-C.
struct LinkContext {
    SerialLine& line;
    Clock& clock;
    Prompt& prompt;
    TransferEvents& events;
    ErrorLog* log = nullptr;
    bool pauseOnNotes = true;  // the dialog shows each debug note for 500 ms; kvtool does not
};

struct Reception {
    LinkResult result = LinkResult::Mismatch;
    std::string text;
};

class CloneLink {
public:
    CloneLink(LinkContext context, TransferState& state) : c_(std::move(context)), state_(state) {}
    ~CloneLink() { ClosePort(); }
    CloneLink(const CloneLink&) = delete;
    CloneLink& operator=(const CloneLink&) = delete;

    void SetTitle(std::string title) { title_ = std::move(title); }
    const std::string& title() const { return title_; }
    TransferState& state() { return state_; }
    LinkContext& context() { return c_; }
    // Why the port last failed to open ("Permission denied: ..."); empty once it opened.
    const std::string& openError() const { return openError_; }
    // An exchange failed since the last Connect for another reason than a
    // cancel: the port and the radio are worth checking.
    bool exchangeFailed() const { return exchangeFailed_; }
    // The last Connect heard not even the cable's echo of its first bytes:
    // nothing is on the port.
    bool cableSilent() const { return cableSilent_; }
    // What to check after a failed connection or exchange: why the port did
    // not open, that nothing answers on it, or the port advice; empty when
    // nothing failed. The first failure box after the trouble carries it.
    std::string TroubleDetail() const;
    bool troubleTold() const { return troubleTold_; }

    // Port handling.
    bool PortInit() { return OpenPort("frmRadio102.PortInit", true); }
    bool PortInitCP() { return OpenPort("frmRadio102.PortInitCP", true); }
    bool PortOpen() { return OpenPort("frmRadio102.PortOpen", false); }
    void ClosePort();
    void FlushInput();

    // Sending: a 10 ms pause, the bytes, then the echo check.
    void SendBytes(std::string_view bytes);
    void SendLine(std::string_view text);  // text + CR LF
    void SendControl(uint8_t byte);        // flush, then the byte
    void CheckEcho(std::string_view sent);

    // Receiving.
    using Duration = Clock::Duration;
    Reception ReceiveText(size_t count, Duration timeout);
    // The text up to CR; whatever follows the CR up to LF is dropped.
    Reception ReceiveLineRest(Duration timeout) { return ReceiveUpToCr(timeout, AfterCr::SkipToLf); }
    // The text up to CR; the byte after the CR must be LF.
    Reception ReceiveLine(Duration timeout) { return ReceiveUpToCr(timeout, AfterCr::LfOnly); }
    LinkResult WaitForByte(uint8_t value, Duration timeout);
    LinkResult ExpectOk();

    // Exchanges.
    bool Connect();
    bool Resync();
    bool CheckStatus();
    // Reads [address, address + length) into buffer; ErrorFlag tells the outcome.
    void ReadBlock(std::span<uint8_t> buffer, int address, int length);
    // Writes image bytes [address, address + length); ErrorFlag tells the outcome.
    // True when the radio may hold them: acknowledged, or sent and the answer
    // lost; false when the radio refused them.
    bool WriteBlock(const RadioImage& image, int address, int length);
    void AbortTransfer();

    // A debug note, shown only in debug mode.
    void Note(const std::string& text);
    // What the transfer waits for, shown in every mode; empty once blocks move.
    void Waiting(const std::string& text) { c_.events.Waiting(text); }
    void Pause(std::chrono::milliseconds duration) { c_.clock.Sleep(duration); }
    // A failure box; without a detail of its own, it carries the trouble's.
    void ShowError(const std::string& text, const std::string& caption, std::string detail = "");
    void ShowError(const std::string& text) { ShowError(text, title_); }

private:
    using Deadline = Clock::Duration;
    bool OpenPort(const char* procedure, bool reopen);
    Deadline DeadlineIn(Duration timeout) { return c_.clock.Now() + timeout; }
    enum class AfterCr { SkipToLf, LfOnly };
    Reception ReceiveUpToCr(Duration timeout, AfterCr afterCr);
    // One turn of a wait: pump, then one byte if one waits (blocking on the
    // line up to a short slice when none does).
    std::optional<uint8_t> Poll(Deadline deadline);
    bool Reached(Deadline deadline);
    bool LineGone();
    // A line that took no bytes or gave back no echo at all: the exchanges
    // on it fail at once instead of waiting out every deadline.
    bool lineDown_ = false;
    // The first echo of a connection tests the cable, under a short deadline.
    bool testingCable_ = false;
    bool cableSilent_ = false;
    bool ConnectFailed();
    bool ConnectCancelled();
    // Marks a failed exchange, unless a cancel failed it.
    void NoteFailure();
    bool WakeUp();
    bool SendModeCommand();
    bool ShowPortError();
    // Shows "cancel!!" or "time out!!" for a failed wait; true when it was received.
    bool ReportWaitFailure(LinkResult result, bool reportCancel);
    // Answers a bad line with a rejection; the exchange stays failed.
    void Reject(std::string_view answer);
    LinkResult WaitBoth(Duration timeout);  // CR then LF, each within the time
    // Sends a request until "#CMDOK" or the attempts run out; the
    // synchronisation question may buy one more attempt.
    LinkResult RequestWithRetry(const std::function<void()>& send);
    bool AskResync();
    void ReceiveReadAnswer(std::span<uint8_t> buffer, int address, int length);
    enum class Status { Ready, Busy, Failed, SilentFail };
    Status StatusExchange();

    LinkContext c_;
    TransferState& state_;
    std::string title_;
    std::string openError_;
    bool exchangeFailed_ = false;
    bool troubleTold_ = false;
};

}  // namespace kv
