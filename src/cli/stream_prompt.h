// Messages on a terminal stream; questions take the safe answer (Cancel,
// No) unless answers are given.
#pragma once

#include <ostream>

#include "util/prompt.h"

namespace kv::cli {

class StreamPrompt : public Prompt {
public:
    explicit StreamPrompt(std::ostream& out) : out_(out) {}
    Answer Show(const Message& message) override {
        std::string text = TextWithDetail(message);
        for (size_t at; (at = text.find("\r\n")) != std::string::npos;) text.replace(at, 2, "\n");
        out_ << message.caption << ": " << text << "\n";
        return SafeAnswer(message.buttons);
    }

private:
    std::ostream& out_;
};

}  // namespace kv::cli
