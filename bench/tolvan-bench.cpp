// Times the solver draw by draw.
//   tolvan-bench        a fixed set of standard draws, the same in series
//                       mode, and the hard cases
//   tolvan-bench FILE   the draws of FILE, one per line
//                       "n1 n2 n3 n4 n5 n6 target [series]", ending with one
//                       line "median_us=M p99_us=P max_us=X total_ms=T"
//   tolvan-bench --list the fixed standard draws in that format, so that
//                       other solvers can be timed on the same list
#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "engine/Solveur.h"

namespace {

using namespace tolvan;

struct Draw {
  TTirage tirage;
  bool serie = false;
  std::string nom;
};

struct Figures {
  std::int64_t median_us, p99_us, max_us, total_ms;
};

constexpr std::array<longint, 24> Pool = {1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6,
                                          7, 7, 8, 8, 9, 9, 10, 10, 25, 50, 75, 100};

// Six different slots of the pool and a target 101..999, from a fixed seed so
// that every run times the same draws.
std::vector<Draw> StandardDraws(int count) {
  std::mt19937 gen(20261207u);
  std::vector<Draw> draws;
  for (int n = 0; n < count; ++n) {
    Draw draw;
    std::array<bool, Pool.size()> taken{};
    for (int i = 1; i <= NbNombres; ++i) {
      std::size_t slot;
      do slot = gen() % Pool.size();
      while (taken[slot]);
      taken[slot] = true;
      draw.tirage.Nombres[i] = Pool[slot];
    }
    draw.tirage.Resultat = 101 + static_cast<longint>(gen() % 899);
    draws.push_back(draw);
  }
  return draws;
}

std::vector<Draw> HardDraws() {
  auto draw = [](std::array<longint, 6> n, longint target, std::string nom) {
    Draw d;
    std::copy(n.begin(), n.end(), d.tirage.Nombres.begin());
    d.tirage.Resultat = target;
    d.nom = std::move(nom);
    return d;
  };
  return {
      draw({2, 3, 4, 5, 6, 7}, 2, "2 3 4 5 6 7 -> 2 (4000 solutions)"),
      draw({1, 1, 1, 1, 1, 1}, 500, "1 1 1 1 1 1 -> 500 (impossible)"),
      draw({999, 998, 997, 996, 995, 994}, 999, "999..994 -> 999"),
      draw({999, 998, 997, 996, 995, 994}, 9973, "999..994 -> 9973 (impossible)"),
      draw({1, 2, 3, 4, 5, 6}, 100, "1 2 3 4 5 6 -> 100"),
  };
}

// Solves one draw the way the program does and returns the time it took.
std::int64_t TimeOne(Solveur& solveur, const Draw& draw) {
  const auto start = std::chrono::steady_clock::now();
  solveur.Tirage = draw.tirage;
  if (draw.serie) {
    TriParEchange(solveur.Tirage.Nombres);
    solveur.ModeSerie = 1;
    TSolution proche;
    solveur.Cherche(solveur.Tirage.Nombres, solveur.Tirage.Resultat, proche);
    solveur.ModeSerie = 0;
  } else {
    solveur.SolutionsCalculees = 0;
    solveur.ChercheSol(0);
  }
  const auto stop = std::chrono::steady_clock::now();
  return std::chrono::duration_cast<std::chrono::microseconds>(stop - start).count();
}

Figures Summarise(std::vector<std::int64_t> times) {
  std::sort(times.begin(), times.end());
  const std::size_t n = times.size();
  const std::size_t rank99 = static_cast<std::size_t>(std::ceil(0.99 * static_cast<double>(n)));
  std::int64_t total = 0;
  for (auto t : times) total += t;
  return {times[(n - 1) / 2], times[std::max<std::size_t>(rank99, 1) - 1], times.back(), total / 1000};
}

Figures TimeAll(Solveur& solveur, const std::vector<Draw>& draws) {
  std::vector<std::int64_t> times;
  times.reserve(draws.size());
  for (const Draw& d : draws) times.push_back(TimeOne(solveur, d));
  return Summarise(std::move(times));
}

void PrintSet(const std::string& name, std::size_t count, const Figures& f) {
  std::cout << std::left << std::setw(36) << name << std::right << std::setw(6) << count << " draws"
            << "  median " << std::setw(6) << f.median_us << " us  p99 " << std::setw(6) << f.p99_us
            << " us  max " << std::setw(6) << f.max_us << " us  total " << std::setw(6) << f.total_ms
            << " ms\n";
}

int RunBuiltIn() {
  Solveur solveur;
  std::vector<Draw> standard = StandardDraws(2000);
  PrintSet("standard draws", standard.size(), TimeAll(solveur, standard));
  for (Draw& d : standard) d.serie = true;
  PrintSet("the same, series mode", standard.size(), TimeAll(solveur, standard));

  const std::vector<Draw> hard = HardDraws();
  constexpr int Repeats = 9;
  std::vector<std::int64_t> medians;
  for (const Draw& d : hard) {
    std::vector<Draw> repeated(Repeats, d);
    const Figures f = TimeAll(solveur, repeated);
    medians.push_back(f.median_us);
    PrintSet("  " + d.nom, Repeats, f);
  }
  PrintSet("hard cases (median of each)", hard.size(), Summarise(medians));
  return 0;
}

int RunFile(const char* path) {
  std::ifstream file(path);
  if (!file) {
    std::cerr << "tolvan-bench: cannot open " << path << '\n';
    return 2;
  }
  std::vector<Draw> draws;
  std::string line;
  for (int number = 1; std::getline(file, line); ++number) {
    if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
    std::istringstream fields(line);
    Draw d;
    for (longint& n : d.tirage.Nombres) fields >> n;
    fields >> d.tirage.Resultat;
    if (!fields) {
      std::cerr << "tolvan-bench: line " << number << " is not \"n1 n2 n3 n4 n5 n6 target [series]\"\n";
      return 2;
    }
    int serie = 0;
    if (fields >> serie) d.serie = serie == 1;
    draws.push_back(d);
  }
  if (draws.empty()) {
    std::cerr << "tolvan-bench: no draw in " << path << '\n';
    return 2;
  }
  Solveur solveur;
  const Figures f = TimeAll(solveur, draws);
  std::cout << "median_us=" << f.median_us << " p99_us=" << f.p99_us << " max_us=" << f.max_us
            << " total_ms=" << f.total_ms << '\n';
  return 0;
}

}  // namespace

int ListStandard() {
  for (const Draw& d : StandardDraws(2000)) {
    for (longint n : d.tirage.Nombres) std::cout << n << ' ';
    std::cout << d.tirage.Resultat << '\n';
  }
  return 0;
}

int main(int argc, char** argv) {
  if (argc > 2) {
    std::cerr << "usage: tolvan-bench [FILE | --list]\n";
    return 2;
  }
  if (argc == 1) return RunBuiltIn();
  return std::string(argv[1]) == "--list" ? ListStandard() : RunFile(argv[1]);
}
