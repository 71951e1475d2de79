#include "cli/Commands.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    std::vector<std::string> args(argv + 1, argv + argc);
    return tombrel::cli::run(args, std::cout, std::cerr);
}
