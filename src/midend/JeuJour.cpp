// The draw of the day and the history: what the game hands to the journal.
#include "Jeu.h"
#include "engine/Difficulte.h"

namespace tolvan {

void Jeu::JoueTirageDuJour() {
  if (!PeutJouerTirageDuJour()) return;
  SousGarde("Tform1.TirageDuJour;", [this] {
    journal_.DonneTirageDuJour(solveur_);
    PreparePartie();
    EntreDans(duJour_);
    Depart();
    AjouteTirageJoue();
    JoueSon(Evenement::NewGame);
  });
}

void Jeu::EnregistrePartie(bool trouve, int secondes, int points) {
  PartieJouee partie;
  const TTirage& tirage = manche_.Tirage();
  for (int i = 1; i <= NbNombres; ++i) partie.nombres[static_cast<std::size_t>(i - 1)] = static_cast<int>(tirage.Nombres[i]);
  partie.resultat = static_cast<int>(tirage.Resultat);
  partie.trouve = trouve;
  partie.secondes = horloge_.TempsRetenu(secondes, ecouleAuDepart_).value_or(SansTemps);
  partie.lignes = manche_.Tableau().NbLignesFinies();
  partie.indices = IndicesUtilises();
  partie.solutionsVues = aides_.SolutionsVues();
  partie.points = points;
  // The mark of the game that ended, in every mode; the day's draw has its own.
  partie.difficulte = aides_.Difficulte().value_or(DifficulteMax);
  // The regime has the last word on what its row says.
  regime_->RemplitLigne(partie);
  journal_.Enregistre(partie, Textes().partage);
}

}  // namespace tolvan
