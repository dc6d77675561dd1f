// What makes two exact hits the same solution, and the index that recognises
// a solution already stored in constant time.
#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include "Records.h"

namespace tolvan {

// True when every step but the last feeds a later step: its result is
// positive, is not already the target, and is an operand of a later step.
bool ChaqueEtapeSert(const TSolution& solution, longint cible);

// The form in which equal solutions look alike: operands of additions and
// multiplications in ascending order, then the steps ordered by operands.
TSolution Normalise(const TSolution& solution);

// Same number of steps and, step by step, the same operands and operation.
bool MemesEtapes(const TSolution& a, const TSolution& b);

// A table of solutions numbered from 1, of fixed capacity.
class TableSolutions {
 public:
  explicit TableSolutions(word capacite) : entrees_(capacite) {}
  TSolution& operator[](word i) { return entrees_.at(i - 1u); }
  const TSolution& operator[](word i) const { return entrees_.at(i - 1u); }
  word capacite() const { return static_cast<word>(entrees_.size()); }

 private:
  std::vector<TSolution> entrees_;
};

// Open-addressing index over the normal forms already stored, so that a new
// hit is recognised without scanning the table.
class IndexNormes {
 public:
  void Vide() { cases_.fill(0); }

  // Number of the stored entry equal to `normee`, or 0; on 0, `caseLibre`
  // is where `Ajoute` may record it.
  word Trouve(const TSolution& normee, const TableSolutions& normees, std::size_t& caseLibre) const;
  void Ajoute(std::size_t caseLibre, word numero) { cases_[caseLibre] = numero; }

 private:
  static constexpr std::size_t NbCases = 8192;  // twice the table, a power of two
  std::array<word, NbCases> cases_{};
};

}  // namespace tolvan
