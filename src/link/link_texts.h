// What the window and kvtool tell the user about the port and the radio
// beyond the protocol's own short messages: which port, what to check, what
// a broken write left in the radio. One text for both.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "link/transfer_state.h"
#include "model/models.h"
#include "util/prompt.h"
#include "util/texts.h"

namespace kv {

// The selection bits (SEL1, SEL2) and region byte by which a radio or an image names its destination.
struct DestinationBits {
    bool sel1 = false;
    bool sel2 = false;
    uint8_t region = kNoRegion;
};

// What "Destination Error !!" leaves out: the destination the radio reports,
// the one the data are for, and what to do. A read ends in the question
// whether to take the radio's destination and read.
std::string DestinationErrorDetail(int model, const DestinationBits& radio, const DestinationBits& data,
                                   TransferMode mode, Frontend frontend);

// The port as the messages name it: its device, or "the chosen port".
std::string PortShown(const std::string& port);

// What "The region selection is unmatched." leaves out: the radio's region and the data's.
std::string RegionMismatchDetail(int model, bool sel1, uint8_t radioRegion, uint8_t dataRegion);

// After a failed exchange: the port by name and what to check.
std::string PortCheckAdvice(const std::string& port);

// The status bar's note while the port chosen before is absent.
std::string MissingPortNote(const std::string& port);

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
Message PartlyWrittenMessage(int written, int total, const std::string& caption);
// After a read whose memory gave a receive-only channel another mode: what
// the data keep instead ("[CHUSA35] Duplex=1: channel 70 receives only, kept simplex").
std::string ReceiveOnlyKeptText(const std::vector<std::string>& kept);
// Before a write that stopped because the radio's own bytes were not those
// it held when it was read in the same connection.
std::string RadioChangedText();

// After a connection that heard not even the cable's echo within `seconds`:
// nothing answers on the port; then the port advice.
std::string NoEchoText(const std::string& port, int seconds);

// What a transfer waits for, shown while it waits.
std::string CableWaitText(const std::string& port);
std::string RadioWaitText(const std::string& port);
inline constexpr const char* kCancelWaitText = KV_TEXT("Messages", "Waiting for the radio to confirm the cancel...");

}  // namespace kv
