#include "link/link_texts.h"

namespace kv {
namespace {

std::string Joined(const std::vector<std::string>& items) {
    std::string text;
    for (const std::string& item : items) text += (text.empty() ? "" : ", ") + item;
    return text;
}

std::string PortOrChosen(const std::string& port) { return port.empty() ? "the chosen port" : port; }

}  // namespace

std::string PortCheckAdvice(const std::string& port) {
    const std::string at = PortOrChosen(port);
    return "The radio did not answer properly on " + at +
           ". Check that the radio is switched on and in PC-programming mode, that the cable is seated at both "
           "ends, and that " + at + " is the port the cable is on.";
}

std::string PortMissingText(const std::string& port, const std::vector<std::string>& existing) {
    const std::string what = PortOrChosen(port) + " does not exist. ";
    if (existing.empty()) return what + "This computer has no serial port now: plug in the programming cable.";
    return what + "The ports that do: " + Joined(existing) + ".";
}

std::string PortPermissionText(const std::string& port, const std::string& group) {
    const std::string owner = group.empty() ? "dialout" : group;
    return PortOrChosen(port) + ": permission denied. Join the group that owns the device (sudo usermod -aG " +
           owner + " $USER), then log in again.";
}

std::string PortBusyText(const std::string& port, const std::string& holder) {
    const std::string who = holder.empty() ? "another program" : holder;
    return PortOrChosen(port) + " is busy: " + who + " holds it. Close " + (holder.empty() ? "that program" : holder) +
           " and try again.";
}

std::string PartlyWrittenText(int written, int total) {
    return "The radio now holds part old and part new data: " + std::to_string(written) + " of " +
           std::to_string(total) + " blocks were written. Write again, or restore the backup.";
}

std::string NoEchoText(const std::string& port, int seconds) {
    return "Nothing came back from " + PortOrChosen(port) + " within " + std::to_string(seconds) +
           " s, not even the echo the programming cable gives of every byte: no cable answers on that port.\r\n" +
           PortCheckAdvice(port);
}

std::string CableWaitText(const std::string& port) {
    return "Testing the cable on " + PortOrChosen(port) + ": waiting for its echo...";
}

std::string RadioWaitText(const std::string& port) {
    return "Waiting for the radio on " + PortOrChosen(port) + " to answer...";
}

}  // namespace kv
