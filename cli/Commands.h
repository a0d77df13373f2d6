// numora-cli: the suite's computations in a terminal. Each command prints
// the texts the windows would show and returns 0; a refusal prints the
// window's message to standard error and returns 1; a usage error returns 2.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace numora::cli {

// Runs one command line (without the program name).
int Run(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace numora::cli
