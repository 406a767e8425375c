// The radios of a fleet: one programming (the template) and, per radio, a
// label, an optional port and its own values, read from a CSV whose columns
// are named by the settings' JSON paths ("ATIS Setup.Atis Code",
// "CHUSA[13].ChTag"). Every cell is checked before any radio is written; a
// radio keeps only its own values, and its programming is made when its
// turn comes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/session.h"
#include "model/settings_fields.h"

namespace kv {

// The most radios one fleet takes: days of programming on eight ports.
inline constexpr size_t kMostFleetRadios = 10000;

struct FleetValue {
    uint32_t column = 0;  // into FleetRadios::paths
    SettingValue value;   // as the editor stores it
};

struct FleetRadio {
    int row = 0;            // the CSV line, counted from 1 with the header
    std::string label;
    std::string port;       // empty: whichever port comes free
    std::vector<FleetValue> values;  // the radio's own; the template's elsewhere
};

struct FleetRadios {
    std::vector<std::string> paths;  // the settings the CSV's columns name
    std::vector<FleetRadio> radios;
    std::vector<std::string> errors;  // each with its row and column; none when the fleet may start
};

// Reads the radios' CSV against the template and the ports to use: the
// "label" column, the optional "port" column, and one column per setting.
// An empty cell keeps the template's value. Refused, each with where: an
// unknown column, one whose setting the template's model type does not keep,
// a value of the wrong kind or one the field rules refuse, one the radio
// would not keep (saying what it would hold), a label, ATIS code or MMSI used
// twice, a port that is not among `ports`, no radio at all, more than
// `mostRadios`.
FleetRadios ReadFleetRadios(std::string_view csv, const RadioSession& templ, const std::vector<std::string>& ports,
                            size_t mostRadios = kMostFleetRadios);

// Stores the radio's own values into session (a copy of the template): the
// programming the radio gets. "" when stored, else why not (a value the
// checks let through is always stored).
std::string ApplyRadioValues(RadioSession& session, const std::vector<std::string>& paths, const FleetRadio& radio);

// Ports named twice, or one device under two names (a link and the device
// it points to), or none: why the fleet cannot start ("" when it can).
std::string CheckFleetPorts(const std::vector<std::string>& ports);

}  // namespace kv
