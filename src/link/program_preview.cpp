#include "link/program_preview.h"

#include <algorithm>

#include "image/codec.h"
#include "image/defaults.h"
#include "link/transfers.h"

namespace kv {
namespace clone = map::clone;

std::vector<uint8_t> ImageAfterProgram(const RadioSession& data, const std::vector<uint8_t>& radio) {
    RadioSession written = data;
    EncodeImage(written);
    NormalizeImage(written);
    ImageChecksum(written.image);
    std::vector<uint8_t> after = radio;
    after.resize(static_cast<size_t>(data.image.size()), 0xFF);
    // As the transfer does: the radio keeps its byte 90 and one bit of the
    // selection byte, and the image is marked as programmed.
    RadioImage& image = written.image;
    TakeRadioOwnBytes(image, after[clone::RadioOwnedByte], after[clone::SelectionByte]);
    for (int a : ProgrammedAddresses(written)) after[static_cast<size_t>(a)] = image[a];
    return after;
}

ProgrammingDiff DiffOfProgram(const RadioSession& data, const std::vector<uint8_t>& radio) {
    RadioSession before = data;
    std::copy_n(radio.begin(), std::min<size_t>(radio.size(), before.image.bytes.size()), before.image.bytes.begin());
    DecodeImage(before);
    before.region = RegionFromByte(before.model, before.image[map::RegionByte]);
    RadioSession after = before;
    const std::vector<uint8_t> bytes = ImageAfterProgram(data, radio);
    std::copy(bytes.begin(), bytes.end(), after.image.bytes.begin());
    DecodeImage(after);
    after.region = RegionFromByte(after.model, after.image[map::RegionByte]);
    return DiffProgrammings(before, after);
}

}  // namespace kv
