// What a program transfer would change in a radio, worked out from a whole
// read of the radio before anything is written.
#pragma once

#include <cstdint>
#include <vector>

#include "model/session.h"
#include "report/programming_diff.h"

namespace kv {

// The radio's memory after a program transfer of `data` into a radio that
// holds `radio`: every byte the transfer writes comes from the encoded data,
// except those the radio keeps for itself.
std::vector<uint8_t> ImageAfterProgram(const RadioSession& data, const std::vector<uint8_t>& radio);

// The radio as it is against the radio as it would be after the write.
ProgrammingDiff DiffOfProgram(const RadioSession& data, const std::vector<uint8_t>& radio);

}  // namespace kv
