#include "fleet/fleet_job.h"

#include <cstdio>
#include <thread>

#include "link/clone_link.h"
#include "util/delimited_text.h"
#include "util/texts.h"

namespace kv {

std::string FleetStateText(FleetState state) {
    switch (state) {
        case FleetState::Waiting: return KV_TEXT("Messages", "waiting");
        case FleetState::Connecting: return KV_TEXT("Messages", "waiting to be connected");
        case FleetState::Running: return KV_TEXT("Messages", "programming");
        case FleetState::Verified: return KV_TEXT("Messages", "programmed and verified");
        case FleetState::Programmed: return KV_TEXT("Messages", "programmed");
        case FleetState::PartlyWritten: return KV_TEXT("Messages", "partly written");
        case FleetState::Failed: return KV_TEXT("Messages", "failed");
        case FleetState::Cancelled: return KV_TEXT("Messages", "cancelled");
        case FleetState::Skipped: return KV_TEXT("Messages", "skipped");
    }
    return "";
}

bool Succeeded(FleetState state) { return state == FleetState::Verified || state == FleetState::Programmed; }

std::string FleetReport::BlocksText() const {
    if (blocksTotal == 0) return "";
    return std::to_string(blocksWritten) + " of " + std::to_string(blocksTotal) + " blocks written";
}

FleetJob::FleetJob(RadioSession templ, FleetRadios fleet, std::vector<std::string> ports, FleetOptions options)
    : templ_(std::move(templ)), fleet_(std::move(fleet)), ports_(std::move(ports)), options_(std::move(options)) {
    reports_.resize(fleet_.radios.size());
    for (size_t i = 0; i < fleet_.radios.size(); ++i) {
        reports_[i].label = fleet_.radios[i].label;
        reports_[i].port = fleet_.radios[i].port;
    }
    taken_.assign(fleet_.radios.size(), false);
    links_.assign(ports_.size(), nullptr);
    runningRadio_.assign(ports_.size(), -1);
    connected_.assign(ports_.size(), false);
    stopped_.assign(ports_.size(), false);
    started_.assign(ports_.size(), 0);
    // Each port's first radio is settled before any thread runs: the user
    // connects these before the start.
    for (size_t p = 0; p < ports_.size(); ++p) firsts_.push_back(Take(p));
}

FleetJob::~FleetJob() {
    Cancel();
    for (const auto& join : joins_) join();
}

std::vector<std::pair<std::string, std::string>> FleetJob::FirstRadios() const {
    std::lock_guard lock(mutex_);
    std::vector<std::pair<std::string, std::string>> firsts;
    for (size_t p = 0; p < ports_.size(); ++p)
        if (firsts_[p] >= 0) firsts.emplace_back(ports_[p], fleet_.radios[static_cast<size_t>(firsts_[p])].label);
    return firsts;
}

void FleetJob::Start() {
    running_ = static_cast<int>(ports_.size());
    for (size_t p = 0; p < ports_.size(); ++p) joins_.push_back(StartWorker(options_.startThread, [this, p] { Work(p); }));
}

bool FleetJob::WaitFor(std::chrono::milliseconds timeout) {
    std::unique_lock lock(mutex_);
    return wake_.wait_for(lock, timeout, [this] { return running_ == 0; });
}

void FleetJob::Cancel() {
    {
        std::lock_guard lock(mutex_);
        cancel_ = true;
        for (WorkerLink* link : links_)
            if (link) link->Cancel();
    }
    wake_.notify_all();
}

void FleetJob::Continue(const std::string& port, bool connected) {
    {
        std::lock_guard lock(mutex_);
        for (size_t p = 0; p < ports_.size(); ++p)
            if (ports_[p] == port) (connected ? connected_ : stopped_)[p] = true;
        // The answer shows at once: a watcher never asks twice for one radio.
        for (FleetReport& r : reports_)
            if (connected && r.port == port && r.state == FleetState::Connecting) {
                r.state = FleetState::Running;
                r.message.clear();
            }
    }
    wake_.notify_all();
}

std::vector<FleetReport> FleetJob::Reports() const {
    std::lock_guard lock(mutex_);
    std::vector<FleetReport> reports = reports_;
    // A running radio's step and percent, as its link reported them last.
    for (size_t p = 0; p < ports_.size(); ++p)
        if (links_[p] && runningRadio_[p] >= 0) {
            const WorkerStatus status = links_[p]->Status();
            FleetReport& r = reports[static_cast<size_t>(runningRadio_[p])];
            r.percent = status.progress.percent;
            r.phase = PhaseLine(status);
        }
    return reports;
}

template <class F>
void FleetJob::Update(int radio, F change) {
    std::lock_guard lock(mutex_);
    change(reports_[static_cast<size_t>(radio)]);
}

// A port's own radios first, then any radio not bound to a port, in the CSV's order.
int FleetJob::Take(size_t port) {
    std::lock_guard lock(mutex_);
    if (cancel_ || stopped_[port]) return -1;
    for (const bool own : {true, false})
        for (size_t i = 0; i < fleet_.radios.size(); ++i)
            if (!taken_[i] && fleet_.radios[i].port == (own ? ports_[port] : "")) {
                taken_[i] = true;
                reports_[i].port = ports_[port];
                return static_cast<int>(i);
            }
    return -1;
}

bool FleetJob::AwaitConnect(size_t port, int radio) {
    std::unique_lock lock(mutex_);
    FleetReport& report = reports_[static_cast<size_t>(radio)];
    if (started_[port]++ > 0 && options_.askToConnect) {
        report.state = FleetState::Connecting;
        report.message = "Connect radio '" + report.label + "' to " + ports_[port];
        connected_[port] = false;
        wake_.notify_all();
        wake_.wait(lock, [&] { return connected_[port] || stopped_[port] || cancel_; });
        report.message.clear();
    }
    if (stopped_[port] && !cancel_) {
        report.state = FleetState::Skipped;
        report.message = KV_TEXT("Messages", "not connected");
        return false;
    }
    if (cancel_) {
        report.state = FleetState::Skipped;
        report.message = KV_TEXT("Messages", "cancelled before it started");
        return false;
    }
    report.state = FleetState::Running;
    return true;
}

void FleetJob::Work(size_t port) {
    FleetOptions::PortLine link = options_.openPort(ports_[port]);
    if (!link.clock) link.clock = std::make_shared<SteadyClock>();
    for (int radio = firsts_[port]; radio >= 0; radio = Take(port)) {
        if (!AwaitConnect(port, radio)) continue;
        if (!Program(port, radio, *link.line, *link.clock)) break;
    }
    std::lock_guard lock(mutex_);
    if (--running_ == 0)
        for (size_t i = 0; i < fleet_.radios.size(); ++i)
            if (!taken_[i]) {
                reports_[i].state = FleetState::Skipped;
                reports_[i].message = cancel_ ? KV_TEXT("Messages", "cancelled before it started")
                                              : KV_TEXT("Messages", "no port was left to program it");
            }
    wake_.notify_all();
}

bool FleetJob::Program(size_t port, int radio, SerialLine& line, Clock& clock) {
    const Clock::Duration start = clock.Now();
    RadioSession session = templ_;
    if (const std::string why = ApplyRadioValues(session, fleet_.paths, fleet_.radios[static_cast<size_t>(radio)]); !why.empty()) {
        Update(radio, [&](FleetReport& r) {
            r.state = FleetState::Failed;
            r.message = why;
        });
        return true;
    }
    // Nobody watches one radio: each message is kept when it is the first
    // trouble and a question gets its safe answer.
    WorkerLink worker(WorkerLink::Questions::SafeAnswer, clock);
    const auto list = [&](WorkerLink* link) {
        std::lock_guard lock(mutex_);
        links_[port] = link;
        runningRadio_[port] = link ? radio : -1;
        if (link && cancel_) link->Cancel();
    };
    list(&worker);
    TransferState state;
    state.PortName = ports_[port];
    state.Frontend = options_.frontend;
    CloneLink link({line, clock, worker, worker, nullptr, false}, state);
    SafeProgramPlan plan;
    plan.backup = options_.backup;
    plan.verify = options_.verify;
    plan.askBeforeWriting = false;
    plan.keep = [this](const RadioSession& s, const std::vector<uint8_t>& read) {
        std::lock_guard lock(keepMutex_);  // two radios must not take one file name
        return options_.keep ? options_.keep(s, read) : SavedBackup{{}, "no backups folder"};
    };
    plan.onStep = [this, radio](int step) {
        Update(radio, [step](FleetReport& r) { r.step = static_cast<SafeProgramStep>(step); });
    };
    const SafeProgramResult result = ProgramSafely(link, session, plan);
    list(nullptr);
    const bool alreadyHeld = result.outcome == TransferOutcome::Declined && result.step == SafeProgramStep::Preview &&
                             result.preview.error.empty() && result.preview.changes.empty();
    Update(radio, [&](FleetReport& r) {
        r.step = result.step;
        r.backupPath = result.backupPath;
        r.blocksWritten = result.blocksWritten;
        if (result.step >= SafeProgramStep::Write) r.blocksTotal = result.blocksPlanned;
        r.seconds = std::chrono::duration<double>(clock.Now() - start).count();
        if (result.outcome == TransferOutcome::Completed) {
            r.state = options_.verify ? FleetState::Verified : FleetState::Programmed;
            r.percent = 100;
        } else if (alreadyHeld) {
            r.state = FleetState::Verified;  // the read found every byte in place
            r.message = KV_TEXT("Messages", "the radio already held this data: nothing written");
        } else {
            // A write that stopped part way, or one the verify found other bytes after, left
            // the radio holding neither its old data nor the new whole.
            const bool partly = (result.step == SafeProgramStep::Write && result.blocksWritten > 0) ||
                                !result.verifyDifferences.empty();
            const bool cancelled = result.outcome == TransferOutcome::Cancelled || cancel_;
            r.state = partly ? FleetState::PartlyWritten : cancelled ? FleetState::Cancelled : FleetState::Failed;
            r.message = !link.openError().empty() ? link.openError() : worker.FirstTrouble();
            if (partly && cancelled && r.message.empty()) r.message = "cancelled";
        }
    });
    if (link.openError().empty()) return true;
    SkipRest(port, link.openError());
    return false;
}

// A port that does not open takes no more radios: those bound to it fail
// with its message; the others are left to the other ports.
void FleetJob::SkipRest(size_t port, const std::string& message) {
    std::lock_guard lock(mutex_);
    for (size_t i = 0; i < fleet_.radios.size(); ++i)
        if (!taken_[i] && fleet_.radios[i].port == ports_[port]) {
            taken_[i] = true;
            reports_[i].state = FleetState::Failed;
            reports_[i].message = message;
        }
}

std::string FleetLogCsv(const std::vector<FleetReport>& reports) {
    std::string text =
        WriteDelimitedRow({"label", "port", "result", "message", "backup", "seconds", "blocks written"}, ',', "\r\n");
    for (const FleetReport& r : reports) {
        char seconds[32];
        std::snprintf(seconds, sizeof seconds, "%.1f", r.seconds);
        // Labels come from the radios' CSV and messages may quote a radio's
        // answer: a spreadsheet shows them as text, never as formulas.
        text += WriteDelimitedRow({SpreadsheetText(r.label), r.port, FleetStateText(r.state), SpreadsheetText(r.message),
                                   r.backupPath, seconds, std::to_string(r.blocksWritten)},
                                  ',', "\r\n");
    }
    return text;
}

}  // namespace kv
