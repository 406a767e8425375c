// Everything the user must be told or asked goes through a Prompt, with the
// exact text, caption, icon and buttons, and where the user must act, a
// detail that says what is wrong and what to do (the box's informative text,
// kept apart from the system's own text above it). The GUI shows message
// boxes, kvtool writes to the terminal, tests script the answers and record
// every message.
#pragma once

#include <deque>
#include <string>
#include <vector>

namespace kv {

enum class MessageIcon { Critical, Exclamation, Question, Information };
// YesNoDefaultNo: a question whose Enter key answers No (a risky Yes).
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel, YesNoDefaultNo };
// The classic message-box answer codes (6 = Yes, 7 = No).
enum class Answer { Ok = 1, Cancel = 2, Retry = 4, Yes = 6, No = 7 };

struct Message {
    std::string text;
    std::string caption;
    MessageIcon icon = MessageIcon::Critical;
    Buttons buttons = Buttons::Ok;
    std::string detail{};  // what is wrong and what to do; lines separated by CR LF
    friend bool operator==(const Message&, const Message&) = default;
};

class Prompt {
public:
    virtual ~Prompt() = default;
    virtual Answer Show(const Message& message) = 0;
};

// The text and the detail below it, as a terminal or a log shows them.
std::string TextWithDetail(const Message& message);

// The answer a box gives when nobody can answer it: OK, or the safe choice
// (Cancel, No) of a question.
Answer SafeAnswer(Buttons buttons);

// Answers from a script (then the safe answer) and records every message.
class ScriptedPrompt : public Prompt {
public:
    explicit ScriptedPrompt(std::deque<Answer> answers = {}) : answers_(std::move(answers)) {}
    Answer Show(const Message& message) override;
    const std::vector<Message>& shown() const { return shown_; }

private:
    std::deque<Answer> answers_;
    std::vector<Message> shown_;
};

}  // namespace kv
