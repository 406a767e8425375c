#include "model/tones.h"

#include <array>
#include <cstdio>

namespace kv {
namespace {

constexpr std::array<int, kCtcssCount - 1> kCtcssTenths{
    670,  693,  719,  744,  770,  797,  825,  854,  885,  915,   //
    948,  974,  1000, 1035, 1072, 1109, 1148, 1188, 1230, 1273,  //
    1318, 1365, 1413, 1462, 1514, 1567, 1598, 1622, 1655, 1679,  //
    1713, 1738, 1773, 1799, 1835, 1862, 1899, 1928, 1966, 1995,  //
    2035, 2065, 2107, 2181, 2257, 2291, 2336, 2418, 2503, 2541,
};

constexpr std::array<int, kDcsCount - 1> kDcsCodes{
    23,  25,  26,  31,  32,  36,  43,  47,  51,  53,  54,  65,  71,   //
    72,  73,  74,  114, 115, 116, 122, 125, 131, 132, 134, 143, 145,  //
    152, 155, 156, 162, 165, 172, 174, 205, 212, 223, 225, 226, 243,  //
    244, 245, 246, 251, 252, 255, 261, 263, 265, 266, 271, 274, 306,  //
    311, 315, 325, 331, 332, 343, 346, 351, 356, 364, 365, 371, 411,  //
    412, 413, 423, 431, 432, 445, 446, 452, 454, 455, 462, 464, 465,  //
    466, 503, 506, 516, 523, 526, 532, 546, 565, 606, 612, 624, 627,  //
    631, 632, 654, 662, 664, 703, 712, 723, 731, 732, 734, 743, 754,
};

}  // namespace

int CtcssTenthsHz(int index) {
    return index >= 1 && index < kCtcssCount ? kCtcssTenths[index - 1] : 0;
}

int DcsCode(int index) { return index >= 1 && index < kDcsCount ? kDcsCodes[index - 1] : 0; }

void BuildCtcssList(std::vector<std::string>& list) {
    list.assign(kCtcssCount, "Off");
    for (int i = 1; i < kCtcssCount; ++i) {
        char text[16];
        std::snprintf(text, sizeof text, "%d.%dHz", kCtcssTenths[i - 1] / 10, kCtcssTenths[i - 1] % 10);
        list[i] = text;
    }
}

void BuildDcsList(std::vector<std::string>& list) {
    list.assign(kDcsCount, "Off");
    for (int i = 1; i < kDcsCount; ++i) {
        char text[8];
        std::snprintf(text, sizeof text, "%03d", kDcsCodes[i - 1]);
        list[i] = text;
    }
}

}  // namespace kv
