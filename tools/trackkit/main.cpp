// kurvenjagd-track: makes a track folder from a picture, checks maps folders and lists
// best times. See --help.
#include <iostream>
#include <string>
#include <vector>

#include "trackkit/cli.h"

int main(int argc, char** argv) {
  return trackkit::run_command(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
