// What kvtool's link commands share with the terminal: Ctrl-C, questions
// on the terminal, the application object QSerialPort wants, and port names.
#pragma once

#include <signal.h>

#include <QCoreApplication>
#include <cctype>
#include <iostream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "link/link_texts.h"
#include "link/port_list.h"
#include "qt/qt_platform.h"
#include "util/prompt.h"

namespace kv::cli {

// Ctrl-C during a transfer: the handler only counts; the events' pump turns a
// new count into CancelFlag. A signal handler can reach nothing else.
inline volatile sig_atomic_t interruptCount = 0;
inline void CountInterrupt(int) { interruptCount = interruptCount + 1; }

class InterruptGuard {
public:
    InterruptGuard() {
        struct sigaction action {};
        action.sa_handler = CountInterrupt;
        sigemptyset(&action.sa_mask);
        sigaction(SIGINT, &action, &previous_);
        seen_ = interruptCount;
    }
    ~InterruptGuard() { sigaction(SIGINT, &previous_, nullptr); }
    // True once for each Ctrl-C since the last call.
    bool TakeNew() {
        if (interruptCount == seen_) return false;
        seen_ = interruptCount;
        return interrupted_ = true;
    }
    bool interrupted() const { return interrupted_; }

private:
    struct sigaction previous_ {};
    sig_atomic_t seen_ = 0;
    bool interrupted_ = false;
};

// Messages on stderr; questions on the terminal, or the safe answer
// without one (the affirmative one with --yes, a few times per question).
class TerminalPrompt : public Prompt {
public:
    TerminalPrompt(std::ostream& err, bool interactive, bool yes) : err_(err), interactive_(interactive), yes_(yes) {}

    Answer Show(const Message& m) override {
        err_ << "\n" << m.caption << ": " << Flatten(TextWithDetail(m)) << "\n";
        if (m.buttons == Buttons::Ok) return Answer::Ok;
        if (interactive_) return Ask(m.buttons);
        const Answer answer = yes_ && ++asked_[m.text] <= kAutoYesLimit ? Affirmative(m.buttons) : SafeAnswer(m.buttons);
        err_ << "(answered " << Name(answer) << (interactive_ ? "" : ": no terminal") << ")\n";
        return answer;
    }

private:
    static constexpr int kAutoYesLimit = 3;  // a radio that refuses for ever must not loop for ever

    static std::string Flatten(std::string text) {
        for (size_t i; (i = text.find("\r\n")) != std::string::npos;) text.replace(i, 2, "\n");
        return text;
    }
    static Answer Affirmative(Buttons b) {
        return b == Buttons::OkCancel ? Answer::Ok : b == Buttons::RetryCancel ? Answer::Retry : Answer::Yes;
    }
    static const char* Name(Answer a) {
        switch (a) {
            case Answer::Ok: return "OK";
            case Answer::Cancel: return "Cancel";
            case Answer::Retry: return "Retry";
            case Answer::Yes: return "Yes";
            default: return "No";
        }
    }
    Answer Ask(Buttons b) {
        const std::map<Buttons, std::pair<const char*, std::vector<std::pair<char, Answer>>>> choices{
            {Buttons::OkCancel, {"[o]k/[C]ancel", {{'o', Answer::Ok}}}},
            {Buttons::RetryCancel, {"[r]etry/[C]ancel", {{'r', Answer::Retry}}}},
            {Buttons::YesNo, {"[y]es/[N]o", {{'y', Answer::Yes}}}},
            {Buttons::YesNoDefaultNo, {"[y]es/[N]o", {{'y', Answer::Yes}}}},
            {Buttons::YesNoCancel, {"[y]es/[n]o/[C]ancel", {{'y', Answer::Yes}, {'n', Answer::No}}}},
        };
        const auto& [label, options] = choices.at(b);
        err_ << label << "? " << std::flush;
        std::string line;
        if (!std::getline(std::cin, line) || line.empty()) return SafeAnswer(b);
        for (const auto& [key, answer] : options)
            if (std::tolower(static_cast<unsigned char>(line[0])) == key) return answer;
        return SafeAnswer(b);
    }

    std::ostream& err_;
    bool interactive_;
    bool yes_;
    std::map<std::string, int> asked_;
};

// QSerialPort wants an application object; in-process callers may have one.
class CoreApplication {
public:
    CoreApplication() {
        if (!QCoreApplication::instance()) app_ = std::make_unique<QCoreApplication>(argc_, argv_);
    }

private:
    int argc_ = 1;
    char name_[8] = "kvtool";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QCoreApplication> app_;
};

// The device a port number or name stands for; empty (and why) when it is not there.
inline std::string PortName(const std::string& text, std::string& error) {
    PortList list;
    list.Create(qt::AvailablePorts());
    const std::string name = ResolvePort(list, text);
    if (!name.empty()) return name;
    std::vector<std::string> present;
    for (int i = 0; i < list.ComCount(); ++i)
        present.push_back(std::to_string(list.Entry(i).number) + " " + list.Entry(i).name);
    error = PortMissingText("serial port number " + text, present);
    return name;
}

}  // namespace kv::cli
