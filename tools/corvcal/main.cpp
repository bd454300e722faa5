#include "Corvcal.h"

#include <iostream>
#include <vector>

int main(int argc, char **argv)
{
    std::ios::sync_with_stdio(false);
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    return corvane::corvcal::Run(args, std::cout, std::cerr);
}
