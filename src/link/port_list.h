// The serial ports the computer has, each with a readable description, in
// ascending order. Ports keep the numbers of the menu (1, 2, ... in list
// order) and, because POSIX ports are device names, their names too.
#pragma once

#include <string>
#include <vector>

namespace kv {

// One port as the platform reports it.
struct PortInfo {
    std::string name;         // "/dev/ttyUSB0"
    std::string description;  // "FT232R USB UART (FTDI)"; may be empty
};

struct PortEntry {
    int number = 0;
    bool found = false;
    std::string name;
    std::string description;
};

class PortList {
public:
    static constexpr int kCapacity = 64;

    // Rebuilds the list from the present ports; returns ComCount().
    int Create(std::vector<PortInfo> present);
    int ComCount() const { return static_cast<int>(entries_.size()); }
    // The empty default entry for an index outside the list.
    const PortEntry& Entry(int index) const;
    // The menu caption: name and description; empty outside the list.
    std::string RefComName(int index) const;
    // Index of the entry with this number or device name, else -1.
    int IndexOfNumber(int number) const;
    int IndexOfName(const std::string& name) const;

private:
    std::vector<PortEntry> entries_;
    PortEntry empty_;
};

// Where the port chosen in an earlier run is now: the port with its device
// name (a USB adapter may come back under another number); -1 when that
// device is absent, for the number now stands for another device. Only a
// choice stored without a name is found by its number.
int IndexOfRememberedPort(const std::vector<PortEntry>& ports, int number, const std::string& name);

// Device names in natural order: ttyS2 before ttyS10.
bool NaturalLess(const std::string& a, const std::string& b);

// What the user typed for a port: a path (/dev/pts/3) is taken as it is, a
// list number or a bare device name (ttyUSB0) is looked up. Empty when the
// number is not in the list.
std::string ResolvePort(const PortList& list, const std::string& text);

}  // namespace kv
