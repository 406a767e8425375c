// Model types, product codes, variants, regions and destinations.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/model_traits.h"

namespace kv {

inline constexpr uint8_t kNoRegion = 255;   // region code "none"
inline constexpr int kRegionCount = 6;      // region codes 0..5 of model type 6

// The one refusal of a model type code given as an option; "" for a valid one.
inline const char* ModelOptionError(int model) {
    return IsValidModel(model) ? "" : "--model must be a model type code from 0 to 6";
}
inline bool IsDscModel(int model) { return TraitsOf(model).dsc; }
inline bool HasNames(int model) { return TraitsOf(model).names; }
inline bool HasTones(int model) { return TraitsOf(model).toneBlock != 0; }
// Only these models tell land-mobile channels apart from expansion channels.
inline bool HasLmrChannels(int model) { return HasTones(model); }

// The model name of the settings file's "MODEL" key and the window title.
std::string ModelName(int model, bool sel1);

// The product code that names the model's default data files.
uint16_t ProductCode(int model);
// "_" and the product code as four upper-case hex digits; empty outside 0..6.
std::string ProductTag(int model);

// The word a radio or an image file of the model identifies itself with:
// the product code for model types 5 and 6, 0 for the older types.
uint16_t IdentificationWord(int model);

// Image byte 16370 must hold this for the model (only model type 5 has one).
std::optional<uint8_t> RequiredProductByte(int model);

// Region byte b as a region code: b for model type 6 and b in 0..5, else 255.
uint8_t RegionFromByte(int model, uint8_t b);

// A region given by name: "0".."5", "255" or a destination suffix ("intl",
// "-UK", ...), in any case; nullopt for anything else.
std::optional<uint8_t> ParseRegionName(std::string name);

// The series word of the Edit > Model question ("KV170" for code 5 ...).
std::string SeriesWord(int model);

// Destinations: a variant's model name followed by a suffix.
struct Destination {
    std::string name;  // "KV170-usa", "KV150-grmn", ...
    bool sel1 = true;
    uint8_t region = kNoRegion;
};

// The canonical destinations of model types 5 (two) and 6 (twelve, KV170X
// entries first in region order); empty for the other types.
std::vector<Destination> CanonicalDestinations(int model);

// The canonical destination that matches a variant and region; the region
// 255 counts as 0 on model type 6.
std::optional<Destination> DestinationFor(int model, bool sel1, uint8_t region);

// The file name of a destination's default data: name + product tag + ".ini".
std::string DefaultDataFileName(int model, const std::string& destination);

}  // namespace kv
