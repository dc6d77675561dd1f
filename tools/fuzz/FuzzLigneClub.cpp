// libFuzzer target for the players' result lines as the arbiter gathers
// them: whatever the bytes, reading and ranking never crash; a line read
// writes back to a line that reads the same; every line is ranked, refused
// with a reason, or the same as another; the ranking holds together (ranks
// in order, totals the sum of their points, groups by rank) and does not
// depend on the order of the lines. The first byte gives the desk's
// choices (the room's scale, the size of the groups), the rest is a file.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <numeric>
#include <set>

#include "competition/Classement.h"
#include "competition/TextesClassement.h"

namespace {

using namespace tolvan;

// Aborts, naming the property broken, so that libFuzzer keeps the input.
void Exige(bool condition, int ligne = __builtin_LINE()) {
  if (condition) return;
  std::fprintf(stderr, "FuzzLigneClub.cpp:%d: property broken\n", ligne);
  std::abort();
}

void VerifieRelecture(const EntreeClub& entree) {
  if (!entree.ligne) {
    Exige(!entree.raison.empty());
    return;
  }
  std::string raison;
  const std::optional<LigneClub> relue = LitLigneClub(EcritLigneClub(*entree.ligne), raison);
  Exige(relue.has_value());
  Exige(*relue == *entree.ligne);
}

void VerifieClassement(const Classement& classement, std::size_t lignes, int tailleGroupes) {
  for (std::size_t i = 0; i < classement.joueurs.size(); ++i) {
    const JoueurClasse& joueur = classement.joueurs[i];
    Exige(joueur.total == std::accumulate(joueur.points.begin(), joueur.points.end(), 0));
    Exige(std::all_of(joueur.points.begin(), joueur.points.end(), [](int p) { return p >= 0 && p <= 10; }));
    Exige(joueur.rang >= 1 && joueur.rang <= static_cast<int>(i) + 1);
    Exige(i == 0 || joueur.rang >= classement.joueurs[i - 1].rang);
    Exige(i == 0 || joueur.total <= classement.joueurs[i - 1].total);
    Exige(joueur.groupe == NomDeGroupe((joueur.rang - 1) / tailleGroupes));
  }
  std::set<std::string> noms;
  for (const JoueurClasse& joueur : classement.joueurs) Exige(noms.insert(joueur.ligne.nom).second);
  // Nothing lost: as many players and refusals as lines, but for lines
  // met again.
  Exige(classement.joueurs.size() + classement.refusees.size() <= lignes);
  for (const Avis& refus : classement.refusees) Exige(!refus.raison.empty());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
  if (taille < 1) return 0;
  ReglesClassement regles;
  regles.approcheSalle = (donnees[0] & 1) != 0;
  regles.tailleGroupes = 1 + (donnees[0] >> 1);
  const std::string_view contenu(reinterpret_cast<const char*>(donnees) + 1, taille - 1);

  const Rassemblement rassemblement = LitTexteClub(contenu, "f");
  const std::vector<EntreeClub> entrees = LitEntrees(rassemblement);
  for (const EntreeClub& entree : entrees) VerifieRelecture(entree);

  static ControlesParCode controles;  // one code's checks kept from one input to the next
  const Classement classement = Classe(entrees, rassemblement.fichiers, regles, controles);
  VerifieClassement(classement, std::max<std::size_t>(entrees.size(), 1), regles.tailleGroupes);
  // The lines in the other order, as other files would give them.
  std::vector<EntreeClub> renversees(entrees.rbegin(), entrees.rend());
  Exige(LignesClassement(Classe(renversees, rassemblement.fichiers, regles, controles)) == LignesClassement(classement));
  return 0;
}
