// The radio's side of the clone protocol, as a byte-in, bytes-out machine:
// it echoes every byte as the programming cable does, then answers. It can
// inject faults at the N-th block request (reads and writes counted
// together, from 1). Used in-process by the tests and on a pseudo-terminal
// by kvradio-sim.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "image/radio_image.h"

namespace kv::sim {

enum class FaultKind {
    DropByte,      // one character of the answer line is lost
    CorruptByte,   // one character of the answer line is changed
    Silent,        // no answer at all (the cable still echoes)
    Error,         // "ERROR" instead of "#CMDOK"
    Busy,          // the status answer says busy (at the first N status requests)
    WrongAddress,  // a read answer for the next block, checksum right
    BadChecksum,   // a read answer whose checksum is wrong
    ShortData,     // a read answer one byte short, length field and checksum right
    Hangup,        // the line is closed
    StoreWrong,    // a write acknowledged as usual, one byte of it stored altered
};

struct Fault {
    FaultKind kind;
    int at = 1;  // the block request (or for Busy, the status requests) it hits
};

// "drop-byte@3", "busy", "busy@2", ...; nullopt for anything else.
std::optional<Fault> ParseFault(std::string_view text);
std::string FaultName(FaultKind kind);

// A radio carries its identification word where the link looks for it
// (address 0 on the older model types, which no transfer writes).
void WriteRadioIdentification(RadioImage& image, int model);

// The radio's memory changing under the tool (its user at the keypad,
// another radio in its place): before it serves block request `at`, its
// byte `address` becomes `value`.
struct MemoryChange {
    int at = 1;
    int address = 0;
    uint8_t value = 0;
};
// "N:ADDRESS=VALUE", address and value in hexadecimal ("900:01F8=00"); nullopt for anything else.
std::optional<MemoryChange> ParseMemoryChange(std::string_view text);

struct SimOptions {
    bool synced = false;  // starts in PC-control mode
    std::vector<Fault> faults;
    std::vector<MemoryChange> changes = {};
};

class RadioSimulator {
public:
    RadioSimulator(const RadioImage& image, SimOptions options);

    // Takes bytes from the line; appends the echo and any answers to out.
    void Receive(const uint8_t* data, size_t size, std::string& out);
    void Receive(std::string_view data, std::string& out) {
        Receive(reinterpret_cast<const uint8_t*>(data.data()), data.size(), out);
    }

    bool HungUp() const { return hungUp_; }
    bool Synced() const { return mode_ == Mode::Synced; }
    const RadioImage& image() const { return image_; }
    RadioImage& image() { return image_; }
    // One line per block request served: "read 0040 10", "write 00A8 01",
    // with " fault NAME" when a fault hit it; "abort" for each CAN.
    const std::vector<std::string>& log() const { return log_; }
    // The addresses written by "#CEPWR", in order.
    const std::vector<int>& written() const { return written_; }
    int blockRequests() const { return blockRequests_; }

private:
    enum class Mode { Asleep, Woken, Synced };
    void TakeLine(const std::string& line, std::string& out);
    void TakeFrame(const std::string& line, std::string& out);
    std::string ReadAnswer(int address, int length, std::optional<FaultKind> fault);
    std::string WriteAnswer(int address, const std::vector<std::string_view>& fields, std::optional<FaultKind> fault);
    std::optional<FaultKind> FaultAt(int request) const;
    bool InImage(unsigned long address, unsigned long length) const;

    RadioImage image_;
    SimOptions options_;
    Mode mode_;
    std::string line_;
    bool hungUp_ = false;
    int blockRequests_ = 0;
    int statusRequests_ = 0;
    std::vector<std::string> log_;
    std::vector<int> written_;
};

}  // namespace kv::sim
