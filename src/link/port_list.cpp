#include "link/port_list.h"

#include <algorithm>
#include <cctype>

namespace kv {
namespace {

bool AllDigits(const std::string& text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); });
}

std::string BaseName(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

bool NaturalLess(const std::string& a, const std::string& b) {
    size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        const bool da = std::isdigit(static_cast<unsigned char>(a[i])), db = std::isdigit(static_cast<unsigned char>(b[j]));
        if (da && db) {
            size_t ei = i, ej = j;
            while (ei < a.size() && std::isdigit(static_cast<unsigned char>(a[ei]))) ++ei;
            while (ej < b.size() && std::isdigit(static_cast<unsigned char>(b[ej]))) ++ej;
            const std::string na = a.substr(i, ei - i), nb = b.substr(j, ej - j);
            const std::string ta = na.substr(std::min(na.find_first_not_of('0'), na.size()));
            const std::string tb = nb.substr(std::min(nb.find_first_not_of('0'), nb.size()));
            if (ta.size() != tb.size()) return ta.size() < tb.size();
            if (ta != tb) return ta < tb;
            i = ei;
            j = ej;
        } else {
            if (a[i] != b[j]) return a[i] < b[j];
            ++i;
            ++j;
        }
    }
    return a.size() - i < b.size() - j;
}

int PortList::Create(std::vector<PortInfo> present) {
    std::sort(present.begin(), present.end(), [](const PortInfo& x, const PortInfo& y) { return NaturalLess(x.name, y.name); });
    present.erase(std::unique(present.begin(), present.end(),
                              [](const PortInfo& x, const PortInfo& y) { return x.name == y.name; }),
                  present.end());
    if (present.size() > kCapacity) present.resize(kCapacity);
    entries_.clear();
    for (const PortInfo& p : present)
        entries_.push_back({static_cast<int>(entries_.size()) + 1, true, p.name, p.description});
    return ComCount();
}

const PortEntry& PortList::Entry(int index) const {
    return index >= 0 && index < ComCount() ? entries_[static_cast<size_t>(index)] : empty_;
}

std::string PortList::RefComName(int index) const {
    const PortEntry& e = Entry(index);
    if (e.number == 0) return "";
    return e.description.empty() ? e.name : e.name + " " + e.description;
}

int PortList::IndexOfNumber(int number) const {
    for (int i = 0; i < ComCount(); ++i)
        if (entries_[static_cast<size_t>(i)].number == number) return i;
    return -1;
}

int PortList::IndexOfName(const std::string& name) const {
    for (int i = 0; i < ComCount(); ++i) {
        const std::string& entry = entries_[static_cast<size_t>(i)].name;
        if (entry == name || BaseName(entry) == name) return i;
    }
    return -1;
}

int IndexOfRememberedPort(const std::vector<PortEntry>& ports, int number, const std::string& name) {
    const auto at = [&](auto matches) {
        const auto it = std::find_if(ports.begin(), ports.end(), matches);
        return it == ports.end() ? -1 : static_cast<int>(it - ports.begin());
    };
    if (!name.empty()) return at([&](const PortEntry& p) { return p.name == name; });
    return at([&](const PortEntry& p) { return p.number == number; });
}

std::string ResolvePort(const PortList& list, const std::string& text) {
    if (text.find('/') != std::string::npos) return text;
    const int index = AllDigits(text) ? list.IndexOfNumber(std::stoi(text.substr(0, 6))) : list.IndexOfName(text);
    if (index >= 0) return list.Entry(index).name;
    return AllDigits(text) ? "" : "/dev/" + text;
}

}  // namespace kv
