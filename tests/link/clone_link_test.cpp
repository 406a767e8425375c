// The protocol against a scripted far end: waits, deadlines, retries and
// the messages of each exchange.
#include <gtest/gtest.h>

#include "files/error_log.h"
#include "link/clone_link.h"
#include "link/wire.h"
#include "script_line.h"
#include "support/temp_dir.h"
#include "util/texts.h"

namespace kv {
namespace {

using namespace std::chrono_literals;
using test::ScriptLine;

const std::string kOkLine = "#CMDOK\r\n";

std::string StatusAnswer(const char* status) { return kOkLine + wire::BuildFrame("#CEPSD", status); }

struct Protocol : ::testing::Test {
    VirtualClock clock;
    ScriptLine line{clock};
    ScriptedPrompt prompt;
    NullSink sink;
    TransferState state;
    std::unique_ptr<CloneLink> link;

    void SetUp() override { Make({}); }
    void Make(std::deque<Answer> answers, ErrorLog* log = nullptr) {
        prompt = ScriptedPrompt(std::move(answers));
        link = std::make_unique<CloneLink>(LinkContext{line, clock, prompt, sink, [] {}, log}, state);
        link->SetTitle("Read from Radio");
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const Message& m : prompt.shown()) texts.push_back(m.text);
        return texts;
    }
    double Seconds() { return std::chrono::duration<double>(clock.Now()).count(); }
    void Open() {
        LineError e;
        line.Open(e);
    }
};

TEST_F(Protocol, ARefusalIsSeenAtItsFifthCharacter) {
    Open();
    line.input = "ERROR";  // no sixth character ever comes
    const Reception r = link->ReceiveText(6, 10);
    EXPECT_EQ(r.result, LinkResult::RadioError);
    EXPECT_LT(Seconds(), 1.0);
    line.input = "error";
    EXPECT_EQ(link->ReceiveText(6, 10).result, LinkResult::RadioError);
}

TEST_F(Protocol, WaitsEndAtTheirDeadlines) {
    Open();
    EXPECT_EQ(link->ExpectOk(), LinkResult::TimedOut);
    EXPECT_GE(Seconds(), 10.0);
    EXPECT_LT(Seconds(), 10.1);
    const double before = Seconds();
    line.input = "#CMDOK";  // CR never follows
    EXPECT_EQ(link->ExpectOk(), LinkResult::Mismatch);
    EXPECT_NEAR(Seconds() - before, 1.0, 0.06);
}

TEST_F(Protocol, ReceiveLineWantsLfRightAfterCr) {
    Open();
    line.input = "OK\rX";
    EXPECT_EQ(link->ReceiveLine(1).result, LinkResult::Mismatch);
    line.input = "OK\r\n";
    const Reception r = link->ReceiveLine(1);
    EXPECT_EQ(r.result, LinkResult::Received);
    EXPECT_EQ(r.text, "OK");
}

TEST_F(Protocol, ReceiveLineRestDropsWhatFollowsCrUpToLf) {
    Open();
    line.input = "\t00\tAB\rjunk\nNEXT";
    const Reception r = link->ReceiveLineRest(10);
    EXPECT_EQ(r.result, LinkResult::Received);
    EXPECT_EQ(r.text, "\t00\tAB");
    EXPECT_EQ(line.input, "NEXT");
}

TEST_F(Protocol, CancelEndsAWaitAtOnce) {
    Open();
    state.CancelFlag = true;
    EXPECT_EQ(link->ReceiveText(6, 10).result, LinkResult::Cancelled);
    EXPECT_EQ(link->WaitForByte('P', 1), LinkResult::Cancelled);
    EXPECT_LT(Seconds(), 0.1);
}

TEST_F(Protocol, AWrongEchoLeavesTheErrorAndTheRestOfTheEcho) {
    Open();
    line.echoOverride = "#CMDSX\r\n";
    line.replies = {kOkLine};
    link->SendLine("#CMDSY");
    EXPECT_TRUE(state.ErrorFlag);
    EXPECT_EQ(link->ExpectOk(), LinkResult::Mismatch);  // reads "X\r\n#CM..."
}

TEST_F(Protocol, ConnectsAtOnceToARadioAlreadySynchronised) {
    line.replies = {kOkLine};
    EXPECT_TRUE(link->Connect());
    EXPECT_EQ(line.sent, "#CMDSY\r\n");
    EXPECT_TRUE(prompt.shown().empty());
}

TEST_F(Protocol, ConnectWakesASleepingRadio) {
    // #CMDSY unanswered, P answered, 0, ACMD:002 answered OK, two resyncs.
    line.replies = {"", "P", "", "OK\r\n", kOkLine, kOkLine};
    EXPECT_TRUE(link->Connect());
    EXPECT_EQ(line.sent, "#CMDSY\r\nP0ACMD:002\r\n#CMDSY\r\n#CMDSY\r\n");
    EXPECT_EQ(line.opens, 2);  // the port is opened again before the resync
    EXPECT_GE(Seconds(), 3.0 + 1.0);
}

TEST_F(Protocol, ConnectAnswersToTheModeCommand) {
    struct Case {
        const char* answer;
        bool connected;
        std::vector<std::string> texts;
    };
    const Case cases[] = {
        {"OK\r\n", true, {}},
        {"#CMDUN\r\n", true, {}},
        {"", true, {}},  // no answer within 1 s
        {"ERROR\r\n", false, {text::kAcmdError}},
        {"WHAT\r\n", false, {text::kLinkError}},
        {"OK\rX", true, {text::kLinkError}},  // shown, then the connection goes on
    };
    for (const Case& c : cases) {
        line.Reset();
        Make({});
        line.replies = {"", "P", "", c.answer, kOkLine, kOkLine};
        EXPECT_EQ(link->Connect(), c.connected) << c.answer;
        EXPECT_EQ(Texts(), c.texts) << c.answer;
    }
}

TEST_F(Protocol, ConnectGivesUpAfterThreeWakeUps) {
    EXPECT_FALSE(link->Connect());
    EXPECT_EQ(line.sent, "#CMDSY\r\nPPP");
    EXPECT_EQ(Texts(), std::vector<std::string>{text::kCommunicationError});
    EXPECT_FALSE(line.IsOpen());
}

class RefusingLine : public ScriptLine {
public:
    using ScriptLine::ScriptLine;
    bool Open(LineError& e) override {
        e = {13, "Permission denied"};
        return false;
    }
};

TEST_F(Protocol, APortThatDoesNotOpenIsReportedAndLogged) {
    test::TempDir dir;
    FileErrorLog log(dir / "err.log", true, [] { return FileErrorLog::Stamp{"2025/01/31", "13:45:07"}; });
    RefusingLine refusing(clock);
    CloneLink l(LinkContext{refusing, clock, prompt, sink, [] {}, &log}, state);
    EXPECT_FALSE(l.Connect());
    ASSERT_EQ(prompt.shown().size(), 1u);
    EXPECT_EQ(prompt.shown()[0].text, text::kPortInitError);
    EXPECT_EQ(l.openError(), "Permission denied");
    const auto bytes = test::ReadAll(dir / "err.log");
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()),
              "2025/01/31,13:45:07:frmRadio102.PortInit -> 13Permission denied\r\n");
}

TEST_F(Protocol, BusyRadioRetriesOnRetry) {
    Make({Answer::Retry});
    Open();
    line.replies = {StatusAnswer("01"), "", StatusAnswer("00")};  // #CMDOK after the answer needs no reply
    EXPECT_TRUE(link->CheckStatus());
    EXPECT_EQ(Texts(), std::vector<std::string>{text::kRadioBusy});
    EXPECT_EQ(prompt.shown()[0].buttons, Buttons::RetryCancel);
    const std::string request = wire::BuildFrame("#CEPSR", "00");
    EXPECT_EQ(line.sent, request + "#CMDOK\r\n" + request + "#CMDOK\r\n");
}

TEST_F(Protocol, StatusAnswersThatFail) {
    struct Case {
        std::string answer;
        std::string verdict;  // what the tool sends back
        std::vector<std::string> texts;
    };
    const std::string badSum = "#CEPSD\t00\t00\r\n";
    const Case cases[] = {
        {kOkLine + "#CEPXX\t00\t00\r\n", "#CMDUN\r\n", {}},
        {kOkLine + badSum, "#CMDSM\r\n", {}},
        {kOkLine + wire::BuildFrame("#CEPSD", "07"), "#CMDOK\r\n", {}},
        {kOkLine, "", {text::kTimeOut}},
        {kOkLine + "#CEPSD\t00", "", {text::kTimeOut}},
        {"", "", {}},                      // no #CMDOK: silent failure
        {"ERROR", "", {text::kConfirmSync}},  // Cancel to the question
        {StatusAnswer("01"), "#CMDOK\r\n", {text::kRadioBusy}},  // Cancel to busy
    };
    for (const Case& c : cases) {
        line.Reset();
        Make({});
        Open();
        line.replies = {c.answer};
        EXPECT_FALSE(link->CheckStatus()) << c.answer;
        EXPECT_EQ(line.sent, wire::BuildFrame("#CEPSR", "00") + c.verdict) << c.answer;
        EXPECT_EQ(Texts(), c.texts) << c.answer;
    }
}

TEST_F(Protocol, ReadBlockAnswersThatFail) {
    const std::string request = wire::BuildFrame("#CEPRD", "0040", "10");
    const std::string data(32, 'A');
    const auto frame = [](std::string a, std::string l, std::string d) { return wire::BuildFrame("#CEPDT", a, l, d); };
    struct Case {
        std::string answer;
        std::string verdict;
        std::vector<std::string> texts;
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
        line.Reset();
        Make({});
        Open();
        line.replies = {c.answer};
        std::vector<uint8_t> buffer(kImageSize, 0x11);
        const double start = Seconds();
        link->ReadBlock(buffer, 0x40, 16);
        EXPECT_TRUE(state.ErrorFlag) << c.answer.substr(0, 40);
        EXPECT_EQ(line.sent, request + c.verdict) << c.answer.substr(0, 40);
        EXPECT_EQ(Texts(), c.texts) << c.answer.substr(0, 40);
        EXPECT_EQ(buffer, std::vector<uint8_t>(kImageSize, 0x11)) << c.answer.substr(0, 40);
        EXPECT_LE(Seconds() - start, 20.1) << "no wait beyond its deadline";
    }
}

TEST_F(Protocol, ReadBlockStoresTheAnswerAtItsAddressOnly) {
    Open();
    line.replies = {kOkLine + wire::BuildFrame("#CEPDT", "0041", "02", "abCD")};
    std::vector<uint8_t> buffer(128, 0);
    link->ReadBlock(buffer, 0x41, 2);
    EXPECT_FALSE(state.ErrorFlag);
    EXPECT_EQ(buffer[0x40], 0);
    EXPECT_EQ(buffer[0x41], 0xAB);
    EXPECT_EQ(buffer[0x42], 0xCD);
    EXPECT_EQ(buffer[0x43], 0);
    EXPECT_TRUE(line.sent.ends_with("#CMDOK\r\n"));
}

TEST_F(Protocol, ABlockOutsideTheBufferIsNeverAskedFor) {
    Open();
    std::vector<uint8_t> buffer(kSmallImageSize, 0);
    link->ReadBlock(buffer, 0x3FF2, 1);
    EXPECT_TRUE(state.ErrorFlag);
    EXPECT_TRUE(line.sent.empty());
}

TEST_F(Protocol, RefusalLeadsToTheSynchronisationQuestion) {
    // OK to the question: two #CMDSY passes, then the one more attempt succeeds.
    Make({Answer::Ok});
    Open();
    const std::string data(32, '0');
    line.replies = {"ERROR", kOkLine, kOkLine, kOkLine + wire::BuildFrame("#CEPDT", "0040", "10", data)};
    std::vector<uint8_t> buffer(kImageSize, 0x11);
    link->ReadBlock(buffer, 0x40, 16);
    EXPECT_FALSE(state.ErrorFlag);
    EXPECT_EQ(Texts(), std::vector<std::string>{text::kConfirmSync});
    EXPECT_EQ(prompt.shown()[0].buttons, Buttons::OkCancel);
    EXPECT_EQ(buffer[0x40], 0);
}

TEST_F(Protocol, AFailedResyncIsNoSuccess) {
    // The first pass succeeds (and clears the error), the second times out.
    Make({Answer::Ok});
    Open();
    line.replies = {"ERROR", kOkLine, ""};
    std::vector<uint8_t> buffer(kImageSize, 0);
    link->WriteBlock(RadioImage{}, 0x40, 16);
    EXPECT_TRUE(state.ErrorFlag);
}

TEST_F(Protocol, AbortSendsCanAndWaitsForAck) {
    Open();
    state.CancelFlag = true;
    line.input = "stale answer";
    link->AbortTransfer();
    EXPECT_EQ(line.sent, "\x18");
    EXPECT_GE(Seconds(), 10.0);  // no ACK came: the full wait
    EXPECT_TRUE(state.CancelFlag);
}

}  // namespace
}  // namespace kv
