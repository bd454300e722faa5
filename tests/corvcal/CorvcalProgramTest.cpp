// The corvcal program itself, run as a child process: its output on a terminal, through a pipe, into
// a full device and into a closed descriptor.
#include "RunCorvcal.h"

#include "platform/date/Clock.h"
#include "platform/date/DateValue.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <fcntl.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

namespace
{

enum class Output {
    Pipe,
    Terminal,
    Full,
    Closed
};

struct ProgramResult {
    int status = -1; // exit status, or -1 when it did not exit normally
    std::string out; // on a terminal also what went to standard error
    std::string err;
};

std::string ReadAll(int fd)
{
    std::string text;
    char buffer[4096];
    for (;;) {
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n > 0)
            text.append(buffer, std::size_t(n));
        else if (n == 0 || errno != EINTR)
            return text; // a terminal's master answers EIO once the child has gone
    }
}

ProgramResult RunProgram(std::vector<std::string> args, Output output, const char *noColor = nullptr)
{
    args.insert(args.begin(), CORVCAL_PROGRAM);
    std::vector<char *> argv;
    for (std::string &arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);

    int outPipe[2] = {-1, -1}, errPipe[2] = {-1, -1};
    int master = -1;
    pid_t child = 0;
    if (output == Output::Terminal) {
        child = forkpty(&master, nullptr, nullptr, nullptr);
    } else {
        if (pipe(outPipe) != 0 || pipe(errPipe) != 0)
            return {};
        child = fork();
    }
    if (child < 0)
        return {};
    if (child == 0) {
        if (noColor)
            setenv("NO_COLOR", noColor, 1);
        else
            unsetenv("NO_COLOR");
        if (output != Output::Terminal) {
            dup2(errPipe[1], STDERR_FILENO);
            if (output == Output::Pipe)
                dup2(outPipe[1], STDOUT_FILENO);
            else if (output == Output::Full)
                dup2(open("/dev/full", O_WRONLY), STDOUT_FILENO);
            else
                close(STDOUT_FILENO);
            for (const int fd : {outPipe[0], outPipe[1], errPipe[0], errPipe[1]})
                close(fd);
        }
        execv(argv[0], argv.data());
        _exit(127);
    }
    ProgramResult result;
    if (output == Output::Terminal) {
        result.out = ReadAll(master);
        close(master);
    } else {
        close(outPipe[1]);
        close(errPipe[1]);
        result.out = ReadAll(outPipe[0]); // corvcal writes its output once, after its work
        result.err = ReadAll(errPipe[0]);
        close(outPipe[0]);
        close(errPipe[0]);
    }
    int status = 0;
    waitpid(child, &status, 0);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

TEST(CorvcalProgram, HighlightsTodayOnATerminalOnly)
{
    struct Case {
        Output output;
        const char *noColor;
        std::vector<std::string> args;
        bool highlighted;
    };
    const Case cases[] = {
        {Output::Terminal, nullptr, {"-3", "--monday"}, true},
        {Output::Terminal, "1", {}, false},
        {Output::Terminal, "", {}, true}, // an empty NO_COLOR does not count
        {Output::Pipe, nullptr, {}, false},
    };
    for (const Case &c : cases) {
        const int dayBefore = corvane::date::Day(corvane::date::Today());
        const ProgramResult r = RunProgram(c.args, c.output, c.noColor);
        const int dayAfter = corvane::date::Day(corvane::date::Today());
        EXPECT_EQ(r.status, 0) << r.out << r.err;
        bool marked = false;
        for (const int day : {dayBefore, dayAfter})
            marked = marked || r.out.find("\x1b[7m" + std::to_string(day) + "\x1b[27m") != std::string::npos;
        EXPECT_EQ(marked, c.highlighted) << r.out;
        EXPECT_EQ(r.out.find('\x1b') != std::string::npos, c.highlighted) << r.out;
    }
}

TEST(CorvcalProgram, OutputThatCannotBeWrittenFailsWithStatusOne)
{
    struct Case {
        std::vector<std::string> args;
        Output output;
        int status;
        std::string report;
    };
    const Case cases[] = {
        {{"dump", "1900-01-31", "2031-12-31"}, Output::Full, 1, "corvcal: cannot write the output: "},
        {{"--help"}, Output::Full, 1, "corvcal: cannot write the output: "},
        {{"lunar", "2002-07-19"}, Output::Closed, 1, "corvcal: cannot write the output: "},
        {{"lunar", "2101-01-01"}, Output::Full, 2, "corvcal lunar: date '2101-01-01' is outside"},
        {{"lunar", "2002-07-19"}, Output::Pipe, 0, ""},
    };
    for (const Case &c : cases) {
        const ProgramResult r = RunProgram(c.args, c.output);
        EXPECT_EQ(r.status, c.status) << c.args[0] << ": " << r.err;
        EXPECT_EQ(r.err.rfind(c.report, 0), 0u) << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), c.report.empty() ? 0 : 1) << r.err;
    }
}

} // namespace
