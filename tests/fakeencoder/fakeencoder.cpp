// A stand-in encoder for tests. It ignores its arguments except a script
// given through the environment variable QC_FAKE_SCRIPT (a file path), whose
// lines are commands:
//   print TEXT      write TEXT to stdout and flush; escapes \n, \r, \t and \xHH
//                   (one byte), and $last stands for the last argument
//   stderr TEXT     the same on stderr
//   sleep MS        wait MS milliseconds
//   args            write the received arguments, one per line, as "arg:<text>"
//   touch PATH      create an empty file (PATH "$last" is the last argument)
//   crash           end by SIGSEGV
//   ignoreterm      ignore SIGTERM from now on (only SIGKILL ends it)
//   exit N          end with exit code N
// Without a script it prints its arguments and exits 0.
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>

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

int main(int argc, char **argv)
{
    const char *script = std::getenv("QC_FAKE_SCRIPT");
    auto printArgs = [&] {
        for (int i = 1; i < argc; ++i)
            std::printf("arg:%s\n", argv[i]);
        std::fflush(stdout);
    };
    if (!script) {
        printArgs();
        return 0;
    }
    const std::string last = argc > 1 ? argv[argc - 1] : "";
    std::ifstream in(script);
    std::string line;
    while (std::getline(in, line)) {
        const auto sp = line.find(' ');
        const std::string cmd = line.substr(0, sp);
        const std::string arg = sp == std::string::npos ? std::string() : line.substr(sp + 1);
        if (cmd == "print") {
            const std::string t = unescape(arg, last);
            std::fwrite(t.data(), 1, t.size(), stdout);
            std::fflush(stdout);
        } else if (cmd == "stderr") {
            const std::string t = unescape(arg, last);
            std::fwrite(t.data(), 1, t.size(), stderr);
            std::fflush(stderr);
        } else if (cmd == "sleep") {
            std::this_thread::sleep_for(std::chrono::milliseconds(std::atoi(arg.c_str())));
        } else if (cmd == "args") {
            printArgs();
        } else if (cmd == "touch") {
            const std::string path = arg == "$last" && argc > 1 ? argv[argc - 1] : arg;
            std::ofstream(path).put('x');
        } else if (cmd == "crash") {
            std::fflush(nullptr);
            std::raise(SIGSEGV);
        } else if (cmd == "ignoreterm") {
            std::signal(SIGTERM, SIG_IGN);
        } else if (cmd == "exit") {
            return std::atoi(arg.c_str());
        }
    }
    return 0;
}
