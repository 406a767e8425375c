// Conversions between the memory image and the settings record.
#pragma once

#include "model/session.h"

namespace kv {

// Overwrites every settings field the image holds; never changes the image.
void DecodeImage(RadioSession& session);
// The first stage alone: usable groups, common setup, DSC and ATIS.
void DecodeSetup(RadioSession& session);
// The EXP group with the LMR and EXP usable flags it implies.
void DecodeExpGroup(RadioSession& session);

// Writes the settings into the image, leaving every byte no field covers.
void EncodeImage(RadioSession& session);

}  // namespace kv
