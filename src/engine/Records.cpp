#include "Records.h"

namespace tolvan {

TSolution SolutionDeLignes(const Base1Array<TLigne, NbLignes>& lignes, word nbLignes) {
  TSolution solution;
  const word n = nbLignes > NbLignes ? word{NbLignes} : nbLignes;
  solution.NbEtapes = n;
  for (word k = 1; k <= n; ++k) {
    const TLigne& ligne = lignes[k];
    const longint oper = (ligne.Signe >= 1 && ligne.Signe <= 4) ? OperDeSigne[ligne.Signe] : 0;
    solution.Etapes[k] = TEtape{ligne.Valeur1, ligne.Valeur2, oper};
  }
  return solution;
}

}  // namespace tolvan
