#include <iostream>

#include "cli/cli_commands.h"

int main(int argc, char* argv[]) {
    std::ios::sync_with_stdio(false);
    return brinox::runCli(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
