// Every command that writes a file, onto every kind of node a path can name.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <grp.h>
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

enum class Node { Fifo, Leaving, Listening, Null, Full, Refusing, Folder, Block };

// Reads what arrives on fd until its writers are gone.
std::string ReadToEnd(int fd) {
    std::string bytes;
    char buffer[4096];
    for (ssize_t n; (n = read(fd, buffer, sizeof buffer)) > 0;) bytes.append(buffer, static_cast<size_t>(n));
    close(fd);
    return bytes;
}

int BoundSocket(const std::filesystem::path& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s", path.c_str());
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    EXPECT_EQ(bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0) << path;
    return fd;
}

// The node, and what it received. A FIFO's reader holds a writer of its own
// until the command is done, so a FIFO the command never opened ends empty.
struct Target {
    std::future<std::string> received;
    int heldWriter = -1;
    Target(Node node, const std::filesystem::path& path) {
        const auto device = [&](mode_t kind, int major, int minor) {
            EXPECT_EQ(mknod(path.c_str(), kind | 0666, makedev(major, minor)), 0) << path;
        };
        switch (node) {
            case Node::Fifo:
            case Node::Leaving: {  // a reader that goes after the first byte
                EXPECT_EQ(mkfifo(path.c_str(), 0666), 0);
                const int reader = open(path.c_str(), O_RDONLY | O_NONBLOCK);
                heldWriter = open(path.c_str(), O_WRONLY);
                fcntl(reader, F_SETFL, 0);
                received = std::async(std::launch::async, node == Node::Fifo ? ReadToEnd : [](int fd) {
                    char first = 0;
                    (void)!read(fd, &first, 1);
                    close(fd);
                    return std::string(1, first);
                }, reader);
                break;
            }
            case Node::Listening: {
                const int listener = BoundSocket(path);
                listen(listener, 1);
                received = std::async(std::launch::async, [listener] {
                    pollfd waiting{listener, POLLIN, 0};
                    const int connection = poll(&waiting, 1, 5000) == 1 ? accept(listener, nullptr, nullptr) : -1;
                    close(listener);
                    return connection < 0 ? std::string() : ReadToEnd(connection);
                });
                break;
            }
            case Node::Null: device(S_IFCHR, 1, 3); break;
            case Node::Full: device(S_IFCHR, 1, 7); break;
            case Node::Refusing: close(BoundSocket(path)); break;
            case Node::Folder: std::filesystem::create_directory(path); break;
            case Node::Block: device(S_IFBLK, 7, 0); break;
        }
    }
    std::string Received() {
        if (heldWriter >= 0) close(heldWriter);
        return received.valid() ? received.get() : "";
    }
};

// A PDF holds the time it was made: its ends only; anything else whole.
std::string Ends(const std::string& bytes, const std::string& extension) {
    if (extension != ".pdf" || bytes.size() < 16) return bytes;
    return bytes.substr(0, 5) + bytes.substr(bytes.size() - 6);
}

mode_t KindOf(const std::filesystem::path& path) {
    struct stat info {};
    return lstat(path.c_str(), &info) == 0 ? info.st_mode & S_IFMT : 0;
}

TEST(KvtoolOutputs, ANodeIsWrittenIntoAndStaysWhatItWas) {
    test::TempDir dir;
    if (mknod((dir / "probe").c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0)
        GTEST_SKIP() << "device nodes cannot be made here";
    const std::string dat = (dir / "radio.dat").string(), csv = (dir / "usa.csv").string();
    ASSERT_EQ(Kvtool({"new", "-o", dat}).status, 0);
    ASSERT_EQ(Kvtool({"csv", "export", dat, "usa", "-o", csv}).status, 0);
    struct Command {
        std::vector<std::string> args;  // "OUT" stands for the output
        std::string extension;
    };
    const Command commands[] = {
        {{"new", "-o", "OUT"}, ".dat"},
        {{"new", "-o", "OUT"}, ".hex"},
        {{"convert", dat, "OUT"}, ".hex"},
        {{"narrow", dat, "--apply", "-o", "OUT"}, ".dat"},
        {{"csv", "export", dat, "usa", "-o", "OUT"}, ".csv"},
        {{"csv", "import", dat, "usa", csv, "-o", "OUT"}, ".dat"},
        {{"report", dat, "-o", "OUT"}, ".txt"},
        {{"print", dat, "-o", "OUT"}, ".pdf"},
    };
    struct Kind {
        Node node;
        const char* what;
        const char* refusal;  // empty: written
    };
    const Kind kinds[] = {
        {Node::Fifo, "a FIFO a reader holds", ""},
        {Node::Listening, "a socket a program listens on", ""},
        {Node::Null, "a character device", ""},
        {Node::Full, "a character device that fails", ": No space left on device"},
        {Node::Refusing, "a socket nobody listens on", ": Connection refused"},
        {Node::Folder, "a directory", ": is a directory"},
        {Node::Block, "a block device", ": is a block device"},
    };
    int n = 0;
    for (const Command& c : commands) {
        const auto run = [&](const std::filesystem::path& out) {
            std::vector<std::string> args = c.args;
            std::replace(args.begin(), args.end(), std::string("OUT"), out.string());
            return Kvtool(args);
        };
        const auto regular = dir / ("regular" + c.extension);
        ASSERT_EQ(run(regular).status, 0) << c.args[0];
        const std::string expected = test::ReadText(regular);
        for (const Kind& k : kinds) {
            const auto out = dir / ("out" + std::to_string(++n) + c.extension);
            Target target(k.node, out);
            const mode_t kind = KindOf(out);
            const ToolRun result = run(out);
            const std::string received = target.Received();
            const std::string what = c.args[0] + " " + c.extension + " onto " + k.what;
            EXPECT_EQ(KindOf(out), kind) << what;
            if (*k.refusal == '\0') {
                EXPECT_EQ(result.status, 0) << what << ": " << result.err;
                if (k.node == Node::Fifo || k.node == Node::Listening) {
                    EXPECT_EQ(Ends(received, c.extension), Ends(expected, c.extension)) << what;
                }
                continue;
            }
            EXPECT_EQ(result.status, 1) << what;
            const size_t named = result.err.find(out.string());
            EXPECT_EQ(result.err.find(out.string() + k.refusal), named) << what << ": " << result.err;
            EXPECT_EQ(result.err.find(out.string(), named + 1), std::string::npos) << "named once: " << result.err;
        }
    }
}

// A reader that goes away before the end is a failure kvtool reports; it
// does not end the program (the whole file does not fit in the pipe).
TEST(KvtoolOutputs, AFifoWhoseReaderLeavesIsAFailure) {
    test::TempDir dir;
    const auto out = dir / "radio.dat";
    Target target(Node::Leaving, out);
    const ToolRun run = Kvtool({"new", "-o", out.string()});
    EXPECT_EQ(target.Received(), "[");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find(out.string() + ": Broken pipe"), std::string::npos) << run.err;
}

// kvtool's own standard output named as its output, into a pipe, run by a
// user who may not write in /dev (where a temporary file beside it would go).
TEST(KvtoolOutputs, StandardOutputAsTheOutputIntoAPipe) {
    test::TempDir dir;
    const std::string dat = (dir / "radio.dat").string();
    ASSERT_EQ(Kvtool({"new", "-o", dat}).status, 0);
    for (const std::string command : {"report", "print"}) {
        const std::string saved = (dir / ("saved." + command)).string();
        ASSERT_EQ(Kvtool({command, dat, "-o", saved}).status, 0);
        int out[2];
        ASSERT_EQ(pipe(out), 0);
        if (geteuid() == 0) {
            ASSERT_EQ(fchown(out[0], 65534, 65534), 0) << "the pipe is the user's own";
        }
        const pid_t child = fork();
        if (child == 0) {
            if (geteuid() == 0 && (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0)) _exit(126);
            dup2(out[1], STDOUT_FILENO);
            execl(KVTOOL_PATH, "kvtool", command.c_str(), dat.c_str(), "-o", "/dev/stdout", nullptr);
            _exit(127);
        }
        close(out[1]);
        const std::string received = ReadToEnd(out[0]);
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << command;
        const std::string extension = command == "print" ? ".pdf" : "";
        EXPECT_TRUE(Ends(received, extension) == Ends(test::ReadText(saved), extension)) << command << ": " << received.size();
    }
}

}  // namespace
}  // namespace kv
