// kvtool fleet: one programming into many radios, each with its own values,
// on one or more ports at once.
#include <poll.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <deque>
#include <iostream>
#include <nlohmann/json.hpp>
#include <set>

#include "cli/commands.h"
#include "cli/terminal_link.h"
#include "files/backups.h"
#include "files/file_io.h"
#include "files/session_commands.h"
#include "fleet/fleet_job.h"
#include "fleet/fleet_setup.h"
#include "qt/qt_serial_line.h"
#include "rules/narrowband.h"

namespace kv::cli {
namespace {

struct FleetCommandOptions {
    std::string templateFile;
    std::string radios;
    std::vector<std::string> ports;
    bool backup = false;
    bool verify = false;
    bool yes = false;
    std::string log;
};

constexpr uintmax_t kLargestRadiosCsv = 1024 * 1024;

// The log as JSON: one object per radio with the CSV log's keys.
std::string FleetLogJson(const std::vector<FleetReport>& reports) {
    nlohmann::ordered_json rows = nlohmann::ordered_json::array();
    for (const FleetReport& r : reports)
        rows.push_back({{"label", r.label}, {"port", r.port}, {"result", FleetStateText(r.state)},
                        {"message", r.message}, {"backup", r.backupPath}, {"seconds", std::round(r.seconds * 10) / 10},
                        {"blocks written", r.blocksWritten}});
    return rows.dump(2) + "\n";
}

std::string LogText(const std::string& path, const std::vector<FleetReport>& reports) {
    return path.ends_with(".json") ? FleetLogJson(reports) : FleetLogCsv(reports);
}

// What a port is doing: "ttyUSB0: Boat 3: Step 3 of 4: writing 3 of 718 blocks, 0:02 left 45%".
std::string PortLine(const std::string& port, const std::vector<FleetReport>& reports, const SafeProgramPlan& plan) {
    const FleetReport* shown = nullptr;
    for (const FleetReport& r : reports)
        if (r.port == port && r.state != FleetState::Waiting) shown = &r;  // its latest radio
    std::string line = port + ": ";
    if (!shown) return line + "waiting";
    line += shown->label + ": ";
    if (shown->state == FleetState::Running)
        return line + (shown->phase.empty() ? StepText(plan, shown->step) : shown->phase) + " " +
               std::to_string(shown->percent) + "%";
    if (shown->state == FleetState::Connecting) return line + shown->message + " and press Enter";
    return line + FleetStateText(shown->state) + (shown->message.empty() ? "" : ": " + shown->message);
}

class FleetRun {
public:
    FleetRun(const FleetCommandOptions& o, CommandIo& io)
        : o_(o), io_(io), terminal_(isatty(STDERR_FILENO) != 0), interactive_(terminal_ && isatty(STDIN_FILENO) != 0) {}

    int Run() {
        RadioSession templ;
        std::vector<std::string> missing;
        if (const auto failed = LoadInput(io_, templ, o_.templateFile, -1, &missing)) return *failed;
        if (const std::string problem = FleetTemplateProblem(templ); !problem.empty())
            return Fail(io_, "nothing written: " + problem);
        if (const std::string error = CheckFleetPorts(o_.ports); !error.empty()) return Fail(io_, "nothing written: " + error);
        CoreApplication app;
        std::vector<std::string> devices;
        for (const std::string& port : o_.ports) {
            std::string missing;
            const std::string device = PortName(port, missing);
            devices.push_back(device.empty() ? port : device);  // a missing port fails its own radios
        }
        if (const std::string error = CheckFleetPorts(devices); !error.empty()) return Fail(io_, "nothing written: " + error);
        TerminalPrompt prompt(io_.err, interactive_, o_.yes);
        // Defaults in place of what a template cut short lacks reach no radio unasked.
        if (!missing.empty() && prompt.Show(IncompleteDataQuestion(o_.templateFile, missing)) != Answer::Yes)
            return Fail(io_, "nothing written: " + o_.templateFile + " is incomplete");
        if (CheckBeforeDownload(templ, prompt, "Download") == Answer::No)
            return Fail(io_, "nothing written: the narrowband question was answered No");
        const FileBytes csv = ReadFileBytes(o_.radios, kLargestRadiosCsv);
        if (!csv.ok) return Fail(io_, "nothing written: " + csv.error);
        FleetRadios fleet = ReadFleetRadios(std::string(csv.bytes.begin(), csv.bytes.end()), templ, o_.ports);
        for (const std::string& error : fleet.errors) io_.err << "kvtool: " << o_.radios << ": " << error << "\n";
        if (!fleet.errors.empty()) return Fail(io_, "nothing written: " + std::to_string(fleet.errors.size()) + " problem(s) in " + o_.radios);
        if (!o_.log.empty())
            if (const std::string error = CheckFileWritable(o_.log, 1024 * 1024); !error.empty())
                return Fail(io_, "nothing written: " + error);
        for (FleetRadio& radio : fleet.radios)  // the port column names ports as given
            for (size_t p = 0; p < o_.ports.size(); ++p)
                if (radio.port == o_.ports[p]) radio.port = devices[p];
        return Program(std::move(templ), std::move(fleet), devices);
    }

private:
    int Program(RadioSession templ, FleetRadios fleet, const std::vector<std::string>& devices) {
        FleetOptions options;
        options.backup = o_.backup;
        options.verify = o_.verify;
        options.askToConnect = !o_.yes;
        options.frontend = Frontend::Kvtool;
        options.openPort = [clock = io_.linkClock](const std::string& port) {
            const std::shared_ptr<Clock> given(clock, [](Clock*) {});  // not ours to delete
            return FleetOptions::PortLine{clock ? given : nullptr, std::make_shared<qt::QtSerialLine>(port)};
        };
        options.startThread = qt::StartQtThread;
        options.keep = [](const RadioSession& s, const std::vector<uint8_t>& read) {
            return SaveBackup(qt::BackupFolder(), s, read, std::chrono::system_clock::now());
        };
        devices_ = devices;
        plan_.backup = o_.backup;
        plan_.verify = o_.verify;
        FleetJob job(std::move(templ), std::move(fleet), devices, options);
        for (const auto& [port, label] : job.FirstRadios())
            io_.err << "kvtool: radio '" << label << "' on " << port << "\n";
        InterruptGuard interrupts;
        job.Start();
        while (!job.WaitFor(std::chrono::milliseconds(200))) {
            if (interrupts.TakeNew()) job.Cancel();
            const std::vector<FleetReport> reports = job.Reports();
            AnswerConnects(job, reports);
            ShowProgress(reports);
        }
        const std::vector<FleetReport> reports = job.Reports();
        ShowProgress(reports);
        Summary(reports, job.cancelled());
        const int status = ExitStatus(reports, job.cancelled() || interrupts.interrupted());
        // A log that is not there whole fails the run, whatever the radios did.
        if (!WriteLog(reports) && status == kExitOk) return kExitFailed;
        return status;
    }

    // A port waiting for its next radio: the user connects it and presses
    // Enter; without a terminal, nobody can, and the port stops.
    void AnswerConnects(FleetJob& job, const std::vector<FleetReport>& reports) {
        for (const FleetReport& r : reports)
            if (r.state == FleetState::Connecting && asked_.insert(r.label).second) {
                if (!interactive_) {
                    io_.err << "kvtool: " << r.port << ": " << r.message << ": no terminal to wait on (--yes goes on at once)\n";
                    job.Continue(r.port, false);
                    continue;
                }
                pending_.push_back(r.port);
                io_.err << (terminal_ ? "\n" : "") << r.message << " and press Enter\n";
                drawn_ = 0;
            }
        while (!pending_.empty() && LineTyped()) {
            job.Continue(pending_.front());
            pending_.pop_front();
        }
    }

    // True when a line waits on stdin (taken); never blocks.
    bool LineTyped() {
        pollfd in{STDIN_FILENO, POLLIN, 0};
        if (poll(&in, 1, 0) <= 0) return false;
        std::string line;
        return static_cast<bool>(std::getline(std::cin, line));
    }

    // One line per port: redrawn in place on a terminal, else a line each
    // time a port's line changes.
    void ShowProgress(const std::vector<FleetReport>& reports) {
        std::vector<std::string> lines;
        for (const std::string& port : devices_) lines.push_back(PortLine(port, reports, plan_));
        if (terminal_) {
            if (drawn_ > 0) io_.err << "\x1b[" << drawn_ << "A";
            for (const std::string& line : lines) io_.err << "\r\x1b[2K" << line << "\n";
            drawn_ = lines.size();
            io_.err << std::flush;
            return;
        }
        for (size_t i = 0; i < lines.size(); ++i) {
            if (i < shown_.size() && Tenths(shown_[i]) == Tenths(lines[i])) continue;
            io_.err << lines[i] << "\n";
        }
        shown_ = lines;
    }

    // A progress line without its last digit: plain output shows tenths.
    static std::string Tenths(const std::string& line) {
        if (!line.ends_with("%")) return line;
        const size_t space = line.rfind(' ');
        const std::string percent = line.substr(space + 1, line.size() - space - 2);
        return line.substr(0, space) + " " + std::to_string(std::atoi(percent.c_str()) / 10);
    }

    void Summary(const std::vector<FleetReport>& reports, bool cancelled) {
        size_t labelWidth = 5, portWidth = 4;
        for (const FleetReport& r : reports) {
            labelWidth = std::max(labelWidth, r.label.size());
            portWidth = std::max(portWidth, r.port.size());
        }
        char line[512];
        std::snprintf(line, sizeof line, "%-*s  %-*s  %-23s  %7s  %s", static_cast<int>(labelWidth), "label",
                      static_cast<int>(portWidth), "port", "result", "seconds", "message");
        io_.out << line << "\n";
        for (const FleetReport& r : reports) {
            std::snprintf(line, sizeof line, "%-*s  %-*s  %-23s  %7.1f  ", static_cast<int>(labelWidth), r.label.c_str(),
                          static_cast<int>(portWidth), r.port.c_str(), FleetStateText(r.state).c_str(), r.seconds);
            std::string message = r.message;
            if (r.partlyWritten()) message += (message.empty() ? "" : "; ") + r.BlocksText();
            io_.out << line << message << (r.backupPath.empty() ? "" : " (backup: " + r.backupPath + ")") << "\n";
        }
        if (cancelled) TellCancel(reports);
    }

    // False when the log was asked for and is not written.
    bool WriteLog(const std::vector<FleetReport>& reports) {
        if (o_.log.empty()) return true;
        const std::string text = LogText(o_.log, reports);
        const std::string error = WriteFileAtomically(o_.log, text.data(), text.size());
        if (!error.empty()) io_.err << "kvtool: the log was not written: " << error << "\n";
        return error.empty();
    }

    void TellCancel(const std::vector<FleetReport>& reports) {
        std::string finished, partly, untouched;
        for (const FleetReport& r : reports) {
            const std::string name = "'" + r.label + "'";
            if (Succeeded(r.state)) finished += " " + name;
            else if (r.partlyWritten())
                partly += " " + name + " (" + r.BlocksText() + (r.backupPath.empty() ? "" : "; backup: " + r.backupPath) + ")";
            else untouched += " " + name;
        }
        io_.err << "kvtool: cancelled\n";
        if (!finished.empty()) io_.err << "finished:" << finished << "\n";
        if (!partly.empty()) io_.err << "partly written, part old and part new data:" << partly << "\n";
        if (!untouched.empty()) io_.err << "untouched:" << untouched << "\n";
    }

    static int ExitStatus(const std::vector<FleetReport>& reports, bool cancelled) {
        bool all = true, partly = false;
        for (const FleetReport& r : reports) {
            all = all && Succeeded(r.state);
            partly = partly || r.partlyWritten();
        }
        if (all) return kExitOk;
        if (partly) return kExitPartlyWritten;
        return cancelled ? kExitCancelled : kExitFailed;
    }

    const FleetCommandOptions& o_;
    CommandIo& io_;
    bool terminal_;
    bool interactive_;
    SafeProgramPlan plan_;
    std::set<std::string> asked_;
    std::deque<std::string> pending_;
    size_t drawn_ = 0;
    std::vector<std::string> shown_;
    std::vector<std::string> devices_;
};

}  // namespace

void AddFleetCommand(CLI::App& app, CommandSet& commands) {
    auto o = std::make_shared<FleetCommandOptions>();
    CLI::App* fleet = app.add_subcommand("fleet", "Program many radios from one file, each with its own values");
    fleet->add_option("template", o->templateFile, "The programming every radio gets (.hex or .dat)")->required();
    fleet->add_option("--radios", o->radios,
                      "CSV: a \"label\" column, an optional \"port\" column, and a column per setting named by its "
                      "kvtool show --json path")
        ->required();
    fleet->add_option("--port", o->ports, "A serial port to program on (give it once per port)")->required();
    fleet->add_flag("--backup", o->backup, "Read each radio first and keep it in the backups folder");
    fleet->add_flag("--verify", o->verify, "Read each radio back and compare every byte written");
    fleet->add_flag("--yes", o->yes, "Do not wait for Enter between the radios of a port");
    fleet->add_option("--log", o->log, "Write one row per radio here (.csv or .json)");
    commands.emplace_back(fleet, [o](CommandIo& io) { return FleetRun(*o, io).Run(); });
}

}  // namespace kv::cli
