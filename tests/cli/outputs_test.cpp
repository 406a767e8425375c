// Every command that writes a file, onto every kind of node a path can name.
#include <fcntl.h>
#include <grp.h>
#include <pty.h>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <future>

#include "cli/terminal_text.h"
#include "support/kvtool_run.h"
#include "support/temp_dir.h"

namespace kv {
namespace {

using test::Kvtool;
using test::ToolRun;
namespace fs = std::filesystem;

std::string ReadToEnd(int fd) {
    std::string bytes;
    char buffer[4096];
    for (ssize_t n; (n = read(fd, buffer, sizeof buffer)) > 0;) bytes.append(buffer, static_cast<size_t>(n));
    close(fd);
    return bytes;
}

// A PDF holds the time it was made: its ends only; anything else whole.
std::string Ends(const std::string& bytes, bool pdf) {
    return pdf && bytes.size() > 16 ? bytes.substr(0, 5) + bytes.substr(bytes.size() - 6) : bytes;
}

mode_t KindOf(const fs::path& path) {
    struct stat info {};
    return lstat(path.c_str(), &info) == 0 ? info.st_mode & S_IFMT : 0;
}

// The reader of a FIFO, who holds a writer of its own until the command is
// done (so a FIFO the command never opened ends empty); `leaving`: the
// reader goes after the first byte.
struct FifoReader {
    std::future<std::string> received;
    int held = -1;
    explicit FifoReader(const fs::path& path, bool leaving = false) {
        const int reader = open(path.c_str(), O_RDONLY | O_NONBLOCK);
        held = open(path.c_str(), O_WRONLY);
        fcntl(reader, F_SETFL, 0);
        received = std::async(std::launch::async, [reader, leaving] {
            if (!leaving) return ReadToEnd(reader);
            char first = 0;
            const ssize_t n = read(reader, &first, 1);
            close(reader);
            return std::string(n == 1 ? 1 : 0, first);
        });
    }
    std::string Received() {
        close(held);
        return received.get();
    }
};

// A FIFO, a device, a directory or a socket (bound, nobody listening).
void Make(mode_t type, const fs::path& path, dev_t device = 0) {
    if (type == S_IFDIR) {
        fs::create_directory(path);
    } else if (type == S_IFSOCK) {
        sockaddr_un address{AF_UNIX, {}};
        std::snprintf(address.sun_path, sizeof address.sun_path, "%s", path.c_str());
        const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
        EXPECT_EQ(bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
        close(fd);
    } else {
        EXPECT_EQ(mknod(path.c_str(), type | 0666, device), 0) << path;
    }
}

TEST(KvtoolOutputs, ANodeIsWrittenIntoAndStaysWhatItWas) {
    test::TempDir dir;
    if (mknod((dir / "probe").c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0)
        GTEST_SKIP() << "device nodes cannot be made here";
    const std::string dat = (dir / "radio.dat").string(), csv = (dir / "usa.csv").string();
    ASSERT_EQ(Kvtool({"new", "-o", dat}).status, 0);
    ASSERT_EQ(Kvtool({"csv", "export", dat, "usa", "-o", csv}).status, 0);
    const std::pair<std::vector<std::string>, std::string> commands[] = {  // "OUT": the output
        {{"new", "-o", "OUT"}, ".dat"},
        {{"new", "-o", "OUT"}, ".hex"},
        {{"convert", dat, "OUT"}, ".hex"},
        {{"narrow", dat, "--apply", "-o", "OUT"}, ".dat"},
        {{"csv", "export", dat, "usa", "-o", "OUT"}, ".csv"},
        {{"csv", "import", dat, "usa", csv, "-o", "OUT"}, ".dat"},
        {{"report", dat, "-o", "OUT"}, ".txt"},
        {{"print", dat, "-o", "OUT"}, ".pdf"},
    };
    const struct {
        mode_t type;
        dev_t device;
        std::string refusal;  // the reason it is refused or fails with; empty: written
    } kinds[] = {
        {S_IFIFO, 0, ""},
        {S_IFCHR, makedev(1, 7), ": No space left on device"},  // /dev/full
        {S_IFSOCK, 0, ": Connection refused"},
        {S_IFDIR, 0, ": is a directory"},
        {S_IFBLK, makedev(7, 0), ": is a block device"},
    };
    int n = 0;
    for (const auto& [args, extension] : commands) {
        const auto run = [&](const fs::path& out) {
            std::vector<std::string> with = args;
            std::replace(with.begin(), with.end(), std::string("OUT"), out.string());
            return Kvtool(with);
        };
        ASSERT_EQ(run(dir / ("regular" + extension)).status, 0) << args[0];
        const std::string expected = test::ReadText(dir / ("regular" + extension));
        for (const auto& [type, device, refusal] : kinds) {
            const fs::path out = dir / ("out" + std::to_string(++n) + extension);
            Make(type, out, device);
            std::optional<FifoReader> fifo;
            if (type == S_IFIFO) fifo.emplace(out);
            const ToolRun result = run(out);
            const std::string what = args[0] + " " + extension + " onto a node of type " + std::to_string(type);
            EXPECT_EQ(KindOf(out), type) << what;
            if (fifo) {
                EXPECT_EQ(Ends(fifo->Received(), extension == ".pdf"), Ends(expected, extension == ".pdf")) << what;
            }
            EXPECT_EQ(result.status, refusal.empty() ? 0 : 1) << what << ": " << result.err;
            EXPECT_EQ(result.err.find(out.string() + refusal) != std::string::npos, !refusal.empty()) << what;
            EXPECT_EQ(result.err.find(out.string(), result.err.find(out.string()) + 1), std::string::npos)
                << "named once: " << result.err;
        }
    }
}

// A reader that goes away before the end is a failure kvtool reports; it
// does not end the program (the whole file does not fit in the pipe). A FIFO
// nobody reads is one at once, not a wait for ever.
TEST(KvtoolOutputs, AFifoWhoseReaderLeavesOrNeverCameIsAFailure) {
    test::TempDir dir;
    Make(S_IFIFO, dir / "radio.dat");
    const ToolRun unread = Kvtool({"new", "-o", (dir / "radio.dat").string()});
    EXPECT_EQ(unread.status, 1);
    EXPECT_NE(unread.err.find("radio.dat: no program reads from this FIFO"), std::string::npos) << unread.err;
    FifoReader fifo(dir / "radio.dat", true);
    const ToolRun run = Kvtool({"new", "-o", (dir / "radio.dat").string()});
    EXPECT_EQ(fifo.Received(), "[");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find((dir / "radio.dat").string() + ": Broken pipe"), std::string::npos) << run.err;
}

// kvtool as a process, as nobody where we are root (a user who may not
// write in /dev), its standard output a pipe or a terminal; what came out
// and its exit status.
std::pair<std::string, int> RunProcess(const std::vector<std::string>& args, bool terminal = false,
                                       int stream = STDOUT_FILENO) {
    int ends[2];  // what we read back, kvtool's standard output (or error)
    if (terminal ? openpty(&ends[0], &ends[1], nullptr, nullptr, nullptr) != 0 : pipe(ends) != 0) return {"", -1};
    if (!terminal && geteuid() == 0 && fchown(ends[0], 65534, 65534) != 0) return {"", -1};  // its own pipe
    const pid_t child = fork();
    if (child == 0) {
        if (geteuid() == 0 && (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0)) _exit(126);
        dup2(ends[1], stream);
        std::vector<char*> argv{const_cast<char*>(KVTOOL_PATH)};
        for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execv(KVTOOL_PATH, argv.data());
        _exit(127);
    }
    close(ends[1]);
    std::string received = ReadToEnd(ends[0]);
    int status = 0;
    waitpid(child, &status, 0);
    return {std::move(received), WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

// kvtool's standard output named as its output, into a pipe, where a draft
// beside the PDF would go to /dev; and a name's control characters shown
// escaped on a terminal, as they are into a pipe.
TEST(KvtoolProcess, WritesIntoItsPipeAndEscapesOnlyOnATerminal) {
    test::TempDir dir;
    const std::string dat = (dir / "radio.dat").string(), pdf = (dir / "saved.pdf").string();
    ASSERT_EQ(Kvtool({"new", "-o", dat}).status, 0);
    ASSERT_EQ(Kvtool({"print", dat, "-o", pdf}).status, 0);
    const auto [received, status] = RunProcess({"print", dat, "-o", "/dev/stdout"});
    EXPECT_EQ(status, 0);
    EXPECT_EQ(Ends(received, true), Ends(test::ReadText(pdf), true));

    std::string text = test::ReadText(dat);
    test::WriteText(dat, text.replace(text.find("DISTRESS"), 8, "\x1b[2J"));
    for (const std::vector<std::string>& args : {std::vector<std::string>{"show", dat}, {"report", dat}, {"csv", "export", dat, "usa"}}) {
        const std::string shown = RunProcess(args, true).first, piped = RunProcess(args).first;
        EXPECT_NE(shown.find("\\x1b[2J"), std::string::npos) << args[0];
        EXPECT_EQ(shown.find('\x1b'), std::string::npos) << args[0];
        EXPECT_NE(piped.find("\x1b[2J"), std::string::npos) << args[0];
    }
    // A message naming what the user gave: escaped on a terminal too.
    const std::string named = (dir / "\x1b[2Jgone.dat").string();
    const std::string told = RunProcess({"show", named}, true, STDERR_FILENO).first;
    EXPECT_NE(told.find("\\x1b[2Jgone.dat"), std::string::npos) << told;
    EXPECT_EQ(told.find('\x1b'), std::string::npos) << told;
}

TEST(TerminalText, ControlCharactersAreShownEscaped) {
    const std::pair<std::string, std::string> cases[] = {
        {"\x1b]0;title\x07\x1b[31mRED", "\\x1b]0;title\\x07\\x1b[31mRED"},
        {"tab\tline\r\nend\n", "tab\tline\r\nend\n"},
        {"lone\rCR\x7f", "lone\\x0dCR\\x7f"},
        {"caf\xc3\xa9 \xc2\x9b[2J", "caf\xc3\xa9 \\xc2\\x9b[2J"},  // UTF-8 kept; C1 CSI not
        {"\xe9t\xe9 \xe2\x82", "\\xe9t\\xe9 \\xe2\\x82"},                 // not UTF-8; cut short
    };
    for (const auto& [text, shown] : cases) EXPECT_EQ(cli::ForTerminal(text), shown);
    std::string out;
    EXPECT_EQ(cli::AppendForTerminal("A\r", false, out), 1u) << "a CR waits for what follows";
    EXPECT_EQ(cli::AppendForTerminal("B\xe2\x82", false, out), 1u) << "so does a character begun";
}

}  // namespace
}  // namespace kv
