#include "util/prompt.h"

namespace kv {

std::string TextWithDetail(const Message& message) {
    return message.detail.empty() ? message.text : message.text + "\r\n" + message.detail;
}

Answer SafeAnswer(Buttons buttons) {
    switch (buttons) {
        case Buttons::Ok: return Answer::Ok;
        case Buttons::YesNo:
        case Buttons::YesNoDefaultNo: return Answer::No;
        default: return Answer::Cancel;
    }
}

Answer ScriptedPrompt::Show(const Message& message) {
    shown_.push_back(message);
    if (answers_.empty()) return SafeAnswer(message.buttons);
    const Answer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

}  // namespace kv
