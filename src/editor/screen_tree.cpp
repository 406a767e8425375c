#include "editor/screen_tree.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "editor/channel_screens.h"
#include "report/converters.h"
#include "report/report.h"
#include "util/advice.h"
#include "util/texts.h"

namespace kv {
namespace {

std::string Upper(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return std::toupper(c); });
    return out;
}

// Exactly n characters: cut or padded with spaces.
std::string Fit(std::string_view text, size_t n) {
    std::string out(text.substr(0, std::min(n, text.size())));
    out.resize(n, ' ');
    return out;
}

ScreenNode RgNode(const ChannelRecord& ch, int number) {
    const std::string display = LcdText(Fit(ch.CHDisplayL, 2) + Fit(ch.CHDisplayR, 2));
    return {"RG" + std::to_string(number) + "[" + display + "]", "R" + std::to_string(number), {}, ch.ChTag};
}

// A marine group's node with a child per listed channel, keyed by the
// group's key and the channel's record number (from 1).
ScreenNode MarineGroupNode(const MarineGroup& group, const char* caption, const std::string& key) {
    ScreenNode node{caption, key, {}};
    for (const int i : ListedRecords(group))
        node.children.push_back({MarineChannelLabel(group[static_cast<size_t>(i)]), key + std::to_string(i + 1), {},
                                 group[static_cast<size_t>(i)].ChTag});
    return node;
}

// The 40 LMR or EXP nodes. On model 5 a channel is marked enabled only in
// the group its LMR/EXP selector puts it in.
ScreenNode ExpansionGroup(const RadioSession& s, bool lmrGroup) {
    const bool lmrName = lmrGroup && HasLmrChannels(s.model);
    ScreenNode top{lmrName ? KV_TEXT("Messages", "LMR Channel") : KV_TEXT("Messages", "EXP Channel"),
                   lmrGroup ? "LMRChannel" : "ExpChannel", {}};
    const std::string prefix = lmrGroup ? "L" : "E";
    for (int i = 0; i < kExpChannels; ++i) {
        const ChannelRecord& ch = s.settings.CHEXP[static_cast<size_t>(i)];
        const bool enabled = EnabledInGroup(s.model, ch, lmrGroup);
        const std::string number = std::to_string(i + 1);
        top.children.push_back({enabled ? AdviceText(Advice::EnabledNode, {number}) : number, prefix + number, {}, ch.ChTag});
    }
    return top;
}

}  // namespace

std::vector<ScreenNode> BuildScreenTree(const RadioSession& s) {
    const auto& groups = s.settings.UsableGroups;
    std::vector<ScreenNode> tree;
    tree.push_back({KV_TEXT("Messages", "General"),
                    "General",
                    {{KV_TEXT("Messages", "Available CH Group Setup"), "Usable", {}},
                     {KV_TEXT("Messages", "Common Setup"), "Common", {}},
                     {KV_TEXT("Messages", "ATIS Setup"), "ATIS", {}}}});

    ScreenNode program{KV_TEXT("Messages", "Programmable Channel"), "Program", {}};
    const RadioSettings& st = s.settings;
    if (groups[kUsaGroup].Enable) program.children.push_back(MarineGroupNode(st.CHUSA, "USA", "PU"));
    if (groups[kIntlGroup].Enable) program.children.push_back(MarineGroupNode(st.CHINT, "INTL", "PI"));
    if (groups[kCanGroup].Enable) program.children.push_back(MarineGroupNode(st.CHCAN, "CANADA", "PC"));
    if (s.traits().weather) program.children.push_back({KV_TEXT("Messages", "Weather"), "PW", {}});
    ScreenNode rg{KV_TEXT("Messages", "RG Channel"), "PR", {}};
    for (int i = 0; i < kRgChannels; ++i) rg.children.push_back(RgNode(s.settings.CHRG[static_cast<size_t>(i)], i + 1));
    program.children.push_back(std::move(rg));
    tree.push_back(std::move(program));

    if (groups[kLmrGroup].Enable) tree.push_back(ExpansionGroup(s, true));
    if (groups[kExpGroup].Enable) tree.push_back(ExpansionGroup(s, false));
    return tree;
}

const ScreenNode* FindNode(const std::vector<ScreenNode>& tree, std::string_view key) {
    const std::string wanted = Upper(key);
    for (const ScreenNode& node : tree) {
        if (Upper(node.key) == wanted) return &node;
        if (const ScreenNode* found = FindNode(node.children, key)) return found;
    }
    return nullptr;
}

ScreenChoice ScreenForNode(std::string_view keyText, std::string_view parentText) {
    const std::string key = Upper(keyText);
    const std::string parent = Upper(parentText);
    const auto number = [&key](size_t from) { return key.size() > from ? std::atoi(key.c_str() + from) : 0; };
    if (parent.empty()) {
        if (key == "PROGRAM") return {ScreenKind::Empty};
        if (key == "LMRCHANNEL") return {ScreenKind::LmrGrid};
        if (key == "EXPCHANNEL") return {ScreenKind::ExpGrid};
        return {ScreenKind::General};
    }
    if (parent == "GENERAL") {
        if (key == "USABLE") return {ScreenKind::Usable};
        if (key == "COMMON") return {ScreenKind::Common};
        if (key == "ATIS") return {ScreenKind::Atis};
        return {ScreenKind::Blank};
    }
    if (parent == "PROGRAM") {
        if (key == "PU") return {ScreenKind::MarineGrid, kUsaGroup};
        if (key == "PI") return {ScreenKind::MarineGrid, kIntlGroup};
        if (key == "PC") return {ScreenKind::MarineGrid, kCanGroup};
        if (key == "PW") return {ScreenKind::WeatherGrid};
        if (key == "PR") return {ScreenKind::RgGrid};
        return {ScreenKind::Blank};
    }
    // A channel node's number follows the first two characters of its key.
    if (parent == "PU") return {ScreenKind::MarineChannel, kUsaGroup, number(2)};
    if (parent == "PI") return {ScreenKind::MarineChannel, kIntlGroup, number(2)};
    if (parent == "PC") return {ScreenKind::MarineChannel, kCanGroup, number(2)};
    if (parent == "PR") return {ScreenKind::RgChannel, -1, number(1)};
    if (parent == "LMRCHANNEL") return {ScreenKind::LmrChannel, -1, number(1)};
    if (parent == "EXPCHANNEL") return {ScreenKind::ExpChannel, -1, number(1)};
    return {ScreenKind::Blank};
}

std::string JumpKey(ScreenKind grid, int number) {
    const char* prefix = grid == ScreenKind::RgGrid ? "R" : grid == ScreenKind::LmrGrid ? "L" : "E";
    return prefix + std::to_string(number);
}

}  // namespace kv
