// Conversions between the memory image and the settings record.
#pragma once

#include <string>
#include <vector>

#include "model/session.h"

namespace kv {

// Overwrites every settings field the image holds; never changes the image.
// A receive-only channel keeps its plan's mode (KeepReceiveOnly): each mode
// it had to replace comes back named ("[CHUSA35] Duplex=1: channel 70
// receives only, kept simplex").
std::vector<std::string> DecodeImage(RadioSession& session);
// The first stage alone: usable groups, common setup, DSC and ATIS.
void DecodeSetup(RadioSession& session);
// The EXP group with the LMR and EXP usable flags it implies.
void DecodeExpGroup(RadioSession& session);

// Writes the settings into the image, leaving every byte no field covers.
void EncodeImage(RadioSession& session);

// The power code of a land-mobile, EXP or RG entry: 1 for low power, else
// TXPower. Code 0 means "do not transmit", as on the marine entries, so a
// channel's TxEnable is this code being other than 0.
unsigned LandMobilePowerCode(const ChannelRecord& channel);

// The enable bit an EXP record gets in the image: model type 5 keeps a
// channel enabled only while its group (LMR or EXP) is usable.
bool ProgrammedEnabled(const RadioSession& session, const ChannelRecord& channel);

}  // namespace kv
