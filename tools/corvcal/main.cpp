#include "Corvcal.h"

#include <cstdlib>
#include <iostream>
#include <unistd.h>
#include <vector>

int main(int argc, char **argv)
{
    std::ios::sync_with_stdio(false);
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    corvane::corvcal::Terminal terminal;
    terminal.isTerminal = isatty(STDOUT_FILENO) == 1;
    const char *noColor = std::getenv("NO_COLOR");
    terminal.noColor = noColor != nullptr && *noColor != '\0';
    return corvane::corvcal::Run(args, std::cout, std::cerr, terminal);
}
