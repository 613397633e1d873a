#pragma once
// kurvenjagd-track's command line, without the program name.
#include <iosfwd>
#include <string>
#include <vector>

namespace trackkit {

// Returns the exit status: 0 done (check: every track can be raced), 1 a file problem
// (check: a track cannot be raced), 2 bad usage.
int run_command(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace trackkit
