// The value-to-text converters of the report. The editor's grids call the
// same functions, so a value reads the same on screen and on paper.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace kv {

// Fixed-width cells: the text followed by spaces, cut to exactly n characters.
std::string Pad(std::string_view text, int n);
// Pad(text, n - 1) followed by ": ".
std::string Label(std::string_view text, int n);

std::string OnOff(bool on);      // "On" / "Off"
std::string HiLow(bool high);    // "Hi" / "Low"
std::string ResumeText(int resumeTime);  // "--", "1Sec", "2Sec", "3Sec"
std::string TxPoText(int txPo);          // "Lo Po Only", "Lo Po on Changing CH", "Last TX Po"
std::string WeatherText(int weater);     // 0 "Off", 3 "On", anything else ""
std::string MagText(int magnetic);       // "True" / "Mag"

// The 25 local time offsets -12:00 ... +12:00 of Offset Time 0..24.
inline constexpr int kOffsetTimeCount = 25;
const std::array<std::string, kOffsetTimeCount>& OffsetTable();
// The table's entry for an Offset Time index; "" outside 0..24.
std::string OffsetText(int offsetTime);

// "LMR" for a set flag on the models that have land-mobile channels, else "EXP".
std::string LmrName(bool lmr, int model);
// A marine channel number's label, an EXP channel's memory index as its
// number and LmrName ("1LMR"), or "Off" for a number that names nothing.
std::string ChannelText(int channel, int model);
std::string StatusNameText(std::string_view statusName);  // "----" when blank

std::string Freq3(double mhz);                  // "156.800", "---.---" when none
std::string Freq3Tx(double mhz, bool inhibit);  // also "---.---" when inhibited
std::string Freq4(double mhz);                  // SnapFreq as "156.8000", "---.----" when none
// A frequency on neither the 5 kHz nor the 12.5 kHz raster is cut down to
// the 5 kHz raster below it; others are returned unchanged.
double SnapFreq(double mhz);
bool On25kHz(double mhz);

std::string EnableText(bool enable);            // "ENABLE" / "------"
std::string UseText(bool member, bool blank);   // "USE", else "   " or "---"
std::string TxText(bool txEnable);              // "TX" / "--"
std::string LowText(bool lowPower);             // "LOW" / "---"
std::string UpText(bool powUp);                 // "UP" / "--"
std::string DupText(int duplex);                // "TX SIMP", "RX SIMP", "DUP", "Reverse DUP", "---"
std::string MemText(bool scanMemory);           // "MEM" / "---"
std::string CmpText(bool rxComp);               // "CMP" / "---"
std::string NarrowText(bool narrow);            // "N " / "--"
std::string VsText(int scramble);               // scrambler code 0..3 when on, else "--"
std::string ChdText(std::string_view display);  // four characters, "----" when empty
std::string NameText(std::string_view name);    // twelve characters, twelve "-" when empty
std::string Name12(std::string_view name);
std::string Mmsi9(std::string_view mmsi);       // nine characters, nine "-" when empty

// One side of a channel's tones: the CTCSS tone when set, else the DCS code,
// else "-------".
std::string ToneText(int ctcss, int dcs);
// DCS index 1..104 as its code and "N"; 105..208 as the code of index - 104
// and "I" (the second DCS mode); "" for anything else.
std::string DcsText(int dcs);
// The seven-segment display's lower-case letters: B D N O Q R T Y.
std::string LcdText(std::string_view text);

}  // namespace kv
