// What the window and kvtool tell the user about the port and the radio
// beyond the protocol's own short messages: which port, what to check, what
// a broken write left in the radio. One text for both.
#pragma once

#include <string>
#include <vector>

namespace kv {

// After a failed exchange: the port by name and what to check.
std::string PortCheckAdvice(const std::string& port);

// A port that did not open, by cause.
// existing: the ports that are present (none: the cable may be unplugged).
std::string PortMissingText(const std::string& port, const std::vector<std::string>& existing);
// group: a group the device lets read and write, to join ("dialout"); empty
// when none may be suggested (the device allows only its owner, or its group
// is root's): then a udev rule for the adapter, with its USB vendor and
// product numbers ("0403", "6001") when known.
std::string PortPermissionText(const std::string& port, const std::string& group, const std::string& vendor = "",
                               const std::string& product = "");
// holder: the program that holds the port ("minicom (process 4711)"); empty when the system does not tell.
std::string PortBusyText(const std::string& port, const std::string& holder);

// After a program transfer that failed or was cancelled after its first write.
std::string PartlyWrittenText(int written, int total);

}  // namespace kv
