// A player who writes the simplest solution of the draw on the board: each
// step's operands are taken from the tiles that hold them as the board stands.
#pragma once

#include <functional>

#include "engine/Solveur.h"
#include "game/TableauNoir.h"

namespace tolvan::test {

// `presse` receives each press code in turn: a tile 1..6 or an operator.
inline void JoueLaPlusSimple(const TTirage& tirage, const TableauNoir& tableau, const std::function<void(int)>& presse) {
  Solveur solveur;
  solveur.ChangeTirage(tirage);
  solveur.ChercheSol(0);
  const TSolution solution = solveur.Solutions[solveur.IndiceSimple];
  const auto tuile = [&tableau](longint valeur, int autre) {
    for (int i = 1; i <= NbNombres; ++i) {
      if (i != autre && tableau.Tuiles[i].active && tableau.Tuiles[i].valeur == valeur) return i;
    }
    return 0;
  };
  const int operateurs[] = {0, CodePlus, CodeMoins, CodeDivise, CodeFois};
  for (int k = 1; k <= solution.NbEtapes; ++k) {
    const int gauche = tuile(solution.Etapes[k].Op1, 0);
    presse(gauche);
    presse(operateurs[solution.Etapes[k].Oper]);
    presse(tuile(solution.Etapes[k].Op2, gauche));
  }
}

}  // namespace tolvan::test
