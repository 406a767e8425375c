// The diagnostic error log "err.log", written in debug mode only:
// date,time:procedure -> number description, one line per entry.
#pragma once

#include <filesystem>
#include <functional>
#include <string>

namespace kv {

inline constexpr const char* kErrorLogName = "err.log";

std::string ErrorLogLine(const std::string& date, const std::string& time, const std::string& procedure,
                         long number, const std::string& description);

class ErrorLog {
public:
    virtual ~ErrorLog() = default;
    virtual void Log(const std::string& procedure, long number, const std::string& description) = 0;
};

// Appends to a file, opened and closed per entry; failures to write are
// ignored. Disabled (outside debug mode) it writes nothing.
class FileErrorLog : public ErrorLog {
public:
    struct Stamp {
        std::string date;  // 2025/01/31
        std::string time;  // 13:45:07
    };
    FileErrorLog(std::filesystem::path path, bool enabled, std::function<Stamp()> now = LocalStamp);
    void Log(const std::string& procedure, long number, const std::string& description) override;
    static Stamp LocalStamp();

private:
    std::filesystem::path path_;
    bool enabled_;
    std::function<Stamp()> now_;
};

}  // namespace kv
