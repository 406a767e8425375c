// The drop-down lists of the Common Setup screen: their entries and how an
// entry maps to a field of the Common Setup record.
#pragma once

#include <string>
#include <vector>

#include "model/settings.h"

namespace kv {

enum class CommonList { TxPo, Scan, Resume, PttScan, Dual, Offset, Mag, Weather, Rotary };

inline constexpr CommonList kCommonLists[] = {CommonList::TxPo,   CommonList::Scan, CommonList::Resume,
                                              CommonList::PttScan, CommonList::Dual, CommonList::Offset,
                                              CommonList::Mag,     CommonList::Weather, CommonList::Rotary};

struct CommonListLayout {
    const char* objectName;  // cmbCommonTXPo ...
    const char* label;
    std::vector<std::string> entries;
};

const CommonListLayout& LayoutOf(CommonList list);

// The entry a list shows for the record (-1 when the value has none).
int EntryFor(CommonList list, const CommonSetup& common);

// Choosing an entry writes its field.
void StoreEntry(CommonList list, int entry, CommonSetup& common);

}  // namespace kv
