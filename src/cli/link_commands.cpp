// kvtool ports, read and program: the radio link from the command line.
#include <signal.h>
#include <unistd.h>

#include <QCoreApplication>
#include <chrono>
#include <cstdio>
#include <iostream>
#include <map>
#include <memory>
#include <optional>

#include "cli/commands.h"
#include "cli/stream_prompt.h"
#include "cli/terminal_link.h"
#include "editor/channel_screens.h"
#include "files/data_file.h"
#include "files/error_log.h"
#include "files/file_io.h"
#include "files/session_commands.h"
#include "link/tracing_line.h"
#include "files/backups.h"
#include "link/link_texts.h"
#include "link/safe_program.h"
#include "link/transfers.h"
#include "qt/qt_platform.h"
#include "qt/qt_serial_line.h"
#include "util/texts.h"

namespace kv::cli {
namespace {

using SteadyTime = std::chrono::steady_clock;

std::string Clock(double seconds) {
    char text[16];
    const int s = static_cast<int>(seconds + 0.5);
    std::snprintf(text, sizeof text, "%02d:%02d", s / 60, s % 60);
    return text;
}

// A progress bar on a terminal, plain lines every tenth otherwise; debug
// notes on lines of their own; Ctrl-C cancels.
class TerminalEvents : public TransferEvents {
public:
    TerminalEvents(std::ostream& err, bool terminal, std::string what)
        : err_(err), terminal_(terminal), what_(std::move(what)) {}

    void Progress(const TransferProgress& p) override {
        if (p.steps == 0) return;
        if (p.step == 0) start_ = SteadyTime::now();
        const double elapsed = std::chrono::duration<double>(SteadyTime::now() - start_).count();
        const double left = p.step > 0 ? elapsed * (p.steps - p.step) / p.step : 0;
        if (terminal_) {
            const int filled = p.percent * 30 / 100;
            err_ << "\r" << what_ << " [" << std::string(static_cast<size_t>(filled), '#')
                 << std::string(static_cast<size_t>(30 - filled), '.') << "] " << p.percent << "%  " << p.step << "/"
                 << p.steps << " blocks  " << Clock(elapsed) << " elapsed  " << Clock(left) << " left " << std::flush;
            if (p.step == p.steps) err_ << "\n";
        } else if (p.percent / 10 != lastTenth_ || p.step == p.steps) {
            lastTenth_ = p.percent / 10;
            err_ << what_ << ": " << p.percent << "% (" << p.step << "/" << p.steps << " blocks, " << Clock(elapsed)
                 << " elapsed)\n";
        }
    }
    void Note(const std::string& text) override {
        if (!text.empty()) err_ << (terminal_ ? "\n" : "") << "note: " << text << "\n";
    }
    void Waiting(const std::string& text) override {
        if (!text.empty()) err_ << (terminal_ ? "\n" : "") << text << "\n";
    }
    // The steps of a program with backup or verify, with what they cost.
    void Phase(const std::string& text) override { Waiting(text); }
    bool Pump() override { return interrupts_.TakeNew(); }
    void SetWhat(std::string what) {
        what_ = std::move(what);
        lastTenth_ = -1;
    }
    bool interrupted() const { return interrupts_.interrupted(); }

private:
    InterruptGuard interrupts_;
    std::ostream& err_;
    bool terminal_;
    std::string what_;
    SteadyTime::time_point start_ = SteadyTime::now();
    int lastTenth_ = -1;
};

// --trace: bytes of one direction gathered up to a line end.
class TraceWriter {
public:
    explicit TraceWriter(std::ostream& err) : err_(err) {}
    ~TraceWriter() { Flush(); }
    void Add(TraceDirection d, const uint8_t* data, size_t size) {
        if (d != direction_ || pending_.size() >= 64) Flush();
        if (pending_.empty()) at_ = SteadyTime::now();
        direction_ = d;
        pending_.insert(pending_.end(), data, data + size);
        if (size > 0 && data[size - 1] == '\n') Flush();
    }
    void Flush() {
        if (pending_.empty()) return;
        const double t = std::chrono::duration<double>(at_ - start_).count();
        err_ << FormatTraceLine(t, direction_, pending_.data(), pending_.size()) << "\n";
        pending_.clear();
    }

private:
    std::ostream& err_;
    SteadyTime::time_point start_ = SteadyTime::now(), at_;
    TraceDirection direction_ = TraceDirection::ToRadio;
    std::vector<uint8_t> pending_;
};

struct LinkOptions {
    std::string port;
    bool debug = false;
    bool trace = false;
    bool yes = false;
};

// Everything one kvtool link command talks through.
class LinkSetup {
public:
    LinkSetup(const LinkOptions& o, const std::string& portName, CommandIo& io)
        : terminal_(isatty(STDERR_FILENO) != 0),
          serial_(portName),
          trace_(io.err),
          tracing_(serial_, [this](TraceDirection d, const uint8_t* p, size_t n) { trace_.Add(d, p, n); }),
          prompt_(io.err, terminal_ && isatty(STDIN_FILENO) != 0, o.yes),
          events_(io.err, terminal_, "read"),
          log_(qt::ErrorLogPath(), o.debug) {
        state_.DebugMode = o.debug;
        state_.PortName = portName;
        state_.Frontend = Frontend::Kvtool;
        SerialLine& line = o.trace ? static_cast<SerialLine&>(tracing_) : serial_;
        kv::Clock& linkClock = io.linkClock ? *io.linkClock : clock_;
        link_ = std::make_unique<CloneLink>(LinkContext{line, linkClock, prompt_, events_, &log_, false}, state_);
    }
    CloneLink& link() { return *link_; }
    TerminalEvents& events() { return events_; }
    bool interrupted() const { return events_.interrupted(); }

private:
    bool terminal_;
    qt::QtSerialLine serial_;
    TraceWriter trace_;
    TracingLine tracing_;
    SteadyClock clock_;
    TerminalPrompt prompt_;
    TerminalEvents events_;
    FileErrorLog log_;
    TransferState state_;
    std::unique_ptr<CloneLink> link_;
};

// The exit status of a transfer that ended; the link has told why already.
// A program that stopped after its first write says so in its own status.
int Finish(TransferOutcome outcome, LinkSetup& setup, CommandIo& io, int blocksWritten = 0) {
    if (outcome == TransferOutcome::Completed) return kExitOk;
    const bool cancelled = outcome == TransferOutcome::Cancelled || setup.interrupted();
    if (cancelled) io.err << "kvtool: cancelled\n";
    if (blocksWritten > 0) return kExitPartlyWritten;
    return cancelled ? kExitCancelled : kExitFailed;
}

// ---- ports ------------------------------------------------------------------

int RunPorts(CommandIo& io) {
    CoreApplication app;
    PortList list;
    if (list.Create(qt::AvailablePorts()) == 0) {
        io.out << text::kNoPort << "\n";
        return kExitOk;
    }
    for (int i = 0; i < list.ComCount(); ++i) {
        const PortEntry& e = list.Entry(i);
        io.out << e.number << "\t" << e.name << (e.description.empty() ? "" : "\t" + e.description) << "\n";
    }
    return kExitOk;
}

// ---- read -------------------------------------------------------------------

// Room enough for what a read saves: the image, or a settings file (about 80 KB).
size_t SavedSize(DataFileKind kind, const RadioSession& s) {
    constexpr size_t kSettingsFileRoom = 128 * 1024;
    return kind == DataFileKind::Image ? static_cast<size_t>(s.image.size()) : kSettingsFileRoom;
}

struct ReadOptions {
    LinkOptions link;
    int model = kDefaultModel;
    std::string variant;
    std::string region;
    std::string output;
};

int RunRead(const ReadOptions& o, CommandIo& io) {
    RadioSession session;
    if (const std::string error = BuildNewSession({o.model, o.variant, o.region, "", ""}, session); !error.empty())
        return Fail(io, error);
    const DataFileKind kind = KindOfDataFile(o.output);
    if (kind == DataFileKind::Unknown) return Fail(io, o.output + ": unknown kind of file (use .hex or .dat)");
    // A read that cannot be saved is not started: it would be lost.
    if (const std::string error = CheckFileWritable(o.output, SavedSize(kind, session)); !error.empty())
        return Fail(io, "nothing read: " + error);
    CoreApplication app;
    std::string error;
    const std::string port = PortName(o.link.port, error);
    if (port.empty()) return Fail(io, error);
    LinkSetup setup(o.link, port, io);
    setup.link().state().TransferMode = TransferMode::Read;
    TransferRunner runner(setup.link(), session);
    const TransferOutcome outcome = runner.Run();
    if (outcome != TransferOutcome::Completed) return Finish(outcome, setup, io);
    const SavedBackup backup = SaveReadBackup(qt::BackupFolder(), session, std::chrono::system_clock::now());
    if (!backup.error.empty()) io.err << "kvtool: warning: the read was not kept in the backups: " << backup.error << "\n";
    StreamPrompt prompt(io.err);
    const DataFileResult saved = SaveDataFile(session, o.output, prompt);
    if (saved.ok) return kExitOk;
    if (!backup.path.empty()) return Fail(io, saved.error + "; the read is kept in " + backup.path.string());
    return Fail(io, saved.error);
}

// ---- program ----------------------------------------------------------------

struct ProgramOptions {
    LinkOptions link;
    std::string file;
    int model = -1;
    bool verify = false;
    bool dryRun = false;
    bool full = false;
    std::string backup;                    // a .hex file, or empty for the backups folder
    CLI::Option* backupOption = nullptr;  // given at all
};

// A whole read of the radio kept in the backups folder.
SavedBackup KeepInBackups(const RadioSession& session, const std::vector<uint8_t>& radio) {
    return SaveBackup(qt::BackupFolder(), session, radio, std::chrono::system_clock::now());
}

int RunProgram(const ProgramOptions& o, CommandIo& io) {
    RadioSession session;
    std::vector<std::string> missing;
    if (const auto failed = LoadInput(io, session, o.file, o.model, &missing)) return *failed;
    // Defaults in place of what a file cut short lacks reach no radio unasked.
    TerminalPrompt ask(io.err, isatty(STDIN_FILENO) != 0 && isatty(STDERR_FILENO) != 0, o.link.yes);
    if (!missing.empty() && !o.dryRun && ask.Show(IncompleteDataQuestion(o.file, missing)) != Answer::Yes)
        return Fail(io, "nothing written: " + o.file + " is incomplete");
    // The radio gets no enabled channel it cannot use, as from the window.
    if (const std::string incomplete = IncompleteChannels(session); !incomplete.empty())
        return Fail(io, "nothing written: enabled channels without a receive frequency or channel number: " +
                            incomplete);
    if (!o.backup.empty() && !o.backup.ends_with(".hex")) return Fail(io, "--backup must name a .hex file");
    // The backup asked for is written before anything else; one that cannot be is no reason to ask.
    if (!o.backup.empty())
        if (const std::string error = CheckFileWritable(o.backup, static_cast<size_t>(session.image.size()));
            !error.empty())
            return Fail(io, "nothing written: the backup cannot be saved: " + error);
    CoreApplication app;
    std::string error;
    const std::string port = PortName(o.link.port, error);
    if (port.empty()) return Fail(io, error);
    LinkSetup setup(o.link, port, io);
    SafeProgramPlan plan;
    plan.backup = o.backupOption && o.backupOption->count() > 0;
    plan.verify = o.verify;
    plan.dryRun = o.dryRun;
    plan.everyBlock = o.full;
    plan.askBeforeWriting = isatty(STDIN_FILENO) != 0 && isatty(STDERR_FILENO) != 0 && !o.link.yes;
    const std::string file = o.backup;
    plan.backupRequired = !file.empty();
    plan.keep = [file, &io](const RadioSession& s, const std::vector<uint8_t>& radio) {
        SavedBackup saved = file.empty() ? KeepInBackups(s, radio) : SavedBackup{file, ""};
        if (!file.empty())
            if (std::string failure = WriteFileAtomically(file, radio.data(), radio.size()); !failure.empty())
                saved = {{}, std::move(failure)};
        if (saved.error.empty()) io.err << "kvtool: backup: " << saved.path.string() << "\n";
        else if (!file.empty()) io.err << "kvtool: the backup cannot be saved: " << saved.error << "\n";
        return saved;
    };
    plan.onStep = [&setup](int step) {
        static constexpr const char* kWhat[] = {"backup", "preview", "program", "verify", "done"};
        setup.events().SetWhat(kWhat[step]);
    };
    const SafeProgramResult result = ProgramSafely(setup.link(), session, plan);
    if (o.dryRun && result.step == SafeProgramStep::Preview) {
        for (const SettingChange& c : result.preview.changes) io.out << c.line << "\n";
        io.err << "kvtool: nothing written (--dry-run): the write would change " << result.preview.changes.size()
               << " settings\n";
        return kExitOk;
    }
    if (result.outcome == TransferOutcome::Declined)
        return Fail(io, result.step == SafeProgramStep::Write ? "nothing written: the narrowband question was answered No"
                                                              : "nothing written");
    // The radio holds neither its old data nor the new whole: as a write that stopped part way.
    if (!result.verifyDifferences.empty()) {
        Fail(io, "verify: " + std::to_string(result.verifyDifferences.size()) + " bytes differ");
        return kExitPartlyWritten;
    }
    // A write that stopped part way has its own status; a failed verify read after a whole write has not.
    return Finish(result.outcome, setup, io, result.step == SafeProgramStep::Write ? result.blocksWritten : 0);
}

void AddLinkOptions(CLI::App* command, LinkOptions& o) {
    command->add_option("--port", o.port, "Serial port: its number in `kvtool ports`, a name or a path")->required();
    command->add_flag("--debug", o.debug, "Print the protocol's progress notes; log errors to err.log");
    command->add_flag("--trace", o.trace, "Hex-dump every byte both ways with timestamps");
}

}  // namespace

void AddLinkCommands(CLI::App& app, CommandSet& commands) {
    CLI::App* ports = app.add_subcommand("ports", "List the serial ports with their descriptions");
    commands.emplace_back(ports, [](CommandIo& io) { return RunPorts(io); });

    auto read = std::make_shared<ReadOptions>();
    CLI::App* readCommand = app.add_subcommand("read", "Read the whole radio into a file");
    AddLinkOptions(readCommand, read->link);
    readCommand->add_option("--model", read->model, "Model type code 0..6 (default 5)");
    readCommand->add_option("--variant", read->variant, "KV170 or KV150: the destination the radio must have")
        ->check(CLI::IsMember({"KV170", "KV150"}));
    readCommand->add_option("--region", read->region, "Region of model type 6: 0..5, 255 or intl, uk, be, nl, sw, grmn");
    readCommand->add_option("-o,--output", read->output, "File to write (.hex)")->required();
    commands.emplace_back(readCommand, [read](CommandIo& io) { return RunRead(*read, io); });

    auto program = std::make_shared<ProgramOptions>();
    CLI::App* programCommand = app.add_subcommand("program", "Program the radio from a file");
    AddLinkOptions(programCommand, program->link);
    programCommand->add_option("file", program->file, "File to program (.hex)")->required();
    programCommand->add_option("--model", program->model, "Model type code 0..6 (default: from the file)");
    programCommand->add_flag("--yes", program->link.yes, "Answer questions affirmatively when there is no terminal");
    programCommand->add_flag("--verify", program->verify, "Read back and compare every byte written");
    program->backupOption =
        programCommand
            ->add_option("--backup", program->backup,
                         "Read the whole radio first and keep it in this .hex file, or without a name in the "
                         "backups folder (kvtool backups); show what the write changes")
            ->expected(0, 1);
    programCommand->add_flag("--full", program->full,
                             "With --backup: write every block, not only those whose bytes the radio does not hold "
                             "already");
    programCommand->add_flag("--dry-run", program->dryRun,
                             "Read the radio and print what the write would change; write nothing");
    commands.emplace_back(programCommand, [program](CommandIo& io) { return RunProgram(*program, io); });
}

}  // namespace kv::cli
