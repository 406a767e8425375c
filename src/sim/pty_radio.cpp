#include "sim/pty_radio.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <deque>
#include <filesystem>
#include <memory>
#include <thread>

#include "link/wire.h"

namespace kv::sim {
namespace {

using Clock = std::chrono::steady_clock;
constexpr std::chrono::nanoseconds kByteTime{1'000'000'000LL * 10 / 28800};
constexpr std::chrono::milliseconds kIdleWait{200};
// Paced bytes leave in small bursts, as from a serial adapter's FIFO: never
// before their time on the wire, and the last byte of an answer on time.
constexpr size_t kBurst = 8;

volatile sig_atomic_t stopRequested = 0;  // set by the signal handler only

void RequestStop(int) { stopRequested = 1; }

void CatchStopSignals() {
    struct sigaction action {};
    action.sa_handler = RequestStop;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    signal(SIGPIPE, SIG_IGN);
}

struct Pty {
    int master = -1;
    int slave = -1;  // held open so the line survives the tool closing and reopening it
    std::string path;
};

bool OpenPty(Pty& pty) {
    pty.master = posix_openpt(O_RDWR | O_NOCTTY);
    if (pty.master < 0 || grantpt(pty.master) != 0 || unlockpt(pty.master) != 0) return false;
    const char* name = ptsname(pty.master);
    if (!name) return false;
    pty.path = name;
    pty.slave = open(name, O_RDWR | O_NOCTTY);
    if (pty.slave < 0) return false;
    termios raw{};
    if (tcgetattr(pty.slave, &raw) != 0) return false;
    cfmakeraw(&raw);
    cfsetispeed(&raw, B38400);
    cfsetospeed(&raw, B38400);
    return tcsetattr(pty.slave, TCSANOW, &raw) == 0;
}

// Sends what is due: everything at once, or byte by byte at the baud rate.
class Sender {
public:
    Sender(int fd, bool paced) : fd_(fd), paced_(paced) {}
    void Queue(const std::string& bytes) {
        if (pending_.empty() && Clock::now() > nextDue_) nextDue_ = Clock::now() + kByteTime;
        pending_.insert(pending_.end(), bytes.begin(), bytes.end());
    }
    void Drop() { pending_.clear(); }
    void Flush() {
        std::string chunk;
        const auto now = Clock::now();
        while (!pending_.empty() && (!paced_ || now >= nextDue_)) {
            chunk += static_cast<char>(pending_.front());
            pending_.pop_front();
            nextDue_ += kByteTime;
        }
        for (size_t done = 0; done < chunk.size();) {
            const ssize_t n = write(fd_, chunk.data() + done, chunk.size() - done);
            if (n <= 0 && errno != EINTR) return;
            if (n > 0) done += static_cast<size_t>(n);
        }
    }
    // How long poll may sleep before the next burst is due.
    std::chrono::nanoseconds Wait() const {
        if (pending_.empty()) return kIdleWait;
        if (!paced_) return std::chrono::nanoseconds::zero();
        const auto burstDue = nextDue_ + kByteTime * static_cast<long>(std::min(pending_.size(), kBurst) - 1);
        return std::max(std::chrono::nanoseconds::zero(), std::chrono::nanoseconds(burstDue - Clock::now()));
    }

private:
    int fd_;
    bool paced_;
    std::deque<uint8_t> pending_;
    Clock::time_point nextDue_{};
};

void MakeLink(const std::string& link, const std::string& target) {
    std::error_code ec;
    if (std::filesystem::is_symlink(link, ec)) std::filesystem::remove(link, ec);
    std::filesystem::create_symlink(target, link, ec);
    if (ec) std::fprintf(stderr, "kvradio-sim: %s: %s\n", link.c_str(), ec.message().c_str());
}

void RemoveLink(const std::string& link, const std::string& target) {
    std::error_code ec;
    if (!link.empty() && std::filesystem::read_symlink(link, ec) == target) std::filesystem::remove(link, ec);
}

}  // namespace

PtyRadio::PtyRadio(RadioSimulator& radio, bool paced) : radio_(radio), paced_(paced) {}

PtyRadio::~PtyRadio() {
    if (master_ >= 0) close(master_);
    if (slave_ >= 0) close(slave_);
}

bool PtyRadio::Open() {
    Pty pty;
    const bool opened = OpenPty(pty);
    master_ = pty.master;
    slave_ = pty.slave;
    path_ = pty.path;
    return opened;
}

void PtyRadio::Serve(const std::function<bool()>& stop) {
    Sender sender(master_, paced_);
    uint8_t buffer[4096];
    while (!stop() && !radio_.HungUp()) {
        pollfd fd{master_, POLLIN, 0};
        const auto wait = std::min<std::chrono::nanoseconds>(sender.Wait(), kIdleWait);
        const timespec timeout{static_cast<time_t>(wait.count() / 1'000'000'000),
                               static_cast<long>(wait.count() % 1'000'000'000)};
        const int ready = ppoll(&fd, 1, &timeout, nullptr);
        if (ready > 0 && (fd.revents & POLLIN)) {
            const ssize_t n = read(master_, buffer, sizeof buffer);
            if (n > 0) {
                // An abort stops whatever answer was still on its way.
                if (std::memchr(buffer, wire::kCan, static_cast<size_t>(n))) sender.Drop();
                std::string out;
                radio_.Receive(buffer, static_cast<size_t>(n), out);
                sender.Queue(out);
            }
        } else if (ready > 0) {
            usleep(10000);  // no reader on the other side yet
        }
        if (!radio_.HungUp()) sender.Flush();
    }
    // A hangup: the tool's side sees the line gone.
    close(master_);
    close(slave_);
    master_ = slave_ = -1;
}

int ServeOnPtys(const std::vector<RadioSimulator*>& radios, const PtyOptions& options) {
    CatchStopSignals();
    std::vector<std::unique_ptr<PtyRadio>> ptys;
    for (RadioSimulator* radio : radios) {
        ptys.push_back(std::make_unique<PtyRadio>(*radio, options.paced));
        if (!ptys.back()->Open()) {
            std::fprintf(stderr, "kvradio-sim: cannot open a pseudo-terminal: %s\n", std::strerror(errno));
            return 1;
        }
    }
    const auto linkOf = [&](size_t i) { return i < options.links.size() ? options.links[i] : std::string(); };
    for (size_t i = 0; i < ptys.size(); ++i) {
        if (!linkOf(i).empty()) MakeLink(linkOf(i), ptys[i]->path());
        std::printf("%s\n", ptys[i]->path().c_str());
    }
    std::fflush(stdout);
    std::vector<std::thread> servers;
    for (auto& pty : ptys) servers.emplace_back([&pty] { pty->Serve([] { return stopRequested != 0; }); });
    for (std::thread& server : servers) server.join();
    for (size_t i = 0; i < ptys.size(); ++i) RemoveLink(linkOf(i), ptys[i]->path());
    return 0;
}

}  // namespace kv::sim
