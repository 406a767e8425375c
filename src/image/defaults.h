// The default image of a model and the derived bytes of an encoded image.
#pragma once

#include <cstdint>

#include "model/session.h"

namespace kv {

// Fills the image with the model's defaults, then decodes its setup.
void BuildDefaultImage(RadioSession& session);

// The reset of File > New and a model switch: channel plans, cleared
// directories, the default image, its EXP group, then an encode.
void ResetToDefaults(RadioSession& session);

// Repairs the current channel, channel lists and priority channels (and on
// model types 0 and 3 the ATIS state) of an encoded image.
void NormalizeImage(RadioSession& session);

// Byte 95: the sum of bytes 66..94, modulo 256.
uint8_t ComputeImageChecksum(const RadioImage& image);
void ImageChecksum(RadioImage& image);

// True when a file of this length can be the image of the model.
bool ImageFileSizeOk(int model, uintmax_t length);

// A memory index named by the image, valid for marine group g.
bool IsValidMemoryIndex(const RadioImage& image, int group, long index);

}  // namespace kv
