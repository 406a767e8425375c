#include "fleet/fleet_setup.h"

#include <algorithm>

#include "editor/channel_screens.h"
#include "util/advice.h"
#include "util/texts.h"

namespace kv {

std::string FleetTemplateProblem(const RadioSession& templ) {
    const std::string incomplete = IncompleteChannels(templ);
    return incomplete.empty() ? "" : "enabled channels without a receive frequency or channel number: " + incomplete;
}

std::string ShortPortName(const std::string& device) {
    return device.starts_with("/dev/") ? device.substr(5) : device;
}

FleetRow RowOf(const FleetReport& r, const SafeProgramPlan& plan) {
    FleetRow row{r.label, ShortPortName(r.port), FleetStateText(r.state), 0, r.message};
    if (r.state == FleetState::Running) {
        row.state = r.phase.empty() ? StepText(plan, r.step) : r.phase;
        row.percent = r.percent;
    }
    if (Succeeded(r.state)) row.percent = 100;
    if (r.state == FleetState::Connecting) row.result = KV_TEXT("Messages", "connect it, then press Next");
    if (r.partlyWritten()) row.result += (row.result.empty() ? "" : "; ") + r.BlocksText();
    if (!r.backupPath.empty()) row.result += (row.result.empty() ? "" : "; ") + ("backup: " + r.backupPath);
    return row;
}

std::string FleetSummary(const std::vector<FleetReport>& reports) {
    std::vector<std::pair<std::string, int>> counts;  // in the order the states first come
    for (const FleetReport& r : reports) {
        const std::string state = FleetStateText(r.state);
        auto it = std::find_if(counts.begin(), counts.end(), [&](const auto& c) { return c.first == state; });
        if (it == counts.end()) counts.emplace_back(state, 1);
        else ++it->second;
    }
    std::string text;
    for (const auto& [state, count] : counts) text += (text.empty() ? "" : ", ") + std::to_string(count) + " " + state;
    return text;
}

void FleetSetup::SetTemplate(RadioSession templ, std::string name) {
    templ_ = std::move(templ);
    templateName_ = std::move(name);
    hasTemplate_ = true;
    Check();
}

void FleetSetup::SetRadios(std::string csv, std::string name) {
    csv_ = std::move(csv);
    radiosName_ = std::move(name);
    Check();
}

void FleetSetup::SetPorts(std::vector<std::string> devices) {
    devices_ = std::move(devices);
    Check();
}

// A port column may name a port as the window shows it ("ttyUSB0") or by its device.
std::vector<std::string> FleetSetup::Names() const {
    std::vector<std::string> names = devices_;
    for (const std::string& device : devices_) names.push_back(ShortPortName(device));
    return names;
}

void FleetSetup::Check() {
    radios_ = {};
    if (hasTemplate_ && !radiosName_.empty()) radios_ = ReadFleetRadios(csv_, templ_, Names());
    for (FleetRadio& radio : radios_.radios)
        for (const std::string& device : devices_)
            if (radio.port == ShortPortName(device)) radio.port = device;
}

std::vector<std::string> FleetSetup::Problems() const {
    std::vector<std::string> problems;
    if (!hasTemplate_) problems.push_back(KV_TEXT("Messages", "Choose the programming every radio gets."));
    else if (const std::string problem = FleetTemplateProblem(templ_); !problem.empty())
        problems.push_back(templateName_ + ": " + problem);
    if (radiosName_.empty()) problems.push_back(KV_TEXT("Messages", "Load the radios' CSV."));
    for (const std::string& error : radios_.errors) problems.push_back(radiosName_ + ": " + error);
    if (devices_.empty()) problems.push_back(KV_TEXT("Messages", "Tick the ports to program on."));
    else if (const std::string error = CheckFleetPorts(devices_); !error.empty()) problems.push_back(error);
    return problems;
}

std::string FleetSetup::ConnectFirst() const {
    if (!Problems().empty()) return "";
    const FleetJob preview(templ_, radios_, devices_, {});  // never started: it only says who goes first
    std::string pairs;
    const auto firsts = preview.FirstRadios();
    for (size_t i = 0; i < firsts.size(); ++i)
        pairs += (i == 0 ? "" : i + 1 == firsts.size() ? " and " : ", ") + ("'" + firsts[i].second + "' to " + ShortPortName(firsts[i].first));
    return "Connect " + pairs + ", then press Start.";
}

std::unique_ptr<FleetJob> FleetSetup::MakeJob(FleetOptions options) const {
    if (!Problems().empty()) return nullptr;
    return std::make_unique<FleetJob>(templ_, radios_, devices_, std::move(options));
}

FleetWatch::FleetWatch(std::unique_ptr<FleetJob> job, SafeProgramPlan plan) : job_(std::move(job)), plan_(std::move(plan)) {
    Poll();
}

bool FleetWatch::Poll() {
    done_ = job_->WaitFor(std::chrono::milliseconds(0));
    reports_ = job_->Reports();
    rows_.clear();
    for (const FleetReport& r : reports_) rows_.push_back(RowOf(r, plan_));
    // A radio leaves the queue when Next answers it or its wait ends.
    std::erase_if(waiting_, [&](const std::string& label) { return !Connecting(label); });
    for (const FleetReport& r : reports_)
        if (r.state == FleetState::Connecting && std::find(waiting_.begin(), waiting_.end(), r.label) == waiting_.end())
            waiting_.push_back(r.label);
    return done_;
}

const FleetReport* FleetWatch::Connecting(const std::string& label) const {
    for (const FleetReport& r : reports_)
        if (r.label == label && r.state == FleetState::Connecting) return &r;
    return nullptr;
}

std::string FleetWatch::ConnectRequest() const {
    const FleetReport* r = waiting_.empty() ? nullptr : Connecting(waiting_.front());
    return r ? AdviceText(Advice::FleetConnect, {r->label, ShortPortName(r->port)}) : "";
}

void FleetWatch::Next() {
    const FleetReport* r = waiting_.empty() ? nullptr : Connecting(waiting_.front());
    if (!r) return;
    job_->Continue(r->port);
    waiting_.erase(waiting_.begin());
}

std::string FleetWatch::EndText() const {
    std::string text = (cancelled() ? "Cancelled: " : "Done: ") + FleetSummary(reports_) + ".";
    for (const FleetReport& r : reports_)
        if (r.partlyWritten())
            text += "\n'" + r.label + "' is partly written (" + r.BlocksText() + "), part old and part new data" +
                    (r.backupPath.empty() ? "." : "; its backup: " + r.backupPath);
    return text;
}

}  // namespace kv
