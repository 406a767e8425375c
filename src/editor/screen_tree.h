// The tree of screens of the main window, built from the session: which
// nodes exist for the model and the usable channel groups, their captions
// and keys, and which screen a node shows.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/session.h"

namespace kv {

struct ScreenNode {
    std::string caption;
    std::string key;
    std::vector<ScreenNode> children;
    std::string name{};  // a channel node's channel name, shown beside its caption
    friend bool operator==(const ScreenNode&, const ScreenNode&) = default;
};

std::vector<ScreenNode> BuildScreenTree(const RadioSession& session);

// The node with a key (compared without regard to case), depth first.
const ScreenNode* FindNode(const std::vector<ScreenNode>& tree, std::string_view key);

enum class ScreenKind {
    General,        // the logo page
    Empty,          // the grey page of "Programmable Channel"
    Blank,
    Usable,         // Available CH Group Setup
    Common,         // Common Setup
    Atis,           // ATIS Setup
    MarineGrid,     // PU, PI, PC
    WeatherGrid,    // PW
    RgGrid,         // PR
    LmrGrid,        // LMRChannel
    ExpGrid,        // ExpChannel
    MarineChannel,  // a channel of PU, PI or PC
    RgChannel,      // R1..R8
    LmrChannel,     // L1..L40
    ExpChannel,     // E1..E40
};

struct ScreenChoice {
    ScreenKind kind = ScreenKind::General;
    int group = -1;  // the marine group of a marine grid or channel
    int index = -1;  // the channel of a single-channel editor
};

// The screen of a node, chosen by its key and its parent's key (empty for a
// top-level node), both compared in upper case.
ScreenChoice ScreenForNode(std::string_view key, std::string_view parentKey);

// The key of the node a channel grid row jumps to: "R", "L" or "E" and the
// number in the row's first cell.
std::string JumpKey(ScreenKind grid, int number);

}  // namespace kv
