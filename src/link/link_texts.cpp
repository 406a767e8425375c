#include "link/link_texts.h"

#include "util/texts.h"

namespace kv {
namespace {

std::string Joined(const std::vector<std::string>& items) {
    std::string text;
    for (const std::string& item : items) text += (text.empty() ? "" : ", ") + item;
    return text;
}

std::string PortOrChosen(const std::string& port) { return port.empty() ? "the chosen port" : port; }

std::optional<Destination> DestinationOf(int model, const DestinationBits& bits) {
    return DestinationFor(model, bits.sel1, bits.region);
}

std::string NameOf(int model, const DestinationBits& bits) {
    const auto destination = DestinationOf(model, bits);
    return destination ? destination->name : ModelName(model, bits.sel1);
}

// The name, and where both sides bear the same one, the bits that differ.
std::string Described(int model, const DestinationBits& bits, const DestinationBits& other) {
    const std::string name = NameOf(model, bits);
    if (name != NameOf(model, other)) return name;
    std::vector<std::string> differ;
    const auto flag = [](const char* key, bool set) { return std::string(key) + (set ? " set" : " clear"); };
    if (bits.sel1 != other.sel1) differ.push_back(flag("SEL1", bits.sel1));
    if (bits.sel2 != other.sel2) differ.push_back(flag("SEL2", bits.sel2));
    return name + " (" + Joined(differ) + ")";
}

// kvtool's options that set up a read for the radio: only a radio with SEL2
// clear, as a destination's default data leave it, has them.
std::string ReadOptions(int model, const DestinationBits& radio) {
    if (radio.sel2) return "";
    std::string options = std::string("--variant ") + (radio.sel1 ? "KV170" : "KV150");
    const auto destination = DestinationOf(model, radio);
    if (TraitsOf(model).region && radio.region < kRegionCount && destination)
        options += " --region " + destination->name.substr(destination->name.rfind('-') + 1);
    return options;
}

}  // namespace

std::string DestinationErrorText(int model, const DestinationBits& radio, const DestinationBits& data, TransferMode mode,
                                 Frontend frontend) {
    const std::string name = NameOf(model, radio);
    const bool window = frontend == Frontend::Window;
    std::string text = std::string(text::kDestinationError) + "\r\nThe radio reports " +
                       Described(model, radio, data) + "; the data are for " + Described(model, data, radio) + ".\r\n";
    if (mode == TransferMode::Read) {
        text += "A read replaces all the data with the radio's. Switch to " + name + " and read the radio?";
        if (const std::string options = ReadOptions(model, radio); !window && !options.empty())
            text += "\r\n(kvtool read " + options + " reads it without this question.)";
        return text;
    }
    text += "Data for one destination are not programmed into a radio of another. ";
    const bool named = DestinationOf(model, radio).has_value();
    if (window)
        return text + "Read this radio (Transfer > Read) to change what it holds" +
               (named ? ", or choose " + name + " in the Region menu to start from its default data." : ".");
    return text + "Program a file made for " + name + ": read this radio (kvtool read) and change that file" +
           (named ? ", or start from its default data (kvtool new --destination " + name + ")." : ".");
}

std::string PortCheckAdvice(const std::string& port) {
    const std::string at = PortOrChosen(port);
    return "The radio did not answer properly on " + at +
           ". Check that the radio is switched on and in PC-programming mode, that the cable is seated at both "
           "ends, and that " + at + " is the port the cable is on.";
}

std::string MissingPortNote(const std::string& port) {
    return port + ", the port chosen before, is not present: no port is chosen (Options > SerialPort).";
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

std::string RadioChangedText() {
    return "The radio no longer holds what it held when it was read: another radio, or its memory changed. "
           "Nothing was written. Program again to read it afresh.";
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
