#include "Atteignables.h"

#include <algorithm>
#include <bit>

namespace tolvan {

namespace {

constexpr int BitsTable = 16;
constexpr std::size_t TailleTable = std::size_t{1} << BitsTable;

// The results of x and y by the four operations that give a positive whole
// number. A result equal to one of its operands (x times 1, x divided by
// 1, 2y minus y, y² divided by y) is left out: the operand itself is
// already reachable with fewer numbers, and so is all that it leads to.
template <class Recoit>
void Combine(std::int64_t x, std::int64_t y, Recoit&& recoit) {
  if (x < y) std::swap(x, y);
  recoit(x + y);
  if (y != 1) {
    recoit(x * y);
    if (x % y == 0 && x / y != y) recoit(x / y);
  }
  if (x != y && x - y != y) recoit(x - y);
}

}  // namespace

Atteignables::Atteignables() : cles_(TailleTable), generations_(TailleTable, 0) {}

void Atteignables::Note(std::int64_t valeur) {
  if (valeur < Borne) {
    atteints_.set(static_cast<std::size_t>(valeur));
  } else if (auDela_ == 0 || valeur < auDela_) {
    auDela_ = valeur;
  }
}

bool Atteignables::Ajoute(std::int64_t valeur) {
  std::size_t h = (static_cast<std::uint64_t>(valeur) * 0x9E3779B97F4A7C15ull) >> (64 - BitsTable);
  while (generations_[h] == generation_) {
    if (cles_[h] == valeur) return false;
    h = (h + 1) & (TailleTable - 1);
  }
  generations_[h] = generation_;
  cles_[h] = valeur;
  return true;
}

void Atteignables::Calcule(std::span<const longint> nombres) {
  atteints_.reset();
  auDela_ = 0;
  std::vector<std::int64_t> n;
  for (const longint nombre : nombres) {
    if (nombre >= 1) n.push_back(nombre);
  }
  std::sort(n.begin(), n.end());
  const int taille = static_cast<int>(n.size());
  const int tous = (1 << taille) - 1;

  // Equal numbers make equal sets: each set is made once, for the mask
  // that takes the first of the equal numbers.
  std::array<int, 64> canon{};
  for (int masque = 0; masque <= tous; ++masque) {
    for (int i = 0; i < taille;) {
      int j = i;
      while (j < taille && n[static_cast<std::size_t>(j)] == n[static_cast<std::size_t>(i)]) ++j;
      int pris = 0;
      for (int p = i; p < j; ++p) pris += (masque >> p) & 1;
      for (int p = i; p < i + pris; ++p) canon[static_cast<std::size_t>(masque)] |= 1 << p;
      i = j;
    }
  }

  for (int nb = 1; nb <= taille; ++nb) {
    for (int masque = 1; masque <= tous; ++masque) {
      if (std::popcount(static_cast<unsigned>(masque)) != nb || canon[static_cast<std::size_t>(masque)] != masque) continue;
      Valeurs& valeurs = valeurs_[static_cast<std::size_t>(masque)];
      valeurs.clear();
      if (nb == 1) {
        valeurs.push_back(n[static_cast<std::size_t>(std::countr_zero(static_cast<unsigned>(masque)))]);
        Note(valeurs.front());
        continue;
      }
      // The set of all the numbers is only ever read for its values.
      const bool dernier = masque == tous;
      ++generation_;
      std::array<int, 64> vues{};
      int nbVues = 0;
      for (int a = (masque - 1) & masque; a > 0; a = (a - 1) & masque) {
        const int ca = canon[static_cast<std::size_t>(a)];
        const int cb = canon[static_cast<std::size_t>(masque ^ a)];
        if (ca < cb) continue;
        const int partage = ca * 64 + cb;
        if (std::find(vues.begin(), vues.begin() + nbVues, partage) != vues.begin() + nbVues) continue;
        vues[static_cast<std::size_t>(nbVues++)] = partage;
        for (const std::int64_t x : valeurs_[static_cast<std::size_t>(ca)]) {
          for (const std::int64_t y : valeurs_[static_cast<std::size_t>(cb)]) {
            if (dernier) {
              Combine(x, y, [this](std::int64_t v) { Note(v); });
            } else {
              Combine(x, y, [this, &valeurs](std::int64_t v) {
                if (Ajoute(v)) {
                  valeurs.push_back(v);
                  Note(v);
                }
              });
            }
          }
        }
      }
    }
  }
}

bool Atteignables::Atteint(std::int64_t valeur) const {
  if (valeur >= 0 && valeur < Borne) return atteints_.test(static_cast<std::size_t>(valeur));
  return valeur == auDela_;
}

std::int64_t Atteignables::Ecart(std::int64_t cible) const {
  std::int64_t meilleur = -1;
  for (std::int64_t v = std::min(cible, Borne - 1); v >= 1; --v) {
    if (atteints_.test(static_cast<std::size_t>(v))) {
      meilleur = cible - v;
      break;
    }
  }
  if (meilleur == 0) return 0;
  for (std::int64_t v = std::max<std::int64_t>(cible, 1); v < Borne && (meilleur < 0 || v - cible < meilleur); ++v) {
    if (atteints_.test(static_cast<std::size_t>(v))) return v - cible;
  }
  if (auDela_ > 0 && (meilleur < 0 || auDela_ - cible < meilleur)) return auDela_ - cible;
  return meilleur;
}

}  // namespace tolvan
