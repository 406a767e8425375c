// The CTCSS tone and DCS code lists; a channel record holds a tone as its
// index in these lists, 0 being "Off".
#pragma once

#include <string>
#include <vector>

namespace kv {

inline constexpr int kCtcssCount = 51;  // "Off" and 50 tones
inline constexpr int kDcsCount = 105;   // "Off" and 104 codes
inline constexpr int kSecondDcsOffset = 104;

// Fills the list with "Off", "67.0Hz", ... "254.1Hz".
void BuildCtcssList(std::vector<std::string>& list);
// Fills the list with "Off", "023", ... "754".
void BuildDcsList(std::vector<std::string>& list);

// The tone frequency of CTCSS index 1..50 in tenths of a hertz, and the DCS
// code of index 1..104 as an octal number's digits read in decimal (023 -> 23).
int CtcssTenthsHz(int index);
int DcsCode(int index);

}  // namespace kv
