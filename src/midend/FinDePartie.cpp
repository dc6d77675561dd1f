#include "FinDePartie.h"

#include "engine/Difficulte.h"
#include "game/ResumeEfforts.h"

namespace tolvan {

PartieJouee RangeeDeLaPartie(const Manche& manche, const Aides& aides, const Horloge& horloge, const Solveur& cherche,
                             bool trouve, int seconde, int depart) {
  PartieJouee partie;
  const TTirage& tirage = manche.Tirage();
  for (int i = 1; i <= NbNombres; ++i) partie.nombres[static_cast<std::size_t>(i - 1)] = static_cast<int>(tirage.Nombres[i]);
  partie.resultat = static_cast<int>(tirage.Resultat);
  partie.trouve = trouve;
  partie.secondes = horloge.TempsRetenu(seconde, depart).value_or(SansTemps);
  partie.lignes = manche.Tableau().NbLignesFinies();
  partie.indices = aides.IndicesUtilises();
  partie.solutionsVues = aides.SolutionsVues();
  // The mark of the game that ended, in every mode; the day's draw has its own.
  partie.difficulte = aides.Difficulte().value_or(DifficulteMax);
  // What the rating reads of it: the draw searched at its end, the clock.
  partie.efforts = QString::fromStdString(ResumeEfforts::De(cherche).Texte());
  if (horloge.cadence().CompteARebours()) partie.tempsDonne = horloge.cadence().limite;
  return partie;
}

Bilan BilanDeLaPartie(const Manche& manche, const Aides& aides, const Horloge& horloge, const TextesMessages& textes,
                      bool marque) {
  Bilan bilan;
  const bool ecoule = manche.DerniereIssue() == Manche::Issue::TempsEcoule;
  bilan.titre = ecoule ? textes.MsgTempsEcoule : textes.MsgBravo;
  for (const std::string& ligne : manche.Recap()) bilan.lignes.append(QString::fromStdString(ligne));
  if (marque && aides.Difficulte()) bilan.lignes.append(textes.MsgMarque.arg(*aides.Difficulte()));
  if (const std::optional<QString> temps = horloge.TexteDuBilan(manche, textes)) bilan.lignes.append(*temps);
  return bilan;
}

}  // namespace tolvan
