#include "files/backups.h"

#include <algorithm>
#include <ctime>
#include <optional>

#include "files/data_file.h"
#include "files/file_io.h"

namespace kv {
namespace {

namespace fs = std::filesystem;

// Names start with the local date and time, so that they sort by age:
// "2026-12-07_14-03-59_KV170-usa.hex".
constexpr size_t kStampLength = 19;

std::string Stamp(std::chrono::system_clock::time_point now) {
    const std::time_t t = std::chrono::system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&t, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d_%H-%M-%S", &local);
    return text;
}

bool IsBackupName(const std::string& name) {
    if (name.size() < kStampLength + 5 || !name.ends_with(".hex")) return false;
    for (size_t i = 0; i < kStampLength; ++i) {
        const char c = name[i];
        const bool digit = c >= '0' && c <= '9';
        if (i == 4 || i == 7 || i == 13 || i == 16 ? c != '-' : i == 10 ? c != '_' : !digit) return false;
    }
    return true;
}

std::string DestinationName(const RadioSession& s) {
    if (const auto d = DestinationFor(s.model, s.Sel1(), s.region)) return d->name;
    return "";
}

// The destination, or the model name and type where there is none; safe in a file name.
std::string NameTag(const RadioSession& s) {
    std::string tag = DestinationName(s);
    if (tag.empty()) tag = s.ModelName() + "-type" + std::to_string(s.model);
    std::replace(tag.begin(), tag.end(), '/', '+');
    return tag;
}

std::vector<fs::path> BackupFiles(const fs::path& folder) {
    std::vector<fs::path> files;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        if (it->is_regular_file(ec) && IsBackupName(it->path().filename().string())) files.push_back(it->path());
    // By name without ".hex", so that "...-usa-2" (a second read in one second) comes before "...-usa".
    std::sort(files.begin(), files.end(), [](const fs::path& a, const fs::path& b) { return a.stem() > b.stem(); });
    return files;
}

// Keeps the newest by name and, whatever its name's date says (a clock set
// wrong, files copied from elsewhere), the backup just written.
void Prune(const fs::path& folder, const fs::path& written) {
    std::vector<fs::path> files = BackupFiles(folder);
    std::erase_if(files, [&](const fs::path& file) { return file.filename() == written.filename(); });
    std::error_code ec;
    for (size_t i = kBackupsKept - 1; i < files.size(); ++i) fs::remove(files[i], ec);
}

// Older model types' images do not tell their type: their backups carry it
// in the name ("2026-12-07_14-03-59_KV130-type2.hex").
std::optional<int> ModelInName(const std::string& name) {
    const size_t at = name.rfind("-type");
    if (at == std::string::npos || at + 6 >= name.size()) return std::nullopt;
    const char digit = name[at + 5], after = name[at + 6];
    if (digit < '0' || digit >= '0' + kModelCount || (after != '-' && after != '.')) return std::nullopt;
    return digit - '0';
}

}  // namespace

SavedBackup SaveBackup(const fs::path& folder, const RadioSession& session, const std::vector<uint8_t>& radio,
                       std::chrono::system_clock::time_point now) {
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec) return {{}, folder.string() + ": " + ec.message()};
    // Reads in the same second, in this process or another, each get a name of their own.
    const std::string base = Stamp(now) + "_" + NameTag(session);
    const NewFile made = WriteNewFile(
        [&](int n) { return folder / (base + (n == 1 ? "" : "-" + std::to_string(n)) + ".hex"); }, radio.data(),
        radio.size());
    if (made.path.empty()) return {{}, made.error};
    Prune(folder, made.path);
    return {made.path, ""};
}

SavedBackup SaveReadBackup(const fs::path& folder, const RadioSession& session,
                           std::chrono::system_clock::time_point now) {
    const std::vector<uint8_t> read(session.image.bytes.begin(), session.image.bytes.begin() + session.image.size());
    return SaveBackup(folder, session, read, now);
}

std::vector<BackupEntry> ListBackups(const fs::path& folder) {
    std::vector<BackupEntry> entries;
    for (const fs::path& file : BackupFiles(folder)) {
        BackupEntry e;
        e.path = file;
        const std::string name = file.filename().string();
        e.date = name.substr(0, 10) + " " + name.substr(11, 8);
        std::replace(e.date.begin() + 11, e.date.end(), '-', ':');
        RadioSession session;
        const DataFileResult loaded = LoadDataFile(session, file, ModelInName(name));
        if (loaded.ok) {
            e.model = session.ModelName();
            e.destination = DestinationName(session);
        } else {
            e.problem = "damaged: " + ReasonOf(loaded.error, file);  // the line names the file already
        }
        entries.push_back(std::move(e));
    }
    return entries;
}

std::string BackupLine(const BackupEntry& e) {
    const std::string head = e.path.filename().string() + "\t" + e.date + "\t";
    if (!e.problem.empty()) return head + e.problem;
    return head + e.model + "\t" + (e.destination.empty() ? "-" : e.destination);
}

}  // namespace kv
