#include <iostream>
#include <string>
#include <vector>

#include <unistd.h>

#include "stats/Statistiques.h"

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  // Progress only where someone watches it.
  return tolvan::stats::ExecuteStats(arguments, std::cout, std::cerr, isatty(STDERR_FILENO) != 0);
}
