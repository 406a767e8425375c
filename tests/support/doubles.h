// Stand-ins the suites share: the texts of the messages shown, a clock
// without the protocol's pauses, an error log that keeps what it is told.
#pragma once

#include <string>
#include <vector>

#include "files/error_log.h"
#include "link/serial_line.h"
#include "util/prompt.h"

namespace kv::test {

using Texts = std::vector<std::string>;

// The text of every message, in order (or what `shown` makes of each, such as TextWithDetail).
using MessageText = std::string (*)(const Message&);
inline std::string MainText(const Message& m) { return m.text; }
inline Texts TextsOf(const std::vector<Message>& messages, MessageText shown = MainText) {
    Texts texts;
    for (const Message& m : messages) texts.push_back(shown(m));
    return texts;
}
inline Texts TextsOf(const ScriptedPrompt& prompt, MessageText shown = MainText) { return TextsOf(prompt.shown(), shown); }

// Real time, without the protocol's settling pauses: a simulated radio needs none.
class UnpausedClock : public SteadyClock {
public:
    void Sleep(Duration) override {}
};

// Every entry as "procedure -> number description", whatever the mode: the caller decides.
class RecordingLog : public ErrorLog {
public:
    std::vector<std::string> lines;
    void Log(const std::string& procedure, long number, const std::string& description) override {
        lines.push_back(procedure + " -> " + std::to_string(number) + description);
    }
};

}  // namespace kv::test
