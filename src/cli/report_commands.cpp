// kvtool report: the text report of a file, as the preview shows it, or
// saved as the report's text file.
#include <memory>
#include <ostream>

#include "cli/commands.h"
#include "cli/radio_file.h"
#include "files/file_io.h"
#include "report/report.h"

namespace kv::cli {
namespace {

struct ReportOptions {
    std::string file;
    int model = kModelFromFile;
    std::string output;
};

int RunReport(const ReportOptions& o, CommandIo& io) {
    RadioSession session;
    std::string error;
    if (!LoadRadioFile(session, o.file, o.model, error)) return Fail(io, error);
    if (o.output.empty()) {
        io.out << BuildReport(session);
        return io.out.good() ? kExitOk : Fail(io, "cannot write the report to standard output");
    }
    const std::string text = ReportFileText(session);
    error = WriteFileAtomically(o.output, text.data(), text.size());
    return error.empty() ? kExitOk : Fail(io, error);
}

}  // namespace

void AddReportCommands(CLI::App& app, CommandSet& commands) {
    auto options = std::make_shared<ReportOptions>();
    CLI::App* command = app.add_subcommand("report", "Print the text report of a file, or save it with -o");
    command->add_option("file", options->file, "Image file (.hex)")->required();
    command->add_option("--model", options->model, "Model type code 0..6 (default: from the file)");
    command->add_option("-o,--output", options->output, "Text file to write: the report and one line break");
    commands.emplace_back(command, [options](CommandIo& io) { return RunReport(*options, io); });
}

}  // namespace kv::cli
