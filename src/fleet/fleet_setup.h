// A fleet as the window sets it up and watches it, without widgets: the
// template, the radios' CSV and the ports, checked again whenever one of
// them changes; then the running job's rows and its connect requests.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "fleet/fleet_job.h"
#include "fleet/fleet_radios.h"

namespace kv {

// Why the template cannot go to any radio ("" when it can): enabled
// channels without a receive frequency or channel number.
std::string FleetTemplateProblem(const RadioSession& templ);

// A port as the user names it: the device without "/dev/" ("ttyUSB0", "pts/3").
std::string ShortPortName(const std::string& device);

// One row of the window's table.
struct FleetRow {
    std::string label;
    std::string port;
    std::string state;   // "Step 3 of 4: writing 3 of 718 blocks, 0:02 left", "programmed and verified", ...
    int percent = 0;     // of the current step; 100 once programmed
    std::string result;  // why it failed or what it waits for, and its backup
};
FleetRow RowOf(const FleetReport& report, const SafeProgramPlan& plan);

// "2 programmed and verified, 1 failed, 1 skipped".
std::string FleetSummary(const std::vector<FleetReport>& reports);

class FleetSetup {
public:
    // The programming every radio gets, and how the window names it.
    void SetTemplate(RadioSession templ, std::string name);
    // The radios' CSV as read from the file it names.
    void SetRadios(std::string csv, std::string name);
    // The ports to program on, as devices ("/dev/ttyUSB0").
    void SetPorts(std::vector<std::string> devices);

    const RadioSession& templ() const { return templ_; }
    const std::string& templateName() const { return templateName_; }
    const std::string& radiosName() const { return radiosName_; }
    const std::vector<std::string>& ports() const { return devices_; }
    const FleetRadios& radios() const { return radios_; }

    // Every reason the fleet cannot start yet, each on its own line; none when it can.
    std::vector<std::string> Problems() const;
    // Before the start: "Connect 'Boat 1' to ttyUSB0 and 'Boat 2' to ttyUSB1, then press Start."
    std::string ConnectFirst() const;

    // The job over the checked radios, on the devices; nothing when a problem remains.
    std::unique_ptr<FleetJob> MakeJob(FleetOptions options) const;

private:
    void Check();
    std::vector<std::string> Names() const;  // the ports as the CSV names them

    RadioSession templ_;
    std::string templateName_;
    bool hasTemplate_ = false;
    std::string csv_;
    std::string radiosName_;
    std::vector<std::string> devices_;
    FleetRadios radios_;
};

// A started job as the window watches it: rows, and the ports whose next
// radio waits to be connected, answered one at a time with Next.
class FleetWatch {
public:
    FleetWatch(std::unique_ptr<FleetJob> job, SafeProgramPlan plan);

    // Takes the job's reports; true once every port is done.
    bool Poll();
    const std::vector<FleetRow>& rows() const { return rows_; }
    const std::vector<FleetReport>& reports() const { return reports_; }
    // "Connect radio 'Boat 3' to ttyUSB1, then press Next." or "".
    std::string ConnectRequest() const;
    void Next();
    void Cancel() { job_->Cancel(); }
    bool done() const { return done_; }
    bool cancelled() const { return job_->cancelled(); }
    // What the window says at the end: the summary, and after a cancel the
    // radios left partly written with their backups.
    std::string EndText() const;

private:
    std::unique_ptr<FleetJob> job_;
    SafeProgramPlan plan_;
    std::vector<FleetReport> reports_;
    std::vector<FleetRow> rows_;
    const FleetReport* Connecting(const std::string& label) const;

    std::vector<std::string> waiting_;  // radios waiting to be connected, in the order they asked
    bool done_ = false;
};

}  // namespace kv
