// kvtool report: the text report of a file, as the preview shows it, or
// saved as the report's text file.
#include <QApplication>
#include <cstdlib>
#include <memory>
#include <ostream>

#include "cli/commands.h"
#include "files/data_file.h"
#include "files/file_io.h"
#include "print/report_printer.h"
#include "report/report.h"

namespace kv::cli {
namespace {

struct ReportOptions {
    std::string file;
    int model = -1;  // -1: from the file
    std::string output;
};

int RunReport(const ReportOptions& o, CommandIo& io) {
    RadioSession session;
    if (const auto failed = LoadInput(io, session, o.file, o.model)) return *failed;
    if (o.output.empty()) {
        io.out << BuildReport(session);
        return kExitOk;  // kvtool checks that standard output took it
    }
    const std::string text = ReportFileText(session);
    const std::string error = WriteFileAtomically(o.output, text.data(), text.size());
    return error.empty() ? kExitOk : Fail(io, error);
}

struct PrintOptions {
    std::string file;
    int model = -1;
    std::string output;
};

// The printed pages need a Qt application for fonts; without a window one
// runs on the offscreen platform.
int RunPrint(const PrintOptions& o, CommandIo& io) {
    RadioSession session;
    if (const auto failed = LoadInput(io, session, o.file, o.model)) return *failed;
    std::unique_ptr<QApplication> app;
    if (QCoreApplication::instance() == nullptr) {
        if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
        static int argc = 1;
        static char name[] = "kvtool";
        static char* argv[] = {name, nullptr};
        app = std::make_unique<QApplication>(argc, argv);
    }
    const std::string error = ExportReportPdf(session, o.output);
    return error.empty() ? kExitOk : Fail(io, error);
}

}  // namespace

void AddReportCommands(CLI::App& app, CommandSet& commands) {
    auto print = std::make_shared<PrintOptions>();
    CLI::App* printCommand = app.add_subcommand("print", "Render the printed report pages of a file to a PDF");
    printCommand->add_option("file", print->file, "Image (.hex) or settings file (.dat)")->required();
    printCommand->add_option("--model", print->model, "Model type code 0..6 (default: from the file)");
    printCommand->add_option("-o,--output", print->output, "PDF file to write")->required();
    commands.emplace_back(printCommand, [print](CommandIo& io) { return RunPrint(*print, io); });

    auto options = std::make_shared<ReportOptions>();
    CLI::App* command = app.add_subcommand("report", "Print the text report of a file, or save it with -o");
    command->add_option("file", options->file, "Image (.hex) or settings file (.dat)")->required();
    command->add_option("--model", options->model, "Model type code 0..6 (default: from the file)");
    command->add_option("-o,--output", options->output, "Text file to write: the report and one line break");
    commands.emplace_back(command, [options](CommandIo& io) { return RunReport(*options, io); });
}

}  // namespace kv::cli
