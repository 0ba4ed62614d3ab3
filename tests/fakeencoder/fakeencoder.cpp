// A stand-in encoder for tests. It ignores its arguments except a script
// given through the environment variable QC_FAKE_SCRIPT (a file path), whose
// lines are commands:
//   print TEXT      write TEXT to stdout and flush; escapes \n, \r, \t and \xHH
//                   (one byte), and $last stands for the last argument
//   stderr TEXT     the same on stderr
//   sleep MS        wait MS milliseconds
//   sleepif TEXT MS wait MS milliseconds when the last argument contains TEXT
//   log FILE        append "started PID" to FILE now, and "KIND PID START END
//                   LAST" when ending normally: KIND "probe" when started with
//                   only -i and a file, else "run"; START and END in
//                   milliseconds of the system's monotonic clock; LAST the
//                   last argument
//   args            write the received arguments, one per line, as "arg:<text>"
//   touch PATH      create an empty file (PATH "$last" is the last argument)
//   copy FILE       copy FILE to the last argument (an output written whole)
//   probewith PROG  started as a probe (only -i FILE), become PROG with the
//                   same arguments: a real encoder's report on the file
//   crash           end by SIGSEGV
//   ignoreterm      ignore SIGTERM from now on (only SIGKILL ends it)
//   flood MB [TEXT] write TEXT (escaped as for print; default a progress line)
//                   over and over without pause until MB megabytes are out;
//                   MB 0 floods until the fake is ended
//   exit N          end with exit code N
//   ifarg TEXT      the script ends here (exit 0) unless an argument is TEXT,
//                   e.g. "ifarg -y" leaves the rest to conversions, not probes
//   exitif TEXT N   end with exit code N when an argument contains TEXT
//   pid PATH        append this process's id and a line break to PATH
// Started with several "-i FILE" and nothing else (a probe of several files
// at once), it runs the script for each file in turn, $last standing for
// that file and "Input #0" printed as "Input #K" for the K-th file (from 0);
// "ifarg" then ends the script of that file only, "log" logs the process
// once.
// Without a script it prints its arguments and exits 0.
#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

#include <fcntl.h>

static std::string unescape(const std::string &s, const std::string &last)
{
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 3 < s.size() && s[i + 1] == 'x') {
            out += char(std::strtol(s.substr(i + 2, 2).c_str(), nullptr, 16));
            i += 3;
        } else if (s[i] == '\\' && i + 1 < s.size()) {
            char c = s[++i];
            out += c == 'n' ? '\n' : c == 'r' ? '\r' : c == 't' ? '\t' : c;
        } else if (s.compare(i, 5, "$last") == 0) {
            out += last;
            i += 4;
        } else {
            out += s[i];
        }
    }
    return out;
}

static long long monotonicMs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return (long long)t.tv_sec * 1000 + t.tv_nsec / 1000000;
}

// Appends one line in one write, so that lines of fakes running side by side
// never mix.
static void appendLine(const std::string &path, const std::string &line)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
    if (fd < 0)
        return;
    const ssize_t written = ::write(fd, line.data(), line.size());
    (void)written;
    ::close(fd);
}

static std::string g_logPath;
static std::string g_logKind;
static long long g_logStart = 0;
static std::string g_logLast;

static void logEnd()
{
    appendLine(g_logPath, g_logKind + " " + std::to_string(::getpid()) + " " +
                              std::to_string(g_logStart) + " " + std::to_string(monotonicMs()) +
                              " " + g_logLast + "\n");
}

static const char *const ProgressLine =
    "frame=1 fps=0.0 q=0.0 size=0kB time=00:00:00.00 bitrate=N/A speed=0x\r";

// Writes text over and over until megabytes are out (0: until ended).
static void flood(long long megabytes, const char *text)
{
    const size_t length = std::strlen(text);
    std::vector<char> block;
    while (block.size() < 65536)
        block.insert(block.end(), text, text + length);
    const long long limit = megabytes * 1024 * 1024;
    for (long long written = 0; megabytes == 0 || written < limit;) {
        const long long left = megabytes == 0 ? (long long)block.size() : limit - written;
        const size_t n = size_t(std::min<long long>(left, (long long)block.size()));
        if (std::fwrite(block.data(), 1, n, stdout) != n)
            return;
        written += (long long)n;
    }
    std::fflush(stdout);
}

// How many files the arguments ask about when they are only "-i FILE" pairs
// (a probe); 0 otherwise.
static int probedFiles(int argc, char **argv)
{
    if (argc < 3 || argc % 2 == 0)
        return 0;
    for (int i = 1; i < argc; i += 2)
        if (std::strcmp(argv[i], "-i") != 0)
            return 0;
    return (argc - 1) / 2;
}

// Replaces "Input #0" by "Input #K" in the report on the K-th file of several.
static std::string numbered(std::string text, int input)
{
    if (input <= 0)
        return text;
    const std::string from = "Input #0";
    const std::string to = "Input #" + std::to_string(input);
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

// Runs the script lines with last the last argument (of the input-th file
// of several, when input >= 0). Returns false with the exit code when the
// process is to end, true when the script has run to its end.
static bool runScript(const std::vector<std::string> &lines, int argc, char **argv,
                      const std::string &last, int input, int &exitCode)
{
    auto printArgs = [&] {
        for (int i = 1; i < argc; ++i)
            std::printf("arg:%s\n", argv[i]);
        std::fflush(stdout);
    };
    for (const std::string &line : lines) {
        const auto sp = line.find(' ');
        const std::string cmd = line.substr(0, sp);
        const std::string arg = sp == std::string::npos ? std::string() : line.substr(sp + 1);
        if (cmd == "print") {
            const std::string t = numbered(unescape(arg, last), input);
            std::fwrite(t.data(), 1, t.size(), stdout);
            std::fflush(stdout);
        } else if (cmd == "stderr") {
            const std::string t = numbered(unescape(arg, last), input);
            std::fwrite(t.data(), 1, t.size(), stderr);
            std::fflush(stderr);
        } else if (cmd == "sleep") {
            std::this_thread::sleep_for(std::chrono::milliseconds(std::atoi(arg.c_str())));
        } else if (cmd == "sleepif") {
            const auto sp2 = arg.rfind(' ');
            if (sp2 != std::string::npos && last.find(arg.substr(0, sp2)) != std::string::npos)
                std::this_thread::sleep_for(
                    std::chrono::milliseconds(std::atoi(arg.c_str() + sp2 + 1)));
        } else if (cmd == "log") {
            if (!g_logPath.empty())
                continue;
            g_logPath = arg;
            g_logKind = probedFiles(argc, argv) > 0 ? "probe" : "run";
            g_logStart = monotonicMs();
            g_logLast = argv[argc - 1];
            appendLine(g_logPath, "started " + std::to_string(::getpid()) + "\n");
            std::atexit(logEnd);
        } else if (cmd == "args") {
            printArgs();
        } else if (cmd == "touch") {
            const std::string path = arg == "$last" && argc > 1 ? argv[argc - 1] : arg;
            std::ofstream(path).put('x');
        } else if (cmd == "copy") {
            std::ifstream from(arg, std::ios::binary);
            std::ofstream to(argv[argc - 1], std::ios::binary | std::ios::trunc);
            if (from.peek() != std::ifstream::traits_type::eof())
                to << from.rdbuf();
        } else if (cmd == "probewith") {
            if (probedFiles(argc, argv) > 0) {
                argv[0] = const_cast<char *>(arg.c_str());
                ::execv(arg.c_str(), argv);
            }
        } else if (cmd == "crash") {
            std::fflush(nullptr);
            // Silently, as an encoder built without a sanitizer crashes: a
            // sanitizer's handler would print a report of its own.
            std::signal(SIGSEGV, SIG_DFL);
            std::raise(SIGSEGV);
        } else if (cmd == "ignoreterm") {
            std::signal(SIGTERM, SIG_IGN);
        } else if (cmd == "flood") {
            const auto sp2 = arg.find(' ');
            const long long megabytes = std::atoll(arg.substr(0, sp2).c_str());
            const std::string text =
                sp2 == std::string::npos ? std::string() : unescape(arg.substr(sp2 + 1), last);
            flood(megabytes, text.empty() ? ProgressLine : text.c_str());
        } else if (cmd == "exit") {
            exitCode = std::atoi(arg.c_str());
            return false;
        } else if (cmd == "ifarg") {
            if (std::find(argv + 1, argv + argc, arg) == argv + argc) {
                exitCode = 0;
                return input >= 0; // the next file's turn
            }
        } else if (cmd == "exitif") {
            const auto sp2 = arg.rfind(' ');
            const std::string text = arg.substr(0, sp2);
            const bool hit = input >= 0 ? last.find(text) != std::string::npos : [&] {
                for (int i = 1; i < argc; ++i)
                    if (std::strstr(argv[i], text.c_str()))
                        return true;
                return false;
            }();
            if (hit) {
                exitCode = std::atoi(arg.substr(sp2 + 1).c_str());
                return false;
            }
        } else if (cmd == "pid") {
            std::ofstream(arg, std::ios::app) << ::getpid() << '\n';
        }
    }
    exitCode = 0;
    return true;
}

int main(int argc, char **argv)
{
    const char *script = std::getenv("QC_FAKE_SCRIPT");
    if (!script) {
        for (int i = 1; i < argc; ++i)
            std::printf("arg:%s\n", argv[i]);
        std::fflush(stdout);
        return 0;
    }
    std::vector<std::string> lines;
    std::ifstream in(script);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);

    const bool several = probedFiles(argc, argv) > 1;
    int exitCode = 0;
    if (!several) {
        runScript(lines, argc, argv, argc > 1 ? argv[argc - 1] : "", -1, exitCode);
        return exitCode;
    }
    for (int k = 0; 2 * k + 2 < argc; ++k)
        if (!runScript(lines, argc, argv, argv[2 * k + 2], k, exitCode))
            return exitCode;
    return exitCode;
}
