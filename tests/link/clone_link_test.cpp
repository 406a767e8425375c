// The protocol against a scripted far end: waits, deadlines, retries and
// the messages of each exchange.
#include <gtest/gtest.h>

#include <deque>
#include <optional>

#include "files/error_log.h"
#include "link/wire.h"
#include "link_rig.h"
#include "support/temp_dir.h"
#include "util/texts.h"

namespace kv {
namespace {

using namespace std::chrono_literals;

using test::Texts;

// A line whose far end follows a script: after each write it echoes what
// was written (or echoOverride) and then sends the next scripted reply.
class ScriptLine : public SerialLine {
public:
    explicit ScriptLine(VirtualClock& clock) : clock_(clock) {}

    bool Open(LineError&) override { return open_ = true, ++opens, true; }
    void Close() override { open_ = false; }
    bool IsOpen() const override { return open_; }
    bool Write(const uint8_t* data, size_t size) override {
        const std::string bytes(reinterpret_cast<const char*>(data), size);
        sent += bytes;
        if (input.empty()) arrives = clock_.Now() + echoDelay;
        input += echoOverride.empty() ? bytes : echoOverride;
        if (!replies.empty()) {
            input += replies.front();
            replies.pop_front();
        }
        return true;
    }
    size_t BytesWaiting() override { return clock_.Now() >= arrives ? input.size() : 0; }
    size_t Read(uint8_t* data, size_t size) override {
        size_t n = 0;
        for (; n < size && BytesWaiting() > 0; ++n) {
            data[n] = static_cast<uint8_t>(input.front());
            input.erase(0, 1);
        }
        return n;
    }
    void WaitForInput(std::chrono::microseconds timeout) override {
        if (BytesWaiting() == 0) clock_.Advance(input.empty() ? timeout : std::min(timeout, arrives - clock_.Now()));
    }
    bool Broken() const override { return !open_; }
    void SetDtr(bool) override {}
    void SetRts(bool) override {}

    std::deque<std::string> replies;
    std::string input, sent, echoOverride;
    Clock::Duration echoDelay{0}, arrives{0};  // what follows a write waits that long
    int opens = 0;

private:
    VirtualClock& clock_;
    bool open_ = false;
};

const std::string kOkLine = "#CMDOK\r\n";

std::string StatusAnswer(const char* status) { return kOkLine + wire::BuildFrame("#CEPSD", status); }

struct Protocol : ::testing::Test {
    VirtualClock clock;
    std::optional<ScriptLine> line;
    ScriptedPrompt prompt;
    test::RecordingEvents events;
    TransferState state;
    std::unique_ptr<CloneLink> link;

    void SetUp() override { Script({}); }
    // A fresh line with the far end's replies, state and link, and the
    // answers to any question; the line open as Connect leaves it, unless told otherwise.
    void Script(std::deque<std::string> replies, std::deque<Answer> answers = {}, bool open = true) {
        link.reset();
        line.emplace(clock);
        line->replies = std::move(replies);
        state = {};
        prompt = ScriptedPrompt(std::move(answers));
        link = std::make_unique<CloneLink>(LinkContext{*line, clock, prompt, events}, state);
        link->SetTitle("Read from Radio");
        LineError e;
        if (open) line->Open(e);
    }
    Texts Shown() const { return test::TextsOf(prompt); }
    double Seconds() { return std::chrono::duration<double>(clock.Now()).count(); }
};

TEST_F(Protocol, ARefusalIsSeenAtItsFifthCharacter) {
    line->input = "ERROR";  // no sixth character ever comes
    EXPECT_EQ(link->ReceiveText(6, 10s).result, LinkResult::RadioError);
    EXPECT_LT(Seconds(), 1.0);
    line->input = "error";
    EXPECT_EQ(link->ReceiveText(6, 10s).result, LinkResult::RadioError);
}

TEST_F(Protocol, WaitsEndAtTheirDeadlines) {
    EXPECT_EQ(link->ExpectOk(), LinkResult::TimedOut);
    EXPECT_GE(Seconds(), 10.0);
    EXPECT_LT(Seconds(), 10.1);
    const double before = Seconds();
    line->input = "#CMDOK";  // CR never follows
    EXPECT_EQ(link->ExpectOk(), LinkResult::Mismatch);
    EXPECT_NEAR(Seconds() - before, 1.0, 0.06);
}

TEST_F(Protocol, ReceiveLineRestDropsWhatFollowsCrUpToLf) {
    line->input = "\t00\tAB\rjunk\nNEXT";
    const Reception r = link->ReceiveLineRest(10s);
    EXPECT_EQ(r.result, LinkResult::Received);
    EXPECT_EQ(r.text, "\t00\tAB");
    EXPECT_EQ(line->input, "NEXT");
}

TEST_F(Protocol, CancelEndsAWaitAtOnce) {
    state.CancelFlag = true;
    EXPECT_EQ(link->ReceiveText(6, 10s).result, LinkResult::Cancelled);
    EXPECT_EQ(link->WaitForByte('P', 1s), LinkResult::Cancelled);
    EXPECT_LT(Seconds(), 0.1);
}

TEST_F(Protocol, AWrongEchoLeavesTheErrorAndTheRestOfTheEcho) {
    Script({kOkLine});
    line->echoOverride = "#CMDSX\r\n";
    link->SendLine("#CMDSY");
    EXPECT_TRUE(state.ErrorFlag);
    EXPECT_EQ(link->ExpectOk(), LinkResult::Mismatch);  // reads "X\r\n#CM..."
}

TEST_F(Protocol, ConnectWakesTheRadioOnlyWhenItMustAndHearsTheModeCommandsAnswer) {
    // Replies to #CMDSY, P, 0, ACMD:002 and the two #CMDSY of the resync.
    const auto woken = [](std::string mode) { return std::deque<std::string>{"", "P", "", mode, kOkLine, kOkLine}; };
    const std::string wakeAndResync = "#CMDSY\r\nP0ACMD:002\r\n#CMDSY\r\n#CMDSY\r\n";
    struct Case {
        const char* what;
        std::deque<std::string> replies;
        bool connected;
        std::string sent;
        int opens;  // the port is opened again before the resync
        Texts texts;
    };
    const Case cases[] = {
        {"already synchronised", {kOkLine}, true, "#CMDSY\r\n", 1, {}},
        {"OK", woken("OK\r\n"), true, wakeAndResync, 2, {}},
        {"#CMDUN", woken("#CMDUN\r\n"), true, wakeAndResync, 2, {}},
        {"no answer within 1 s", woken(""), true, wakeAndResync, 2, {}},
        {"no LF after CR", woken("OK\rX"), true, wakeAndResync, 2, {text::kLinkError}},  // shown, then on
        {"ERROR", woken("ERROR\r\n"), false, "#CMDSY\r\nP0ACMD:002\r\n", 1, {text::kAcmdError}},
        {"another answer", woken("WHAT\r\n"), false, "#CMDSY\r\nP0ACMD:002\r\n", 1, {text::kLinkError}},
        {"three wake-ups unanswered", {}, false, "#CMDSY\r\nPPP", 1, {text::kCommunicationError}},
    };
    for (const Case& c : cases) {
        Script(c.replies, {}, false);
        const double start = Seconds();
        EXPECT_EQ(link->Connect(), c.connected) << c.what;
        EXPECT_EQ(line->sent, c.sent) << c.what;
        EXPECT_EQ(line->opens, c.opens) << c.what;
        EXPECT_EQ(Shown(), c.texts) << c.what;
        EXPECT_GE(Seconds() - start, c.opens == 2 ? 3.0 + 1.0 : 0.0) << c.what << ": the pause after reopening";
    }
}

// The cable echoes every byte at once: a first echo that comes late or never
// ends the connection within seconds; a cancel while waiting is a cancel.
TEST_F(Protocol, TheFirstEchoTestsTheCable) {
    const std::string cable = CableWaitText("/dev/ttyS0"), radio = RadioWaitText("/dev/ttyS0");
    const Texts waitCable{cable, ""}, waitBoth{cable, radio, ""};  // the wait ends with the message
    struct Case {
        const char* what;
        Clock::Duration echoDelay;
        double cancelAt;  // seconds after the start; never when negative
        bool connected, silent;
        Texts texts, waits;
        std::deque<std::string> replies = {};
    };
    const Case cases[] = {
        {"never", 1h, -1, false, true, {text::kCommunicationError}, waitCable},
        {"after the deadline", timing::kCableEchoTimeout + 100ms, -1, false, true, {text::kCommunicationError}, waitCable},
        {"in time", timing::kCableEchoTimeout - 100ms, -1, true, false, {}, {cable, radio}, {kOkLine}},
        {"cancelled while waiting", 1h, 1, false, false, {text::kCancelled}, waitCable},
        {"cancelled while the radio is silent", 0s, 1, false, false, {text::kCancelled}, waitBoth},
        {"cancelled in the resync", 0s, 5, false, false, {text::kCancelled}, waitBoth, {"", "P", "", "OK\r\n"}},
    };
    for (const Case& c : cases) {
        Script(c.replies, {}, false);
        state.PortName = "/dev/ttyS0";
        line->echoDelay = c.echoDelay;
        events.waits.clear();
        const double start = Seconds();
        events.pump = [&] { state.CancelFlag = state.CancelFlag || (c.cancelAt >= 0 && Seconds() - start >= c.cancelAt); };
        EXPECT_EQ(link->Connect(), c.connected) << c.what;
        EXPECT_EQ(link->cableSilent(), c.silent) << c.what;
        EXPECT_EQ(Shown(), c.texts) << c.what;
        EXPECT_EQ(events.waits, c.waits) << c.what;
        EXPECT_LT(Seconds() - start, 6.0) << c.what;
    }
}

class RefusingLine : public ScriptLine {
public:
    using ScriptLine::ScriptLine;
    bool Open(LineError& e) override { return e = {13, "Permission denied"}, false; }
};

TEST_F(Protocol, APortThatDoesNotOpenIsReportedAndLogged) {
    test::TempDir dir;
    FileErrorLog log(dir / "err.log", true, [] { return FileErrorLog::Stamp{"2025/01/31", "13:45:07"}; });
    RefusingLine refusing(clock);
    CloneLink l(LinkContext{refusing, clock, prompt, events, &log}, state);
    EXPECT_FALSE(l.Connect());
    EXPECT_EQ(Shown(), Texts{text::kPortInitError});
    EXPECT_EQ(l.openError(), "Permission denied");
    EXPECT_EQ(test::ReadText(dir / "err.log"), "2025/01/31,13:45:07:frmRadio102.PortInit -> 13Permission denied\r\n");
}

TEST_F(Protocol, BusyRadioRetriesOnRetry) {
    Script({StatusAnswer("01"), "", StatusAnswer("00")}, {Answer::Retry});  // #CMDOK after the answer needs no reply
    EXPECT_TRUE(link->CheckStatus());
    EXPECT_EQ(Shown(), Texts{text::kRadioBusy});
    EXPECT_EQ(prompt.shown()[0].buttons, Buttons::RetryCancel);
    const std::string request = wire::BuildFrame("#CEPSR", "00");
    EXPECT_EQ(line->sent, request + "#CMDOK\r\n" + request + "#CMDOK\r\n");
}

TEST_F(Protocol, StatusAnswersThatFail) {
    struct Case {
        std::string answer, verdict;  // the verdict: what the tool sends back
        Texts texts;
    };
    const Case cases[] = {
        {kOkLine + "#CEPXX\t00\t00\r\n", "#CMDUN\r\n", {}},
        {kOkLine + "#CEPSD\t00\t00\r\n", "#CMDSM\r\n", {}},
        {kOkLine + wire::BuildFrame("#CEPSD", "07"), "#CMDOK\r\n", {}},
        {kOkLine, "", {text::kTimeOut}},
        {kOkLine + "#CEPSD\t00", "", {text::kTimeOut}},
        {"", "", {}},                         // no #CMDOK: silent failure
        {"ERROR", "", {text::kConfirmSync}},  // Cancel to the question
        {StatusAnswer("01"), "#CMDOK\r\n", {text::kRadioBusy}},  // Cancel to busy
    };
    for (const Case& c : cases) {
        Script({c.answer});
        EXPECT_FALSE(link->CheckStatus()) << c.answer;
        EXPECT_EQ(line->sent, wire::BuildFrame("#CEPSR", "00") + c.verdict) << c.answer;
        EXPECT_EQ(Shown(), c.texts) << c.answer;
    }
}

TEST_F(Protocol, ReadBlockAnswersThatFail) {
    const std::string request = wire::BuildFrame("#CEPRD", "0040", "10");
    const std::string data(32, 'A');
    const auto frame = [](std::string a, std::string l, std::string d) { return wire::BuildFrame("#CEPDT", a, l, d); };
    struct Case {
        std::string answer, verdict;
        Texts texts;
    };
    const Case cases[] = {
        {kOkLine + frame("0050", "10", data), "", {text::kAddressError}},
        {kOkLine + frame("0040", "08", data), "", {text::kDataError}},
        {kOkLine + frame("0040", "10", data.substr(2)), "", {text::kDataError}},
        {kOkLine + frame("0040", "10", std::string(31, 'A') + "G"), "", {text::kDataError}},
        {kOkLine + "#CEPDT\t0040\t10\t" + data + "\t00\r\n", "#CMDSM\r\n", {}},
        {kOkLine + "#CEPSD\t00\t00\r\n", "#CMDER\r\n", {}},
        {kOkLine + "#CEPDT\t0040", "", {text::kTimeOut}},  // a line that stops halfway
        {kOkLine + std::string(10240, 'A'), "#CMDER\r\n", {}},  // a 10 KB line without CR
        {kOkLine + std::string(64, '\0'), "#CMDER\r\n", {}},
        {"", "", {}},  // silent: the block fails, the transfer tells the user
        {"#CMDOX\r\n", "", {}},
    };
    for (const Case& c : cases) {
        Script({c.answer});
        std::vector<uint8_t> buffer(kImageSize, 0x11);
        const double start = Seconds();
        link->ReadBlock(buffer, 0x40, 16);
        const std::string what = c.answer.substr(0, 40);
        EXPECT_TRUE(state.ErrorFlag) << what;
        EXPECT_EQ(line->sent, request + c.verdict) << what;
        EXPECT_EQ(Shown(), c.texts) << what;
        EXPECT_EQ(buffer, std::vector<uint8_t>(kImageSize, 0x11)) << what;
        EXPECT_LE(Seconds() - start, 20.1) << what << ": no wait beyond its deadline";
    }
}

TEST_F(Protocol, AnAnswerMustHaveExactlyItsFields) {
    // Without the data field the checksum would pass for the one byte asked for.
    const std::pair<std::string, const char*> reads[] = {
        {wire::BuildFrame("#CEPDT", "005A", "01"), "no data"},
        {wire::BuildFrame("#CEPDT", "005A", "01", "5A\t77"), "a field too many"},
    };
    for (const auto& [answer, what] : reads) {
        Script({kOkLine + answer});
        std::vector<uint8_t> buffer(kImageSize, 0x11);
        link->ReadBlock(buffer, 0x5A, 1);
        EXPECT_TRUE(state.ErrorFlag) << what;
        EXPECT_EQ(Shown(), Texts{text::kDataError}) << what;
        EXPECT_EQ(buffer[0x5A], 0x11) << what;
    }
    Script({kOkLine + wire::BuildFrame("#CEPSD", "00", "00")});
    EXPECT_FALSE(link->CheckStatus()) << "a status answer with a field too many";
}

TEST_F(Protocol, ABlockOutsideTheBufferIsNeverAskedFor) {
    std::vector<uint8_t> buffer(kSmallImageSize, 0);
    link->ReadBlock(buffer, 0x3FF2, 1);
    EXPECT_TRUE(state.ErrorFlag);
    EXPECT_TRUE(line->sent.empty());
}

TEST_F(Protocol, RefusalLeadsToTheSynchronisationQuestion) {
    // OK to the question: two #CMDSY passes, then the one more attempt succeeds.
    const std::string answer = kOkLine + wire::BuildFrame("#CEPDT", "0040", "10", std::string(32, '0'));
    Script({"ERROR", kOkLine, kOkLine, answer}, {Answer::Ok});
    std::vector<uint8_t> buffer(kImageSize, 0x11);
    link->ReadBlock(buffer, 0x40, 16);
    EXPECT_FALSE(state.ErrorFlag);
    EXPECT_EQ(Shown(), Texts{text::kConfirmSync});
    EXPECT_EQ(prompt.shown()[0].buttons, Buttons::OkCancel);
    EXPECT_EQ(buffer[0x40], 0);
    EXPECT_TRUE(line->sent.ends_with("#CMDOK\r\n")) << "the answer is acknowledged";
}

TEST_F(Protocol, AFailedResyncIsNoSuccess) {
    // The first pass succeeds (and clears the error), the second times out.
    Script({"ERROR", kOkLine, ""}, {Answer::Ok});
    link->WriteBlock(RadioImage{}, 0x40, 16);
    EXPECT_TRUE(state.ErrorFlag);
}

TEST_F(Protocol, AbortSendsCanAndWaitsForAck) {
    state.CancelFlag = true;
    line->input = "stale answer";
    link->AbortTransfer();
    EXPECT_EQ(line->sent, "\x18");
    EXPECT_GE(Seconds(), 10.0);  // no ACK came: the full wait
    EXPECT_TRUE(state.CancelFlag);
}

}  // namespace
}  // namespace kv
