#include <iostream>
#include <string>
#include <vector>

#include "Commands.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    std::vector<std::string> args(argv + 1, argv + argc);
    int rc = numora::cli::Run(args, std::cin, std::cout, std::cerr);
    std::cout.flush();
    return rc;
}
