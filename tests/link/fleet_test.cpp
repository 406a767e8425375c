#include "fleet/fleet_job.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <thread>

#include "fleet/fleet_radios.h"
#include "fleet/fleet_setup.h"
#include "link_rig.h"
#include "support/temp_dir.h"

namespace kv {
namespace {

using test::DefaultSession;
using test::ProgrammedRadio;

// A programming cable the test moves from radio to radio, as a dealer does.
class Cable : public SerialLine {
public:
    void Plug(sim::RadioSimulator& radio) { line_ = std::make_unique<sim::SimulatedLine>(radio, *clock); }
    // An unplugged cable is a port with no device behind it.
    bool Open(LineError& e) override {
        if (!line_) e = {2, "No such file or directory"};
        return line_ && line_->Open(e);
    }
    void Close() override { if (line_) line_->Close(); }
    bool IsOpen() const override { return line_ && line_->IsOpen(); }
    bool Write(const uint8_t* d, size_t n) override {
        if (onWrite) onWrite();
        return line_->Write(d, n);
    }
    size_t BytesWaiting() override { return line_->BytesWaiting(); }
    size_t Read(uint8_t* d, size_t n) override { return line_->Read(d, n); }
    void WaitForInput(std::chrono::microseconds t) override { line_->WaitForInput(t); }
    bool Broken() const override { return !line_ || line_->Broken(); }
    void SetDtr(bool on) override { if (line_) line_->SetDtr(on); }
    void SetRts(bool on) override { if (line_) line_->SetRts(on); }

    std::shared_ptr<VirtualClock> clock = std::make_shared<VirtualClock>();
    std::function<void()> onWrite;

private:
    std::unique_ptr<sim::SimulatedLine> line_;
};

FleetOptions Steps(bool backup, bool verify, bool askToConnect = true) {
    FleetOptions o;
    o.backup = backup, o.verify = verify, o.askToConnect = askToConnect;
    return o;
}

constexpr const char* kFleetCsv =
    "label,ATIS Setup.Atis Code,CHUSA[13].ChTag\n"
    "Boat 1,9211000001,HARBOUR\n"
    "Boat 2,9211000002,\n"
    "Boat 3,9211000003,MARINA\n"
    "Boat 4,9211000004,CREW\n";

// Radios on a bench, cables on ports; each port's cable starts on the
// radio the job names first and moves on when the job asks.
struct FleetBench {
    explicit FleetBench(std::vector<std::string> ports, std::vector<sim::SimOptions> options = {}) : ports(ports) {
        for (size_t i = 0; i < 4; ++i)
            radios.push_back(std::make_unique<sim::RadioSimulator>(ProgrammedRadio(5),
                                                                   i < options.size() ? options[i] : test::Synced()));
        for (const std::string& port : ports) cables[port] = std::make_shared<Cable>();
    }

    FleetJob Job(const char* csv, FleetOptions options = {}) { return FleetJob(templ, Read(csv), ports, Wired(options)); }
    std::unique_ptr<FleetJob> NewJob(const char* csv, FleetOptions options) {
        return std::make_unique<FleetJob>(templ, Read(csv), ports, Wired(options));
    }

    FleetRadios Read(const char* csv) {
        FleetRadios read = ReadFleetRadios(csv, templ, ports);
        EXPECT_EQ(read.errors, std::vector<std::string>{});
        for (size_t i = 0; i < read.radios.size(); ++i) labels[read.radios[i].label] = i;
        return read;
    }

    FleetOptions Wired(FleetOptions options) {
        options.openPort = [this](const std::string& port) {
            return FleetOptions::PortLine{cables.at(port)->clock, cables.at(port)};
        };
        options.keep = [this](const RadioSession&, const std::vector<uint8_t>&) {
            return SavedBackup{"/backups/" + std::to_string(++backups) + ".hex", ""};
        };
        return options;
    }

    // Runs the job to its end, plugging each cable into the radio it asks for.
    std::vector<FleetReport> Run(FleetJob& job) {
        for (const auto& [port, label] : job.FirstRadios()) cables[port]->Plug(*radios[labels[label]]);
        job.Start();
        std::set<std::string> plugged;
        while (!job.WaitFor(std::chrono::milliseconds(5))) {
            for (const FleetReport& r : job.Reports())
                if (r.state == FleetState::Connecting && plugged.insert(r.label).second) {
                    cables[r.port]->Plug(*radios[labels[r.label]]);
                    job.Continue(r.port);
                }
        }
        return job.Reports();
    }

    RadioSession Memory(int i) {
        RadioSession s = DefaultSession(5);
        s.image = radios[static_cast<size_t>(i)]->image();
        DecodeImage(s);
        return s;
    }

    RadioSession templ = DefaultSession(5);
    std::vector<std::string> ports;
    std::vector<std::unique_ptr<sim::RadioSimulator>> radios;
    std::map<std::string, std::shared_ptr<Cable>> cables;
    std::map<std::string, size_t> labels;
    int backups = 0;
};

TEST(Fleet, FourRadiosOnTwoPortsEachGetTheirOwnValues) {
    FleetBench bench({"ttyUSB0", "ttyUSB1"});
    FleetJob job = bench.Job(kFleetCsv, Steps(true, true));
    const std::vector<FleetReport> reports = bench.Run(job);
    std::map<std::string, int> perPort;
    for (int i = 0; i < 4; ++i) {
        const FleetReport& r = reports[static_cast<size_t>(i)];
        EXPECT_EQ(r.state, FleetState::Verified) << r.label << ": " << r.message;
        EXPECT_FALSE(r.backupPath.empty()) << r.label;
        ++perPort[r.port];
        const RadioSession memory = bench.Memory(i);
        EXPECT_EQ(memory.settings.Atis.AtisCode, "921100000" + std::to_string(i + 1));
        EXPECT_EQ(memory.settings.CHUSA[13].ChTag, (std::array{"HARBOUR", bench.templ.settings.CHUSA[13].ChTag.c_str(),
                                                               "MARINA", "CREW"}[static_cast<size_t>(i)]));
        EXPECT_EQ(memory.settings.CHUSA[14], bench.templ.settings.CHUSA[14]);
    }
    // Whichever port comes free takes the next radio: both ports work, no radio is left.
    EXPECT_EQ(perPort.size(), 2u);
    EXPECT_EQ(perPort["ttyUSB0"] + perPort["ttyUSB1"], 4);
    EXPECT_EQ(bench.backups, 4);
}

TEST(Fleet, ARadioThatFailsStopsOnlyItself) {
    // Radio 2 stores a byte wrongly: the verify catches it; the others go on.
    FleetBench bench({"ttyUSB0", "ttyUSB1"}, {test::Synced(), {true, {{sim::FaultKind::StoreWrong, 50}}}});
    FleetJob job = bench.Job(kFleetCsv, Steps(false, true));
    const std::vector<FleetReport> reports = bench.Run(job);
    EXPECT_EQ(reports[1].state, FleetState::PartlyWritten);
    EXPECT_EQ(reports[1].step, SafeProgramStep::Verify);
    EXPECT_NE(reports[1].message.find("Verify failed"), std::string::npos) << reports[1].message;
    for (int i : {0, 2, 3}) EXPECT_EQ(reports[static_cast<size_t>(i)].state, FleetState::Verified) << i;
    EXPECT_EQ(bench.Memory(3).settings.Atis.AtisCode, "9211000004");
}

TEST(Fleet, CancelLeavesEachRadioFinishedPartlyWrittenOrUntouched) {
    FleetBench bench({"ttyUSB0"});
    FleetJob job = bench.Job(kFleetCsv, Steps(false, false));
    const RadioImage untouched = bench.radios[2]->image();
    bench.cables["ttyUSB0"]->onWrite = [&] {
        if (bench.radios[1]->blockRequests() > 100) job.Cancel();
    };
    const std::vector<FleetReport> reports = bench.Run(job);
    EXPECT_EQ(reports[0].state, FleetState::Programmed);
    for (int i : {2, 3}) EXPECT_EQ(reports[static_cast<size_t>(i)].state, FleetState::Skipped) << i;
    EXPECT_EQ(bench.radios[2]->image().bytes, untouched.bytes);
    // The table, the summary and the log say so, with the blocks the radio may hold (after its 7 reads).
    const std::string blocks = std::to_string(bench.radios[1]->blockRequests() - 7) + " of " +
                               std::to_string(ProgramBlockCount(bench.templ)) + " blocks written";
    const FleetRow row = RowOf(reports[1], {});
    EXPECT_EQ(row.state, "partly written");
    EXPECT_NE(row.result.find(blocks), std::string::npos) << row.result;
    EXPECT_EQ(FleetSummary(reports), "1 programmed, 1 partly written, 2 skipped");
    const std::string log = FleetLogCsv(reports);
    EXPECT_NE(log.find("\r\nBoat 2,ttyUSB0,partly written,"), std::string::npos) << log;
    EXPECT_NE(log.find("," + std::to_string(bench.radios[1]->blockRequests() - 7) + "\r\nBoat 3,"), std::string::npos) << log;
}

TEST(Fleet, APortThatDoesNotOpenFailsItsOwnRadiosAndTheOthersGoOn) {
    FleetBench bench({"ttyUSB0", "ttyUSB9"});
    FleetJob job = bench.Job("label,port\nA,ttyUSB9\nB,ttyUSB0\nC,ttyUSB9\nD,\n", Steps(false, false, false));
    bench.cables["ttyUSB0"]->Plug(*bench.radios[1]);  // ttyUSB9's cable leads nowhere
    job.Start();
    while (!job.WaitFor(std::chrono::milliseconds(5))) {}
    const std::vector<FleetReport> reports = job.Reports();
    EXPECT_EQ(reports[0].state, FleetState::Failed);
    EXPECT_EQ(reports[2].state, FleetState::Failed);
    EXPECT_EQ(reports[0].message, reports[2].message);
    EXPECT_FALSE(reports[0].message.empty());
    EXPECT_EQ(reports[1].state, FleetState::Programmed);
    EXPECT_EQ(reports[3].state, FleetState::Programmed);  // taken by the port that works
    EXPECT_EQ(reports[3].port, "ttyUSB0");
}

// The window's fleet: what is missing, then whom to connect where; the
// port column may name a port as the window shows it.
TEST(FleetSetup, SaysWhatIsMissingThenWhomToConnectWhere) {
    FleetSetup setup;
    EXPECT_EQ(setup.Problems(), (std::vector<std::string>{"Choose the programming every radio gets.",
                                                          "Load the radios' CSV.", "Tick the ports to program on."}));
    RadioSession templ = DefaultSession(5);
    test::UseLmrChannel(templ.settings).CHDisplayL = "";  // no channel number
    setup.SetTemplate(templ, "fleet.dat");
    setup.SetRadios("label,port\nBoat 1,\nBoat 2,ttyUSB1\n", "boats.csv");
    setup.SetPorts({"/dev/ttyUSB0"});
    const std::vector<std::string> problems = setup.Problems();
    ASSERT_EQ(problems.size(), 2u) << problems[0];
    EXPECT_TRUE(problems[0].starts_with("fleet.dat: enabled channels without a receive frequency")) << problems[0];
    EXPECT_EQ(problems[1], "boats.csv: row 3: the port \"ttyUSB1\" is not among the ports to use");
    EXPECT_EQ(setup.MakeJob({}), nullptr);

    setup.SetTemplate(DefaultSession(5), "fleet.dat");
    setup.SetPorts({"/dev/ttyUSB0", "/dev/ttyUSB1"});
    EXPECT_EQ(setup.Problems(), std::vector<std::string>{});
    EXPECT_EQ(setup.ConnectFirst(), "Connect 'Boat 1' to ttyUSB0 and 'Boat 2' to ttyUSB1, then press Start.");
    setup.SetPorts({"/dev/ttyUSB1", "/dev/ttyUSB1"});
    EXPECT_EQ(setup.Problems(), std::vector<std::string>{"the port \"/dev/ttyUSB1\" is listed twice"});
    // A link and the device it names are one port.
    const test::TempDir dir;
    const std::string link = (dir / "link").string();
    std::filesystem::create_symlink("/dev/null", link);
    EXPECT_EQ(CheckFleetPorts({link, "/dev/null"}),
              "the ports \"" + link + "\" and \"/dev/null\" are one device (/dev/null): give it once");
    EXPECT_EQ(ReadFleetRadios("label\nA\nB\nC\n", templ, {}, 2).errors,
              std::vector<std::string>{"the radios' CSV names 3 radios: a fleet takes at most 2"});
}

// Next answers the radios waiting to be connected one at a time, in the
// order they asked; a request answered is not shown again.
TEST(FleetWatch, NextConnectsTheWaitingRadiosOneAtATime) {
    FleetBench bench({"/dev/ttyUSB0"});
    std::unique_ptr<FleetJob> job = bench.NewJob("label\nBoat 1\nBoat 2\nBoat 3\n", Steps(false, false));
    bench.cables["/dev/ttyUSB0"]->Plug(*bench.radios[0]);
    job->Start();
    FleetWatch watch(std::move(job), {});
    std::vector<std::string> requests;
    while (!watch.Poll()) {
        if (const std::string request = watch.ConnectRequest(); !request.empty()) {
            requests.push_back(request);
            bench.cables["/dev/ttyUSB0"]->Plug(*bench.radios[requests.size()]);
            watch.Next();
            watch.Poll();
            EXPECT_NE(watch.ConnectRequest(), request);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    EXPECT_EQ(requests, (std::vector<std::string>{"Connect radio 'Boat 2' to ttyUSB0, then press Next.",
                                                  "Connect radio 'Boat 3' to ttyUSB0, then press Next."}));
    for (const FleetRow& row : watch.rows()) {
        EXPECT_EQ(row.state, "programmed") << row.label;
        EXPECT_EQ(row.percent, 100) << row.label;
        EXPECT_EQ(row.port, "ttyUSB0");
    }
    EXPECT_EQ(watch.EndText(), "Done: 3 programmed.");
}

}  // namespace
}  // namespace kv

namespace kv {
namespace {

// Every check of the radios' CSV, each refusal naming where it is.
TEST(FleetRadios, EveryCellIsCheckedBeforeAnythingIsWritten) {
    struct Case {
        int model;
        const char* csv;
        const char* error;  // the first error; "" when the fleet may start
    };
    const Case cases[] = {
        {5, "label,ATIS Setup.Atis Code\nA,9211000001\nB,9211000002\n", ""},
        {5, "label,ATIS Setup.Atis Code\nA,9211000001\nB,9211000001\n",
         "rows 2 and 3: the same ATIS code 9211000001 (each radio needs its own)"},
        {5, "label,ATIS Setup.Atis Code\nA,921100001\n",
         "row 2, column 2 (\"ATIS Setup.Atis Code\"): \"921100001\": Numeric Only. Indispensable 10 figures."},
        {5, "label,CHEXP[13].Rxfreq\nA,174.0000\nB,174.0125\n",
         "row 3, column 2 (\"CHEXP[13].Rxfreq\"): \"174.0125\": the radio takes 134.0000 - 174.0000 MHz"},
        {5, "label,CHUSA[13].Rxfreq\nA,156.8\n",
         "column 2 (\"CHUSA[13].Rxfreq\"): model type 5 radios do not keep this setting: a value here would be lost"},
        {5, "label,DSC Basic Setup.User MMSI\nA,366123456\n",
         "column 2 (\"DSC Basic Setup.User MMSI\"): model type 5 radios do not keep this setting: a value here would be lost"},
        {6, "label,CHWX[0].ChTag\nA,NOAA\n",
         "column 2 (\"CHWX[0].ChTag\"): model type 6 radios have no weather channels: a value here would be lost"},
        {3, "label,DSC Basic Setup.User MMSI\nA,3661234560\nB,3661234570\nC,3661234560\n",
         "rows 2 and 4: the same MMSI 3661234560 (each radio needs its own)"},
        // Nine digits are an MMSI as it is in use: the radio holds it with a tenth digit 0.
        {0, "label,DSC Basic Setup.User MMSI\nA,366123456\nB,366123457\n", ""},
        {0, "label,DSC Basic Setup.User MMSI\nA,366123456\nB,3661234560\n",
         "rows 2 and 3: the same MMSI 3661234560 (each radio needs its own)"},
        {0, "label,DSC Basic Setup.User MMSI\nA,3661234567\n",
         "row 2, column 2 (\"DSC Basic Setup.User MMSI\"): the radio would not keep \"3661234567\" (it would hold \"3661234560\")"},
        {5, "label,CHUSA[13].ChTag\nA,harbour\n", ""},
        {5, "label,CHUSA[13].ChTag\nA,HARBOUR!\n",
         "row 2, column 2 (\"CHUSA[13].ChTag\"): \"HARBOUR!\": A maximum of 12 characters"},
        {5, "label,Usable CH Group Setup[0].Priority CH\nA,x\n",
         "row 2, column 2 (\"Usable CH Group Setup[0].Priority CH\"): \"x\" is not a whole number"},
        {5, "label,CHUSA[13].TXPower\nA,256\n",
         "row 2, column 2 (\"CHUSA[13].TXPower\"): \"256\": the value must lie between 0 and 255"},
        {5, "label,CHUSA[13].Enable\nA,yes\n", "row 2, column 2 (\"CHUSA[13].Enable\"): \"yes\" is not true or false"},
        {5, "label,CHUSA[200].ChTag\nA,X\n",
         "column 2 (\"CHUSA[200].ChTag\"): no setting has this name (the names are those of kvtool show --json)"},
        {5, "label,MODELTYPE\nA,3\n", "column 2 (\"MODELTYPE\"): this setting cannot differ from radio to radio"},
        {5, "label,label\nA,B\n", "column 2 (\"label\"): named twice (also column 1)"},
        {5, "port\nttyUSB0\n", "the radios' CSV has no \"label\" column"},
        {5, "label,port\nA,ttyUSB7\n", "row 2: the port \"ttyUSB7\" is not among the ports to use"},
        {5, "label\nA\nA\n", "row 3: the label \"A\" is that of row 2 too"},
        {5, "label,port\n,ttyUSB0\n", "row 2: no label"},
        {5, "label\n", "the radios' CSV names no radios: it needs a header line and a line per radio"},
        {5, "", "the radios' CSV names no radios: it needs a header line and a line per radio"},
        // Row 3 is checked with the template's EXP channel, not with row 2's.
        {5, "label,CHEXP[0].Enable,Usable CH Group Setup[4].Enable\nA,true,true\nB,,true\n",
         "row 3, column 3 (\"Usable CH Group Setup[4].Enable\"): the radio would not keep \"true\" (it would hold \"false\")"},
    };
    for (const Case& c : cases) {
        const FleetRadios read = ReadFleetRadios(c.csv, test::DefaultSession(c.model), {"ttyUSB0"});
        EXPECT_EQ(read.errors.empty() ? "" : read.errors.front(), c.error) << c.csv;
        EXPECT_EQ(read.radios.empty(), *c.error != 0) << c.csv;
    }
}

TEST(FleetRadios, ARadioIsTheTemplateWithItsOwnValuesAsTheEditorStoresThem) {
    const RadioSession templ = test::DefaultSession(0);
    const FleetRadios read = ReadFleetRadios(
        "label,port,CHUSA[13].ChTag,ATIS Setup.Call Sign[0].MID,CHEXP[0].Rxfreq\nBoat 7,ttyUSB0,harbour,7,155.025\n",
        templ, {"ttyUSB0"});
    ASSERT_EQ(read.errors, std::vector<std::string>{});
    const FleetRadio& radio = read.radios.at(0);
    EXPECT_EQ(radio.label, "Boat 7");
    EXPECT_EQ(radio.port, "ttyUSB0");
    RadioSettings expected = templ.settings;
    expected.CHUSA[13].ChTag = "HARBOUR";
    expected.Atis.CallSign[0].MID = "007";
    expected.CHEXP[0].Rxfreq = 155.025;
    RadioSession session = templ;
    EXPECT_EQ(ApplyRadioValues(session, read.paths, radio), "");
    EXPECT_EQ(session.settings, expected);
}

}  // namespace
}  // namespace kv
