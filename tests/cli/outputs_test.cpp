// Every command that writes a file, onto every kind of node a path can name.
#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <future>

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

// A FIFO and its reader, who holds a writer of its own until the command is
// done (so a FIFO the command never opened ends empty); `leaving`: the
// reader goes after the first byte.
struct Fifo {
    std::future<std::string> received;
    int held = -1;
    explicit Fifo(const fs::path& path, bool leaving = false) {
        EXPECT_EQ(mkfifo(path.c_str(), 0666), 0);
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

enum class Node { Fifo, Full, Socket, Folder, Block };

void Make(Node node, const fs::path& path) {
    sockaddr_un address{AF_UNIX, {}};
    switch (node) {
        case Node::Fifo: break;
        case Node::Full: EXPECT_EQ(mknod(path.c_str(), S_IFCHR | 0666, makedev(1, 7)), 0); break;
        case Node::Block: EXPECT_EQ(mknod(path.c_str(), S_IFBLK | 0666, makedev(7, 0)), 0); break;
        case Node::Folder: fs::create_directory(path); break;
        case Node::Socket: {  // bound, and nobody listening
            std::snprintf(address.sun_path, sizeof address.sun_path, "%s", path.c_str());
            const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
            EXPECT_EQ(bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
            close(fd);
        }
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
    const std::pair<Node, std::string> kinds[] = {  // refused or failed with this, or written
        {Node::Fifo, ""},
        {Node::Full, ": No space left on device"},
        {Node::Socket, ": Connection refused"},
        {Node::Folder, ": is a directory"},
        {Node::Block, ": is a block device"},
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
        for (const auto& [node, refusal] : kinds) {
            const fs::path out = dir / ("out" + std::to_string(++n) + extension);
            std::optional<Fifo> fifo;
            if (node == Node::Fifo) fifo.emplace(out);
            Make(node, out);
            const mode_t kind = KindOf(out);
            const ToolRun result = run(out);
            const std::string what = args[0] + " " + extension + " onto node " + std::to_string(int(node));
            EXPECT_EQ(KindOf(out), kind) << what;
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
// does not end the program (the whole file does not fit in the pipe).
TEST(KvtoolOutputs, AFifoWhoseReaderLeavesIsAFailure) {
    test::TempDir dir;
    Fifo fifo(dir / "radio.dat", true);
    const ToolRun run = Kvtool({"new", "-o", (dir / "radio.dat").string()});
    EXPECT_EQ(fifo.Received(), "[");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find((dir / "radio.dat").string() + ": Broken pipe"), std::string::npos) << run.err;
}

// kvtool's own standard output named as its output, into a pipe, run by a
// user who may not write in /dev, where a draft beside the PDF would go.
TEST(KvtoolOutputs, StandardOutputAsTheOutputIntoAPipe) {
    test::TempDir dir;
    const std::string dat = (dir / "radio.dat").string(), pdf = (dir / "saved.pdf").string();
    ASSERT_EQ(Kvtool({"new", "-o", dat}).status, 0);
    ASSERT_EQ(Kvtool({"print", dat, "-o", pdf}).status, 0);
    int out[2];
    ASSERT_EQ(pipe(out), 0);
    ASSERT_TRUE(geteuid() != 0 || fchown(out[0], 65534, 65534) == 0) << "the pipe is the user's own";
    const pid_t child = fork();
    if (child == 0) {
        if (geteuid() == 0 && (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0)) _exit(126);
        dup2(out[1], STDOUT_FILENO);
        execl(KVTOOL_PATH, "kvtool", "print", dat.c_str(), "-o", "/dev/stdout", nullptr);
        _exit(127);
    }
    close(out[1]);
    const std::string received = ReadToEnd(out[0]);
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(Ends(received, true), Ends(test::ReadText(pdf), true));
}

}  // namespace
}  // namespace kv
