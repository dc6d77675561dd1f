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
          // b < BorneProduit div a, that is (b + 1) x a <= BorneProduit.
          if ((std::int64_t{b} + 1) * a > BorneProduit) return false;
        } else if constexpr (Garde) {
          if (std::int64_t{a} * b > PlusGrandLongint) return false;
        }
        r = a * b;
        return true;
    }
  }

  // A step of the last two depths, written into the current steps only when
  // a hit or a closest record needs it.
  struct Pas {
    int code;
    longint a, b, r;
  };

  void Ecrit(int d, const Pas& pas) {
    courante_.Etapes[d] = TEtape{pas.b, pas.a, pas.code};
    courante_.Resultats[d] = pas.r;
  }

  void Offre(int d) {
    courante_.NbEtapes = static_cast<word>(d);
    solveur_.Offre(courante_, cible_);
  }

  // Results within `ecart_` of the target: only those can be hits or
  // closest records.
  bool DansFenetre(std::int64_t r) const {
    return static_cast<std::uint64_t>(r - bas_) <= static_cast<std::uint64_t>(haut_ - bas_);
  }

  void Retient(int d, longint r) {
    ecart_ = std::llabs(std::int64_t{cible_} - r);
    bas_ = std::int64_t{cible_} - ecart_;
    haut_ = std::int64_t{cible_} + ecart_;
    proche_ = courante_;
    proche_.NbEtapes = static_cast<word>(d);
  }

  // Closest record at depths 1 to 4 for a result in the window: depth 1
  // lets a later equal distance win; depths 2 to 4 only let it win over a
  // longer record.
  void SuitProche(int d, longint r) {
    const std::int64_t e = std::llabs(std::int64_t{cible_} - r);
    if (d == 1 || e < ecart_ || proche_.NbEtapes > d) Retient(d, r);
  }

  // Hit, then closest record, for a step already written at depth d.
  void Examine(int d, longint r) {
    ++nbEvenements_;
    if (r == cible_) Offre(d);
    SuitProche(d, r);
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
          Ecrit(D, Pas{code, a, b, r});
          if (DansFenetre(r)) Examine(D, r);
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
    TripletCache& cache = solveur_.triplets_;
    if (cache.HorsDePortee(x, y, z, ecart_)) return;
    const std::int64_t ecartAvant = ecart_;
    const std::uint64_t evenementsAvant = nbEvenements_;
    Paire4(x, y, z);
    Paire4(x, z, y);
    Paire4(y, z, x);
    // Nothing within the window: every result lies beyond it. Otherwise
    // every result lies at least as far as the distance now reached.
    cache.Note(x, y, z, nbEvenements_ == evenementsAvant ? ecartAvant + 1 : ecart_);
  }

  // The four operations of Opere<4>, written out.
  void Paire4(longint a, longint b, longint reste) {
    if constexpr (Garde) {
      if (a <= 0) return;
    }
    const std::int64_t somme = std::int64_t{a} + b;
    if (!Garde || somme <= PlusGrandLongint) Etape4(Pas{OperAddition, a, b, static_cast<longint>(somme)}, reste);
    if (a != b) Etape4(Pas{OperSoustraction, a, b, b - a}, reste);
    if (a == 1) return;
    if (b % a == 0) Etape4(Pas{OperDivision, a, b, b / a}, reste);
    const std::int64_t produit = std::int64_t{a} * b;
    if (produit + a <= BorneProduit) Etape4(Pas{OperMultiplication, a, b, static_cast<longint>(produit)}, reste);
  }

  [[gnu::always_inline]] void Etape4(const Pas& pas, longint reste) {
    if (DansFenetre(pas.r)) {
      Ecrit(4, pas);
      Examine(4, pas.r);
    }
    if (reste > pas.r) {
      Niveau5(pas, pas.r, reste);
    } else {
      Niveau5(pas, reste, pas.r);
    }
  }

  // The four operations of the last depth on a <= b. Later equal distances
  // win here. Testing the window first spares most divisions.
  [[gnu::always_inline]] void Niveau5(const Pas& pas4, longint a, longint b) {
    if constexpr (Garde) {
      if (a <= 0) return;
    }
    const std::int64_t somme = std::int64_t{a} + b;
    if (DansFenetre(somme) && (!Garde || somme <= PlusGrandLongint)) {
      Feuille(pas4, Pas{OperAddition, a, b, static_cast<longint>(somme)});
    }
    if (a != b && DansFenetre(b - a)) Feuille(pas4, Pas{OperSoustraction, a, b, b - a});
    if (a == 1) return;
    if (bas_ * a <= b && b <= haut_ * a && b % a == 0) Feuille(pas4, Pas{OperDivision, a, b, b / a});
    const std::int64_t produit = std::int64_t{a} * b;
    if (produit + a <= BorneProduit && DansFenetre(produit)) {
      Feuille(pas4, Pas{OperMultiplication, a, b, static_cast<longint>(produit)});
    }
  }

  void Feuille(const Pas& pas4, const Pas& pas5) {
    ++nbEvenements_;
    Ecrit(4, pas4);
    Ecrit(5, pas5);
    if (pas5.r == cible_) Offre(5);
    Retient(5, pas5.r);
  }

  Solveur& solveur_;
  const longint cible_;
  TSolution& proche_;
  TSolution courante_{};
  std::int64_t ecart_ = EcartInitial;
  std::uint64_t nbEvenements_ = 0;  // results met within the window
  std::int64_t bas_ = std::int64_t{cible_} - EcartInitial;
  std::int64_t haut_ = std::int64_t{cible_} + EcartInitial;
};

void Solveur::Parcourt(const NombresTirage& nombres, longint cible, TSolution& proche) {
  triplets_.NouvelleRecherche();
  if (NombresDeJeu(nombres)) {
    Parcours<false>(*this, cible, proche).Lance(nombres);
  } else {
    Parcours<true>(*this, cible, proche).Lance(nombres);
  }
}

}  // namespace tolvan
