// kvtool report: the text report of a file, as the preview shows it, or
// saved as the report's text file.
#include <memory>
#include <ostream>

#include "cli/commands.h"
#include "files/data_file.h"
#include "files/file_io.h"
#include "report/report.h"

namespace kv::cli {
namespace {

struct ReportOptions {
    std::string file;
    int model = -1;  // -1: from the file
    std::string output;
};

int RunReport(const ReportOptions& o, CommandIo& io) {
    if (o.model >= 0 && !IsValidModel(o.model)) return Fail(io, "--model must be a model type code from 0 to 6");
    RadioSession session;
    const DataFileResult loaded = LoadDataFile(session, o.file, o.model >= 0 ? std::optional<int>(o.model) : std::nullopt);
    if (!loaded.ok) return Fail(io, loaded.error);
    if (o.output.empty()) {
        io.out << BuildReport(session);
        return io.out.good() ? kExitOk : Fail(io, "cannot write the report to standard output");
    }
    const std::string text = ReportFileText(session);
    const std::string error = WriteFileAtomically(o.output, text.data(), text.size());
    return error.empty() ? kExitOk : Fail(io, error);
}

}  // namespace

void AddReportCommands(CLI::App& app, CommandSet& commands) {
    auto options = std::make_shared<ReportOptions>();
    CLI::App* command = app.add_subcommand("report", "Print the text report of a file, or save it with -o");
    command->add_option("file", options->file, "Image (.hex) or settings file (.dat)")->required();
    command->add_option("--model", options->model, "Model type code 0..6 (default: from the file)");
    command->add_option("-o,--output", options->output, "Text file to write: the report and one line break");
    commands.emplace_back(command, [options](CommandIo& io) { return RunReport(*options, io); });
}

}  // namespace kv::cli
