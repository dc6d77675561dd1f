#include <iostream>
#include <string>
#include <vector>

#include "solve/SolveCommand.h"

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  return tolvan::solve::ExecuteSolve(arguments, std::cout, std::cerr);
}
