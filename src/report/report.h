// The text report: every setting of the session as fixed-width rows for a
// monospaced font, shown in the preview and saved as a text file.
#pragma once

#include <string>
#include <vector>

#include "model/session.h"

namespace kv {

// The line break of the report and of its saved file.
inline constexpr const char* kReportLineBreak = "\r\n";

// The whole report. Every line is a line break followed by its content, so
// the text begins with a line break and ends with the blank line that closes
// the last list.
std::string BuildReport(const RadioSession& session);

// The report as its file holds it: the text followed by one line break.
std::string ReportFileText(const RadioSession& session);

// The printed pages, in order: the general page (Available CH Group,
// Common Setup without NMEA and Rotary Beep, ATIS), a page per usable marine
// group, the weather page unless model type 6, the RG page, the LMR page
// when usable, and the EXP page of model type 5 when usable. Each page's
// text uses the report's line breaks.
std::vector<std::string> PrintedPages(const RadioSession& session);
// The page total the headers show: fixed by model type, whatever is printed.
int PrintedPageTotal(int model);
// "KV170 Tidewright    Page 2 / 9".
std::string PrintedPageHeader(const RadioSession& session, int page);

// A marine channel's label: StatusNo x 100 + BaseCh with at least two
// digits, then the StatusIcon ("1016A").
std::string MarineChannelLabel(const ChannelRecord& channel);

// A marine channel's frequencies from its base channel and simplex/duplex
// mode; none (0) for numbers past the table and unknown modes.
struct RxTx {
    double rx = 0;
    double tx = 0;
};
RxTx MarineFrequencies(const ChannelRecord& channel);

// The "CHD" cell of an RG, LMR or EXP channel: CHDisplayL left-justified and
// CHDisplayR right-justified in two characters each, as the display shows
// them; "----" when both are empty.
std::string ChannelDisplayText(const ChannelRecord& channel);

// The header line of a channel list of the report, its column titles
// separated by spaces ("CH  CHD   ENABLE  RX(MHz) ..."). The RG list and the
// LMR list of a model without an EXP list read as their own sections do.
enum class ReportChannelList { Marine, Weather, Rg, Lmr, Exp };
std::string ChannelListHeader(int model, ReportChannelList list);

}  // namespace kv
