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

std::string PortPermissionText(const std::string& port, const std::string& group, const std::string& vendor,
                               const std::string& product) {
    const std::string at = PortOrChosen(port);
    if (!group.empty())
        return at + ": permission denied. Join the group that owns the device (sudo usermod -aG " + group +
               " $USER), then log in again.";
    const bool known = !vendor.empty() && !product.empty();
    return at + ": permission denied. The device allows only its owner. Grant access with a udev rule for the "
                "adapter: a file /etc/udev/rules.d/70-kvprog.rules holding the line SUBSYSTEM==\"tty\", "
                "ATTRS{idVendor}==\"" + (known ? vendor : "VVVV") + "\", ATTRS{idProduct}==\"" +
           (known ? product : "PPPP") + "\", GROUP=\"dialout\", MODE=\"0660\"" +
           (known ? "" : " (udevadm info -a -n " + at + " shows the adapter's idVendor and idProduct)") +
           "; then join dialout (sudo usermod -aG dialout $USER), log in again and plug the adapter in again.";
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

}  // namespace kv
