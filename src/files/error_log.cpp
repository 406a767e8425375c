#include "files/error_log.h"

#include <ctime>
#include <fstream>

namespace kv {

std::string ErrorLogLine(const std::string& date, const std::string& time, const std::string& procedure,
                         long number, const std::string& description) {
    return date + "," + time + ":" + procedure + " -> " + std::to_string(number) + description;
}

FileErrorLog::FileErrorLog(std::filesystem::path path, bool enabled, std::function<Stamp()> now)
    : path_(std::move(path)), enabled_(enabled), now_(std::move(now)) {}

void FileErrorLog::Log(const std::string& procedure, long number, const std::string& description) {
    if (!enabled_) return;
    const Stamp stamp = now_();
    std::ofstream out(path_, std::ios::binary | std::ios::app);
    out << ErrorLogLine(stamp.date, stamp.time, procedure, number, description) << "\r\n";
}

FileErrorLog::Stamp FileErrorLog::LocalStamp() {
    const std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    char date[16], time[16];
    std::strftime(date, sizeof date, "%Y/%m/%d", &local);
    std::strftime(time, sizeof time, "%H:%M:%S", &local);
    return {date, time};
}

}  // namespace kv
