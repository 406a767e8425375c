// The radios of a fleet: one programming (the template) and, per radio, a
// label, an optional port and its own values, read from a CSV whose columns
// are named by the settings' JSON paths ("ATIS Setup.Atis Code",
// "CHUSA[13].ChTag"). Every cell is checked before any radio is written.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/session.h"

namespace kv {

struct FleetRadio {
    int row = 0;            // the CSV line, counted from 1 with the header
    std::string label;
    std::string port;       // empty: whichever port comes free
    RadioSession session;   // the template with the radio's own values
};

struct FleetRadios {
    std::vector<FleetRadio> radios;
    std::vector<std::string> errors;  // each with its row and column; none when the fleet may start
};

// Reads the radios' CSV against the template and the ports to use: the
// "label" column, the optional "port" column, and one column per setting.
// An empty cell keeps the template's value. Refused, each with where: an
// unknown column, a value of the wrong kind or one the field rules refuse,
// one the radio would not keep, a label or ATIS code used twice, a port
// that is not among `ports`, no radio at all.
FleetRadios ReadFleetRadios(std::string_view csv, const RadioSession& templ, const std::vector<std::string>& ports);

// Ports named twice, or none: why the fleet cannot start ("" when it can).
std::string CheckFleetPorts(const std::vector<std::string>& ports);

}  // namespace kv
