// The printed report: the pages of PrintedPages drawn on a printer (paper or
// PDF) in a fixed-pitch font, each under its page header.
#pragma once

#include <QPrinter>
#include <filesystem>
#include <string>

#include "model/session.h"

namespace kv {

// Draws every printed page; "" on success, else what failed.
std::string PrintReport(const RadioSession& session, QPrinter& printer);

// The same pages as a PDF file; "" on success, else what failed.
std::string ExportReportPdf(const RadioSession& session, const std::filesystem::path& path);

}  // namespace kv
