// kvtool csv export and csv import: one channel list as comma- or semicolon-separated
// text, in our layout or the generic one.
#include <memory>
#include <ostream>

#include "cli/commands.h"
#include "cli/stream_prompt.h"
#include "editor/channel_csv.h"
#include "files/data_file.h"
#include "files/file_io.h"

namespace kv::cli {
namespace {

struct CsvOptions {
    std::string file;
    std::string list;
    std::string csv;  // import: the CSV file to read
    std::string output;
    int model = -1;
    std::string layout = "kvprog";  // export: "kvprog" or "generic"
    std::string separator = ",";    // export: "," or ";"
};

// The list named on the command line, if the file's model has it.
std::optional<ChannelList> ListOf(CommandIo& io, const CsvOptions& o, const RadioSession& session) {
    const std::optional<ChannelList> list = ParseChannelList(o.list);
    if (!list) {
        Fail(io, "LIST must be one of usa, intl, can, wx, rg, lmr, exp");
        return std::nullopt;
    }
    if (!ModelHasList(session.model, *list)) {
        Fail(io, "the " + session.ModelName() + " has no " + ChannelListName(*list) + " list");
        return std::nullopt;
    }
    return list;
}

int RunExport(const CsvOptions& o, CommandIo& io) {
    RadioSession session;
    if (const auto failed = LoadInput(io, session, o.file, o.model)) return *failed;
    const std::optional<ChannelList> list = ListOf(io, o, session);
    if (!list) return kExitFailed;
    const CsvFormat format{o.layout == "generic" ? CsvLayout::Generic : CsvLayout::Kvprog, o.separator.at(0)};
    if (!LayoutHoldsList(format.layout, *list)) return Fail(io, "the generic layout holds the rg, lmr and exp lists only");
    if (o.output.empty()) {
        io.out << ExportChannelsCsv(session, *list, format);
        return kExitOk;
    }
    const std::string error = ExportChannelsCsvFile(session, *list, o.output, format);
    return error.empty() ? kExitOk : Fail(io, error);
}

int RunImport(const CsvOptions& o, CommandIo& io) {
    RadioSession session;
    if (const auto failed = LoadInput(io, session, o.file, o.model)) return *failed;
    const std::optional<ChannelList> list = ListOf(io, o, session);
    if (!list) return kExitFailed;
    ChannelChange change = ImportChannelsCsvFile(session, *list, o.csv);
    if (!change.settings) {
        for (const std::string& problem : change.problems)
            io.err << "kvtool: " << o.csv << ": " << ReasonOf(problem, o.csv) << "\n";  // the file named once
        return Fail(io, o.output + " not written");
    }
    for (const std::string& note : change.notes) io.err << "kvtool: warning: " << o.csv << ": " << note << "\n";
    session.settings = std::move(*change.settings);
    StreamPrompt prompt(io.err);
    const DataFileResult saved = SaveDataFile(session, o.output, prompt);
    return saved.ok ? kExitOk : Fail(io, saved.error);
}

}  // namespace

void AddCsvCommands(CLI::App& app, CommandSet& commands) {
    CLI::App* csv = app.add_subcommand("csv", "Export or import one channel list as CSV (usa, intl, can, wx, rg, lmr, exp)");
    csv->require_subcommand(1);

    auto exportOptions = std::make_shared<CsvOptions>();
    CLI::App* exportCommand = csv->add_subcommand("export", "Write a channel list of a file as CSV");
    exportCommand->add_option("file", exportOptions->file, "Image (.hex) or settings file (.dat)")->required();
    exportCommand->add_option("list", exportOptions->list, "usa, intl, can, wx, rg, lmr or exp")->required();
    exportCommand->add_option("-o,--output", exportOptions->output, "CSV file to write (default: standard output)");
    exportCommand->add_option("--layout", exportOptions->layout, "kvprog (this program's columns, the default) or generic (Location, Name, Frequency, ...: rg, lmr and exp)")
        ->check(CLI::IsMember({"kvprog", "generic"}));
    exportCommand->add_option("--separator", exportOptions->separator, "\",\" (the default) or \";\" (numbers with a decimal comma)")
        ->check(CLI::IsMember({",", ";"}));
    exportCommand->add_option("--model", exportOptions->model, "Model type code 0..6 (default: from the file)");
    commands.emplace_back(exportCommand, [exportOptions](CommandIo& io) { return RunExport(*exportOptions, io); });

    auto importOptions = std::make_shared<CsvOptions>();
    CLI::App* importCommand = csv->add_subcommand("import", "Replace a channel list of a file with a CSV file's rows (either layout, either separator) and write OUT; nothing is written when a cell is refused");
    importCommand->add_option("file", importOptions->file, "Image (.hex) or settings file (.dat)")->required();
    importCommand->add_option("list", importOptions->list, "usa, intl, can, wx, rg, lmr or exp")->required();
    importCommand->add_option("csv", importOptions->csv, "CSV file to read")->required();
    importCommand->add_option("-o,--output", importOptions->output, "File to write (.hex or .dat)")->required();
    importCommand->add_option("--model", importOptions->model, "Model type code 0..6 (default: from the file)");
    commands.emplace_back(importCommand, [importOptions](CommandIo& io) { return RunImport(*importOptions, io); });
}

}  // namespace kv::cli
