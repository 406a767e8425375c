#include "print/report_printer.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStringList>

#include <cctype>
#include <string_view>

#include "files/file_io.h"
#include "report/report.h"
#include "util/texts.h"

namespace kv {
namespace {

constexpr double kTwipsPerInch = 1440.0;
constexpr double kHeaderTopTwips = 283.5;
constexpr double kMarginInch = 0.75;
constexpr int kPointSize = 9;
constexpr uintmax_t kLargestPdf = 64u << 20;

// A PDF ends with its end-of-file marker, whitespace aside.
bool PdfComplete(const std::vector<uint8_t>& bytes) {
    std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
    return text.starts_with("%PDF-") && text.ends_with("%%EOF");
}

}  // namespace

std::string PrintReport(const RadioSession& session, QPrinter& printer) {
    printer.setFullPage(true);
    QPainter painter;
    if (!painter.begin(&printer)) return KV_TEXT("Messages", "The printer could not be started.");
    // Courier New, or the metric-compatible Liberation Mono where it is missing.
    QFont font("Courier New", kPointSize);
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    painter.setFont(font);
    const double dpi = printer.resolution();
    const QRectF paper = printer.paperRect(QPrinter::DevicePixel);
    const QFontMetricsF metrics(font, &printer);
    const double left = kMarginInch * dpi;
    const double headerBaseline = kHeaderTopTwips / kTwipsPerInch * dpi + metrics.ascent();
    const double top = kMarginInch * dpi + metrics.height();
    const double bottom = paper.height() - kMarginInch * dpi;

    const std::vector<std::string> pages = PrintedPages(session);
    for (size_t p = 0; p < pages.size(); ++p) {
        if (p > 0 && !printer.newPage()) return KV_TEXT("Messages", "The printer refused a new page.");
        const QString header = QString::fromStdString(PrintedPageHeader(session, static_cast<int>(p) + 1));
        painter.drawText(QPointF(left, headerBaseline), header);
        double y = top;
        const QStringList lines = QString::fromStdString(pages[p]).split("\r\n");
        for (const QString& line : lines) {
            // A page longer than the sheet goes on under the same header.
            if (y + metrics.height() > bottom) {
                if (!printer.newPage()) return KV_TEXT("Messages", "The printer refused a new page.");
                painter.drawText(QPointF(left, headerBaseline), header);
                y = top;
            }
            y += metrics.height();
            painter.drawText(QPointF(left, y), line);
        }
    }
    if (!painter.end()) return KV_TEXT("Messages", "The printer could not finish the document.");
    return {};
}

std::string ExportReportPdf(const RadioSession& session, const std::filesystem::path& path) {
    // The printer writes a file of its own and says nothing when the disk
    // fills: it writes beside the target (or, for a pipe or a device, in the
    // temporary folder), the result is checked whole, and only then goes to
    // the target as every other file is saved.
    std::string error;
    const std::filesystem::path draft = TemporaryFileBeside(path, error);
    if (draft.empty()) return error;
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(draft.string()));
        printer.setDocName(QString::fromStdString(session.ModelName() + " Tidewright"));
        error = PrintReport(session, printer);
    }
    const FileBytes pdf = ReadFileBytes(draft, kLargestPdf);
    std::filesystem::remove(draft);
    if (!error.empty()) return path.string() + ": " + error;
    if (!pdf.ok) return path.string() + ": " + ReasonOf(pdf.error, draft);  // the draft's name means nothing to the user
    if (!PdfComplete(pdf.bytes)) return path.string() + ": the PDF could not be written whole (is the disk full?)";
    return WriteFileAtomically(path, pdf.bytes.data(), pdf.bytes.size());
}

}  // namespace kv
