#include "sim/radio_simulator.h"

#include <array>

#include "image/address_map.h"
#include "link/wire.h"
#include "model/models.h"

namespace kv::sim {
namespace {

constexpr std::array<std::pair<FaultKind, std::string_view>, 10> kFaultNames{{
    {FaultKind::DropByte, "drop-byte"},
    {FaultKind::CorruptByte, "corrupt-byte"},
    {FaultKind::Silent, "silent"},
    {FaultKind::Error, "error"},
    {FaultKind::Busy, "busy"},
    {FaultKind::WrongAddress, "wrong-address"},
    {FaultKind::BadChecksum, "bad-checksum"},
    {FaultKind::ShortData, "short-data"},
    {FaultKind::Hangup, "hangup"},
    {FaultKind::StoreWrong, "store-wrong"},
}};

std::string Crlf(std::string_view text) { return std::string(text) + "\r\n"; }

// A character of the line's middle, so that the code word survives.
size_t MiddleOf(const std::string& line) { return line.size() / 2; }

// A request number: 1 to 999999.
std::optional<int> ParseRequest(std::string_view digits) {
    if (digits.empty() || digits.size() > 6) return std::nullopt;
    int n = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        n = n * 10 + (c - '0');
    }
    return n < 1 ? std::nullopt : std::optional<int>(n);
}

}  // namespace

void WriteRadioIdentification(RadioImage& image, int model) {
    WriteWordBE(image, map::clone::IdentificationWord(model), IdentificationWord(model));
}

std::optional<Fault> ParseFault(std::string_view text) {
    const size_t at = text.find('@');
    const std::string_view name = text.substr(0, at);
    int n = 1;
    if (at != std::string_view::npos) {
        const auto request = ParseRequest(text.substr(at + 1));
        if (!request) return std::nullopt;
        n = *request;
    }
    for (const auto& [kind, fname] : kFaultNames) {
        if (fname != name) continue;
        if (kind != FaultKind::Busy && at == std::string_view::npos) return std::nullopt;
        return Fault{kind, n};
    }
    return std::nullopt;
}

std::optional<MemoryChange> ParseMemoryChange(std::string_view text) {
    const size_t colon = text.find(':'), equals = text.find('=');
    if (colon == std::string_view::npos || equals == std::string_view::npos || equals < colon) return std::nullopt;
    const auto request = ParseRequest(text.substr(0, colon));
    const auto address = wire::ParseHex(text.substr(colon + 1, equals - colon - 1));
    const auto value = wire::ParseHex(text.substr(equals + 1));
    if (!request || !address || !value || *address >= kImageSize || *value > 0xFF) return std::nullopt;
    return MemoryChange{*request, static_cast<int>(*address), static_cast<uint8_t>(*value)};
}

std::string FaultName(FaultKind kind) {
    for (const auto& [k, name] : kFaultNames)
        if (k == kind) return std::string(name);
    return "";
}

RadioSimulator::RadioSimulator(const RadioImage& image, SimOptions options)
    : image_(image), options_(std::move(options)), mode_(options_.synced ? Mode::Synced : Mode::Asleep) {}

void RadioSimulator::Receive(const uint8_t* data, size_t size, std::string& out) {
    for (size_t i = 0; i < size && !hungUp_; ++i) {
        const uint8_t byte = data[i];
        out += static_cast<char>(byte);  // the cable's echo comes first
        if (byte == wire::kCan) {
            line_.clear();
            log_.push_back("abort");
            out += static_cast<char>(wire::kAck);
            continue;
        }
        if (mode_ != Mode::Synced && line_.empty() && (byte == wire::kWake || byte == wire::kWakeConfirm)) {
            if (byte == wire::kWake) {
                out += static_cast<char>(wire::kWake);
                mode_ = Mode::Woken;
            }
            continue;
        }
        if (byte != wire::kLf) {
            if (line_.size() < 4096) line_ += static_cast<char>(byte);
            continue;
        }
        std::string line;
        line.swap(line_);
        if (!line.empty() && line.back() == static_cast<char>(wire::kCr)) line.pop_back();
        TakeLine(line, out);
    }
}

void RadioSimulator::TakeLine(const std::string& line, std::string& out) {
    if (mode_ != Mode::Synced) {
        if (mode_ == Mode::Woken && line == wire::kModeCommand) {
            out += Crlf(wire::kModeAccepted);
            mode_ = Mode::Synced;
        }
        return;  // asleep: nothing answers
    }
    if (line == wire::kSync) return void(out += Crlf(wire::kOk));
    if (line == wire::kModeCommand) return void(out += Crlf(wire::kUnknownAnswer));
    // The tool's verdicts on an answer need no reply.
    for (std::string_view verdict : {wire::kOk, wire::kChecksumFailed, wire::kUnknownAnswer, wire::kReadAnswerWrong})
        if (line == verdict) return;
    TakeFrame(line, out);
}

void RadioSimulator::TakeFrame(const std::string& line, std::string& out) {
    if (!wire::VerifyReplyChecksum(line)) return void(out += std::string(wire::kRefusal));
    const auto fields = wire::SplitTabs(line);
    const std::string_view command = fields[0];
    if (command == wire::kStatusRequest) {
        ++statusRequests_;
        bool busy = false;
        for (const Fault& f : options_.faults) busy = busy || (f.kind == FaultKind::Busy && statusRequests_ <= f.at);
        out += Crlf(wire::kOk);
        out += wire::BuildFrame(wire::kStatusAnswer, busy ? wire::kStatusBusy : wire::kStatusReady);
        return;
    }
    if (command != wire::kReadRequest && command != wire::kWriteRequest) return void(out += std::string(wire::kRefusal));
    const int request = ++blockRequests_;
    for (const MemoryChange& c : options_.changes)
        if (c.at == request && c.address < image_.size()) image_[c.address] = c.value;
    const auto fault = FaultAt(request);
    // Unparsable numbers become an address no image has.
    const unsigned long address = (fields.size() > 1 ? wire::ParseHex(fields[1]) : std::nullopt).value_or(kImageSize);
    const unsigned long length = (fields.size() > 2 ? wire::ParseHex(fields[2]) : std::nullopt).value_or(0);
    const bool isRead = command == wire::kReadRequest;
    log_.push_back(std::string(isRead ? "read " : "write ") + std::string(fields.size() > 1 ? fields[1] : "") + " " +
                   std::string(fields.size() > 2 ? fields[2] : "") + (fault ? " fault " + FaultName(*fault) : ""));
    if (fault == FaultKind::Hangup) {
        hungUp_ = true;
        return;
    }
    if (fault == FaultKind::Silent) return;
    std::string answer;
    if (!InImage(address, length))
        answer = std::string(wire::kRefusal);
    else if (fault == FaultKind::Error)
        answer = std::string(wire::kRefusal);
    else if (isRead)
        answer = ReadAnswer(static_cast<int>(address), static_cast<int>(length), fault);
    else
        answer = WriteAnswer(static_cast<int>(address), fields, fault);
    out += answer;
}

std::string RadioSimulator::ReadAnswer(int address, int length, std::optional<FaultKind> fault) {
    std::vector<uint8_t> data(image_.bytes.begin() + address, image_.bytes.begin() + address + length);
    if (fault == FaultKind::ShortData) data.pop_back();
    const int answered = fault == FaultKind::WrongAddress ? address + length : address;
    std::string frame = wire::BuildFrame(wire::kReadAnswer, wire::Hex4(answered), wire::Hex2(length), wire::HexBytes(data));
    std::string line = frame.substr(0, frame.size() - 2);  // without CR LF
    if (fault == FaultKind::BadChecksum) line.back() = line.back() == '0' ? '1' : '0';
    if (fault == FaultKind::DropByte) line.erase(MiddleOf(line), 1);
    if (fault == FaultKind::CorruptByte) line[MiddleOf(line)] ^= 0x01;
    return Crlf(wire::kOk) + Crlf(line);
}

std::string RadioSimulator::WriteAnswer(int address, const std::vector<std::string_view>& fields,
                                        std::optional<FaultKind> fault) {
    const auto length = wire::ParseHex(fields[2]).value_or(0);
    const auto data = fields.size() > 3 ? wire::ParseHexBytes(fields[3]) : std::nullopt;
    if (!data || data->size() != length) return std::string(wire::kRefusal);
    for (size_t i = 0; i < data->size(); ++i) {
        const int at = address + static_cast<int>(i);
        image_[at] = (*data)[i];
        written_.push_back(at);
    }
    // The middle byte of the block (the only one of a single byte) goes in altered.
    if (fault == FaultKind::StoreWrong) image_[address + static_cast<int>(data->size() / 2)] ^= 0x01;
    std::string ack(wire::kOk);
    if (fault == FaultKind::DropByte) ack.erase(MiddleOf(ack), 1);
    if (fault == FaultKind::CorruptByte) ack[MiddleOf(ack)] ^= 0x01;
    return Crlf(ack);
}

std::optional<FaultKind> RadioSimulator::FaultAt(int request) const {
    for (const Fault& f : options_.faults)
        if (f.kind != FaultKind::Busy && f.at == request) return f.kind;
    return std::nullopt;
}

bool RadioSimulator::InImage(unsigned long address, unsigned long length) const {
    return length >= 1 && length <= 0xFF && address + length <= static_cast<unsigned long>(image_.size());
}

}  // namespace kv::sim
