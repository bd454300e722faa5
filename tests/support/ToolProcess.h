#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

// A command-line tool run as the separate program a user starts, through the shell.
struct ToolOutcome {
    int status; // the exit status; -1 when the tool did not exit normally
    std::string out;
    std::string err;
};

inline std::string ShellQuote(const std::string &arg)
{
    std::string quoted = "'";
    for (char c : arg)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// Runs program with args; stderr goes through errFile. `redirection` (">/dev/full", ">&-") sends the
// standard output elsewhere instead of into the outcome.
inline ToolOutcome RunTool(const std::string &program,
                           const std::vector<std::string> &args,
                           const std::filesystem::path &errFile,
                           const std::string &redirection = {})
{
    std::string command = ShellQuote(program);
    for (const std::string &arg : args)
        command += " " + ShellQuote(arg);
    command += " " + redirection + " 2>" + ShellQuote(errFile.string());
    ToolOutcome outcome{};
    FILE *pipe = popen(command.c_str(), "r");
    char buffer[4096];
    std::size_t n = 0;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        outcome.out.append(buffer, n);
    const int status = pclose(pipe);
    outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream err(errFile);
    std::stringstream text;
    text << err.rdbuf();
    outcome.err = text.str();
    return outcome;
}

// Each command, its output sent to a full disk and to a closed stdout, fails with status 1 and one
// line on stderr naming the reason.
template<class Run>
void ExpectUnwritableOutputFails(const std::string &tool,
                                 const std::vector<std::vector<std::string>> &commands,
                                 Run run)
{
    const std::pair<const char *, const char *> outputs[] = {
        {">/dev/full", ": cannot write the output: No space left on device\n"},
        {">&-", ": cannot write the output: Bad file descriptor\n"},
    };
    for (const auto &args : commands) {
        for (const auto &[redirection, message] : outputs) {
            const ToolOutcome o = run(args, redirection);
            EXPECT_EQ(o.status, 1) << args[0] << " " << redirection;
            EXPECT_EQ(o.err, tool + message) << args[0] << " " << redirection;
        }
    }
}
