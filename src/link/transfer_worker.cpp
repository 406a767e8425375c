#include "link/transfer_worker.h"

#include <chrono>
#include <cmath>
#include <memory>
#include <thread>

#include "util/advice.h"

namespace kv {

std::function<void()> StartWorker(const StartThread& start, std::function<void()> work) {
    if (start) return start(std::move(work));
    auto thread = std::make_shared<std::thread>(std::move(work));
    return [thread] {
        if (thread->joinable()) thread->join();
    };
}

std::string MinutesSeconds(double seconds) {
    if (seconds < 0) return "";
    const long s = std::lround(seconds);
    const std::string sec = std::to_string(s % 60);
    return std::to_string(s / 60) + ":" + (sec.size() < 2 ? "0" : "") + sec;
}

std::string PhaseLine(const WorkerStatus& status) {
    const std::string left = MinutesSeconds(status.secondsLeft);
    if (left.empty() || status.phase.empty()) return status.phase;
    return AdviceText(Advice::PhaseTimeLeft, {status.phase, left});
}

void WorkerLink::Progress(const TransferProgress& progress) {
    const Clock::Duration now = clock_.Now();
    std::lock_guard lock(mutex_);
    // A loop begins at its step 0: the pace is measured from there.
    if (progress.step == 0 || progress.steps != status_.progress.steps) loopStart_ = now;
    status_.secondsLeft = -1;
    if (progress.step > 0 && progress.steps > progress.step) {
        const double elapsed = std::chrono::duration<double>(now - loopStart_).count();
        status_.secondsLeft = elapsed / progress.step * (progress.steps - progress.step);
    } else if (progress.steps > 0 && progress.step >= progress.steps) {
        status_.secondsLeft = 0;
    }
    status_.progress = progress;
}

void WorkerLink::Note(const std::string& text) {
    std::lock_guard lock(mutex_);
    status_.note = text;
    ++status_.notes;
}

void WorkerLink::Phase(const std::string& text) {
    std::lock_guard lock(mutex_);
    status_.phase = text;
    status_.secondsLeft = -1;
}

void WorkerLink::Waiting(const std::string& text) {
    std::lock_guard lock(mutex_);
    status_.waiting = text;
}

Answer WorkerLink::Show(const Message& message) {
    std::unique_lock lock(mutex_);
    if (questions_ == Questions::SafeAnswer) {
        const bool trouble = message.icon == MessageIcon::Critical || message.icon == MessageIcon::Exclamation;
        if (trouble && firstTrouble_.empty()) {
            firstTrouble_ = TextWithDetail(message);
            for (size_t i; (i = firstTrouble_.find("\r\n")) != std::string::npos;) firstTrouble_.replace(i, 2, " ");
        }
        return SafeAnswer(message.buttons);
    }
    question_ = message;
    answer_.reset();
    answered_.wait(lock, [this] { return answer_.has_value(); });
    question_.reset();
    return *answer_;
}

WorkerStatus WorkerLink::Status() const {
    std::lock_guard lock(mutex_);
    return status_;
}

std::optional<Message> WorkerLink::Question() const {
    std::lock_guard lock(mutex_);
    if (answer_) return std::nullopt;
    return question_;
}

void WorkerLink::Reply(kv::Answer answer) {
    {
        std::lock_guard lock(mutex_);
        if (!question_ || answer_) return;
        answer_ = answer;
    }
    answered_.notify_all();
}

void WorkerLink::Cancel() {
    cancel_ = true;
    std::lock_guard lock(mutex_);
    if (question_ && !answer_) {
        answer_ = SafeAnswer(question_->buttons);
        answered_.notify_all();
    }
}

std::string WorkerLink::FirstTrouble() const {
    std::lock_guard lock(mutex_);
    return firstTrouble_;
}

}  // namespace kv
