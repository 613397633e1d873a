// kurvenjagd-replay: the whole game headless, driven by a key script. See --help.
#include <iostream>
#include <string>
#include <vector>

#include "replay/replay.h"

int main(int argc, char** argv) {
  return replay::main_with_args(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
