#include "gui/link_transfer_job.h"

#include "link/transfers.h"
#include "qt/qt_serial_line.h"

namespace kv {
namespace {

// The link's progress and debug notes, passed on to the dialog.
class DialogSink : public TransferSink {
public:
    explicit DialogSink(TransferEvents& events) : events_(events) {}
    void Progress(const TransferProgress& progress) override { events_.Progress(progress.percent); }
    void Note(const std::string& text) override { events_.Note(text); }

private:
    TransferEvents& events_;
};

}  // namespace

LinkTransferJob::LinkTransferJob(RadioSession& session, Prompt& prompt, std::function<std::string()> port,
                                 ErrorLog* log, bool debug, Clock* clock)
    : session_(session),
      prompt_(prompt),
      port_(std::move(port)),
      log_(log),
      debug_(debug),
      clock_(clock ? *clock : steadyClock_) {}

TransferEnd LinkTransferJob::Run(int mode, TransferEvents& events) {
    qt::QtSerialLine line(port_());
    DialogSink sink(events);
    TransferState state;
    state.DebugMode = debug_;
    state.PortName = port_();
    state.TransferMode = mode == kTransferRead ? kModeRead : kModeProgram;
    const auto pump = [&] {
        events.Pump();
        if (events.CancelRequested()) state.CancelFlag = true;
    };
    CloneLink link(LinkContext{line, clock_, prompt_, sink, pump, log_, true}, state);
    switch (TransferRunner(link, session_).Run()) {
        case TransferOutcome::Completed: return TransferEnd::Completed;
        case TransferOutcome::Cancelled: return TransferEnd::Cancelled;
        default: return TransferEnd::Failed;
    }
}

}  // namespace kv
