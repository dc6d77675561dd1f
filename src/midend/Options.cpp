#include "Options.h"

#include "EvenementsSonores.h"

namespace tolvan {

ValeursReglages ValeursDesOptions(const Options& options) {
  ValeursReglages valeurs;
  auto pose = [&valeurs](Reglage reglage, QString valeur) { valeurs[static_cast<std::size_t>(reglage)] = valeur; };
  pose(Reglage::Langue, options.fichierLangue);
  pose(Reglage::SolAuto, TexteCase(options.solutionsAuto));
  pose(Reglage::CalcAuto, TexteCase(options.resultatsAuto));
  pose(Reglage::VoirSol, TexteCase(options.voirNbSolutions));
  pose(Reglage::Premier, TexteCase(options.premiers));
  pose(Reglage::Fous, TexteCase(options.fous));
  pose(Reglage::Temps, QString::number(options.temps));
  for (const EvenementSonore& e : EvenementsSonores()) pose(e.interrupteur, TexteCase(options.SonActif(e.evenement)));
  pose(Reglage::Fichier, options.fichierSon);
  pose(Reglage::Coach, TexteCase(options.coach));
  pose(Reglage::VoirCote, TexteCase(options.voirCote));
  pose(Reglage::Difficulte, QString::number(options.difficulte));
  return valeurs;
}

}  // namespace tolvan
