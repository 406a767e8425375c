// The one state object of a programming session: the settings record, the
// memory image, the model type with its variant bits and region, and the
// source of today's date. Callers hand it by reference to the code that
// needs it; there is no other shared state.
#pragma once

#include <functional>

#include "image/address_map.h"
#include "image/radio_image.h"
#include "model/models.h"
#include "model/settings.h"
#include "util/civil_date.h"

namespace kv {

struct RadioSession {
    RadioSettings settings;
    RadioImage image;
    int model = kDefaultModel;
    uint8_t region = kNoRegion;  // mirrors image byte 239 on model type 6
    std::function<CivilDate()> today = LocalToday;

    // The variant bits live in image byte 168.
    bool Sel1() const { return ReadFlag(image, map::Sel1); }
    bool Sel2() const { return ReadFlag(image, map::Sel2); }
    std::string ModelName() const { return kv::ModelName(model, Sel1()); }
    const ModelTraits& traits() const { return TraitsOf(model); }
};

// Sets SEL1 as given and clears SEL2 (a destination without a data file).
inline void SetVariantBits(RadioImage& image, bool sel1) {
    WriteFlag(image, map::Sel1, sel1);
    WriteFlag(image, map::Sel2, false);
}

}  // namespace kv
