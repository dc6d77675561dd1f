// The depth-first enumeration of every sequence of steps. Its order is part
// of the result: it decides which representative of a solution is stored,
// the order of the table, the simplest, the most twisted and the closest
// record. The last two depths are written out by hand and keep their
// numbers in registers; nothing here allocates.
#include <cstdint>
#include <cstdlib>
#include <limits>

#include "Solveur.h"

namespace tolvan {

namespace {

constexpr std::int64_t BorneProduit = 2100000000;  // products at depth 3 and beyond stay below it
constexpr std::int64_t PlusGrandLongint = std::numeric_limits<longint>::max();
constexpr std::int64_t EcartInitial = 100000;

bool NombresDeJeu(const NombresTirage& nombres) {
  for (longint n : nombres) {
    if (n < 1 || n > 999) return false;
  }
  return true;
}

}  // namespace

// One run of the search. `Garde` is for numbers outside 1..999, which only
// a hand-edited draws file can hold: a number below 1 then takes part in no
// operation, and no sum or product may leave the 32-bit range. Between 1
// and 999 neither can happen, so the usual run skips those tests and finds
// exactly the same steps.
template <bool Garde>
class Parcours {
 public:
  Parcours(Solveur& solveur, longint cible, TSolution& proche)
      : solveur_(solveur), cible_(cible), proche_(proche) {}

  void Lance(const NombresTirage& nombres) { Niveau<1>(nombres.begin()); }

 private:
  // Result of `code` on a <= b at depth D; false when the step is not allowed.
  template <int D>
  static bool Opere(int code, longint a, longint b, longint& r) {
    if constexpr (Garde) {
      if (a <= 0) return false;
    }
    switch (code) {
      case OperAddition:
        if constexpr (Garde) {
          if (std::int64_t{a} + b > PlusGrandLongint) return false;
        }
        r = a + b;
        return true;
      case OperSoustraction:
        if (a == b) return false;
        r = b - a;
        return true;
      case OperDivision:
        if (a == 1 || b % a != 0) return false;
        r = b / a;
        return true;
      default:  // multiplication
        if (a == 1) return false;
        if constexpr (D >= 3) {
          // b < BorneProduit div a, without the division.
          if ((std::int64_t{b} + 1) * a > BorneProduit) return false;
        } else if constexpr (Garde) {
          if (std::int64_t{a} * b > PlusGrandLongint) return false;
        }
        r = a * b;
        return true;
    }
  }

  void Ecrit(int d, int code, longint a, longint b, longint r) {
    courante_.Etapes[d] = TEtape{b, a, code};
    courante_.Resultats[d] = r;
  }

  void Offre(int d) {
    courante_.NbEtapes = static_cast<word>(d);
    solveur_.Offre(courante_, cible_);
  }

  void Retient(int d, std::int64_t ecart) {
    ecart_ = ecart;
    proche_ = courante_;
    proche_.NbEtapes = static_cast<word>(d);
  }

  std::int64_t EcartDe(longint r) const { return std::llabs(std::int64_t{cible_} - r); }

  // Closest record at depths 1 to 4: depth 1 lets a later equal distance
  // win; depths 2 to 4 only let it win over a longer record.
  void SuitProche(int d, longint r) {
    const std::int64_t e = EcartDe(r);
    if (e > ecart_) return;
    if (d == 1 || e < ecart_ || proche_.NbEtapes > d) Retient(d, e);
  }

  template <int D>
  void Niveau(const longint* liste) {
    constexpr int n = 7 - D;
    for (int i = 0; i < n - 1; ++i) {
      for (int j = i + 1; j < n; ++j) {
        const longint a = liste[i];
        const longint b = liste[j];
        for (int code = 1; code <= 4; ++code) {
          longint r;
          if (!Opere<D>(code, a, b, r)) continue;
          Ecrit(D, code, a, b, r);
          if (r == cible_) Offre(D);
          SuitProche(D, r);
          longint suivante[n - 1];
          Insere(liste, n, i, j, r, suivante);
          if constexpr (D == 3) {
            Niveau4(suivante[0], suivante[1], suivante[2]);
          } else {
            Niveau<D + 1>(suivante);
          }
        }
      }
    }
  }

  // The list without positions i and j, with r inserted before the first
  // number strictly greater than it.
  static void Insere(const longint* liste, int n, int i, int j, longint r, longint* suivante) {
    int m = 0;
    bool place = false;
    for (int k = 0; k < n; ++k) {
      if (k == i || k == j) continue;
      if (!place && liste[k] > r) {
        suivante[m++] = r;
        place = true;
      }
      suivante[m++] = liste[k];
    }
    if (!place) suivante[m] = r;
  }

  void Niveau4(longint x, longint y, longint z) {
    Paire4(x, y, z);
    Paire4(x, z, y);
    Paire4(y, z, x);
  }

  void Paire4(longint a, longint b, longint reste) {
    for (int code = 1; code <= 4; ++code) {
      longint r;
      if (!Opere<4>(code, a, b, r)) continue;
      Ecrit(4, code, a, b, r);
      if (r == cible_) Offre(4);
      SuitProche(4, r);
      if (reste > r) {
        Niveau5(r, reste);
      } else {
        Niveau5(reste, r);
      }
    }
  }

  // At the last depth a result only matters when it is at most `ecart_` from
  // the target: it is then a hit or a new closest record (later equal
  // distances win here). Testing that window first spares most divisions.
  void Niveau5(longint a, longint b) {
    if constexpr (Garde) {
      if (a <= 0) return;
    }
    std::int64_t bas = std::int64_t{cible_} - ecart_;
    std::int64_t haut = std::int64_t{cible_} + ecart_;
    auto essaie = [&](int code, std::int64_t r) {
      if (r < bas || r > haut) return;
      Feuille(code, a, b, static_cast<longint>(r));
      bas = std::int64_t{cible_} - ecart_;
      haut = std::int64_t{cible_} + ecart_;
    };
    const std::int64_t somme = std::int64_t{a} + b;
    if (!Garde || somme <= PlusGrandLongint) essaie(OperAddition, somme);
    if (a != b) essaie(OperSoustraction, std::int64_t{b} - a);
    if (a != 1) {
      if (bas * a <= b && b <= haut * a && b % a == 0) essaie(OperDivision, b / a);
      if ((std::int64_t{b} + 1) * a <= BorneProduit) essaie(OperMultiplication, std::int64_t{a} * b);
    }
  }

  void Feuille(int code, longint a, longint b, longint r) {
    Ecrit(5, code, a, b, r);
    if (r == cible_) Offre(5);
    Retient(5, EcartDe(r));
  }

  Solveur& solveur_;
  const longint cible_;
  TSolution& proche_;
  TSolution courante_{};
  std::int64_t ecart_ = EcartInitial;
};

void Solveur::Parcourt(const NombresTirage& nombres, longint cible, TSolution& proche) {
  if (NombresDeJeu(nombres)) {
    Parcours<false>(*this, cible, proche).Lance(nombres);
  } else {
    Parcours<true>(*this, cible, proche).Lance(nombres);
  }
}

}  // namespace tolvan
