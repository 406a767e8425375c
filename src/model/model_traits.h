// What each model type has: one row per model type code 0..6. Code that
// asks what a model has asks this table, never the code's number.
#pragma once

#include <array>
#include <cstdint>

#include "util/texts.h"

namespace kv {

inline constexpr int kModelCount = 7;    // model type codes 0..6
inline constexpr int kDefaultModel = 5;  // the KV170 Series

// The report's sections that are not simply there when the model has their
// records (the DSC setup, the directories, the call signs, the weather page
// and the EXP list follow the records).
enum ReportSection : uint8_t {
    kReportAtis = 1 << 0,         // ATIS Setup (Common)
    kReportWeatherList = 1 << 1,  // the weather list of the text report
};

struct ModelTraits {
    // Names: the settings file's "MODEL" and the window title with SEL1 set
    // and clear; the series word of the Edit > Model question.
    const char* name = "KV110";
    const char* nameSel1Clear = "KV110";
    const char* seriesWord = "KV170";
    // Edit > Model: the entry's caption (none: nullptr), whether it is shown
    // and enabled (a settings file of such a type switches the model to it),
    // and the entry that carries the check mark for this type (-1: none).
    const char* menuCaption = nullptr;
    bool offered = false;
    int checkedEntry = -1;

    // Identification: the product code (it names the default data files);
    // whether the radio and its image files identify themselves with it
    // (else with 0); the product byte the image must hold (-1: none);
    // whether the link reads the first word at the product word (else at
    // 0) and the second word sits at the end of the first 8 KB.
    uint16_t productCode = 0;
    bool identifiesByProduct = false;
    int productByte = -1;
    bool idWordAtProductWord = false;
    bool secondIdIn8K = false;
    int imageSize = 16384;  // bytes of the image, of its file and of a read buffer
    // The default image's model bytes: the DSC setup bytes all set, the
    // land-mobile bytes cleared.
    bool defaultNoDsc = false;
    bool defaultLandMobile = false;

    bool dsc = false;          // DSC setup, NMEA offset and variation, user MMSI; ATIS killer groups encoded
    bool directories = false;  // the individual and group MMSI directories
    bool callSigns = false;    // ATIS call signs; ATIS killer groups decoded and in the settings file; rotary beep
    bool names = true;         // channel, weather and status names, scramble
    int toneBlock = 0;         // offset of the tone block in an EXP/RG entry; 0: no tones and no LMR channels
    bool expGroup = false;     // an EXP group apart from LMR: an EXP channel's LMR EXP flag picks its group
    bool narrowband = false;   // the narrowband rule holds for LMR channels
    bool groupUse = false;     // the report shows RG and EXP channels per marine group (USA/INT/CAN)
    bool weather = true;       // weather channels and the weather alert
    bool region = false;       // a region code (image byte 239); destinations by region
    bool usaDestination = false;  // the "-usa" destinations: the default one, and set without a data file
    bool landMobileBand = false;  // frequencies from 134 MHz (else from 137 MHz) to 174 MHz
    int frequencyStep = 1;        // frequencies in steps of this many 100 Hz

    uint8_t reportSections = kReportAtis;  // ReportSection bits
    int pageTotal = 8;                     // the printed report's page total
};

inline constexpr int kStep25kHz = 250;

inline constexpr std::array<ModelTraits, kModelCount> kModelTraits{{
    {   // 0: KB900M, DSC
        .seriesWord = "KB900M", .menuCaption = "KB900M", .checkedEntry = 0,
        .productCode = 0x0100, .secondIdIn8K = true,
        .dsc = true, .directories = true, .callSigns = true, .frequencyStep = kStep25kHz,
    },
    {   // 1: 8 KB image, no names
        .productCode = 0x0101, .secondIdIn8K = true, .imageSize = 8192,
        .names = false,
        .pageTotal = 7,
    },
    {   // 2: KV130
        .name = "KV130", .nameSel1Clear = "KV130",
        .productCode = 0x0102,
        .toneBlock = 10,
    },
    {   // 3: KP600, DSC
        .seriesWord = "KP600", .menuCaption = "KP600", .checkedEntry = 3,
        .productCode = 0x0103, .secondIdIn8K = true,
        .dsc = true, .directories = true, .frequencyStep = kStep25kHz,
    },
    {   // 4: KV150; Edit > Model shows it as the KV170 Series
        .name = "KV150", .nameSel1Clear = "KV150", .checkedEntry = 5,
        .productCode = 0x0104, .idWordAtProductWord = true, .defaultLandMobile = true,
        .toneBlock = 11, .landMobileBand = true,
    },
    {   // 5: KV170 Series, USA
        .name = "KV170", .nameSel1Clear = "KV150", .menuCaption = KV_TEXT("Messages", "&KV170 Series"), .offered = true, .checkedEntry = 5,
        .productCode = 410, .identifiesByProduct = true, .productByte = 3, .idWordAtProductWord = true,
        .defaultNoDsc = true, .defaultLandMobile = true,
        .toneBlock = 11, .expGroup = true, .narrowband = true, .groupUse = true, .usaDestination = true,
        .landMobileBand = true,
        .reportSections = kReportWeatherList, .pageTotal = 9,
    },
    {   // 6: KV170X Series, export by region
        .name = "KV170X/KV170", .nameSel1Clear = "KV170X/KV150", .seriesWord = "KV170X",
        .menuCaption = KV_TEXT("Messages", "&KV170X Series"), .offered = true, .checkedEntry = 6,
        .productCode = 411, .identifiesByProduct = true, .idWordAtProductWord = true,
        .defaultNoDsc = true, .defaultLandMobile = true,
        .toneBlock = 11, .groupUse = true, .weather = false, .region = true, .landMobileBand = true,
    },
}};

// A code outside 0..6 (an option or a file not yet checked): the defaults.
inline constexpr ModelTraits kUnknownModel{};

constexpr bool IsValidModel(int model) { return model >= 0 && model < kModelCount; }
constexpr const ModelTraits& TraitsOf(int model) {
    return IsValidModel(model) ? kModelTraits[static_cast<size_t>(model)] : kUnknownModel;
}

}  // namespace kv
