#include "EvenementsSonores.h"

namespace tolvan {

const std::array<EvenementSonore, NbEvenements>& EvenementsSonores() {
  static const std::array<EvenementSonore, NbEvenements> table = {{
      {Evenement::Click, Reglage::Click, "MenuPopup", "clic", "CBsonClick", "BTsonClick", "BitBtn8"},
      {Evenement::Result, Reglage::Result, "MenuCommand", "résultat intermédiaire", "CBsonres", "BTsonRes", "BitBtn9"},
      {Evenement::Erreur, Reglage::Erreur, "AppGPFault", "erreur de calcul", "CBsonerreur", "BTsonErreur", "BitBtn10"},
      {Evenement::Annul, Reglage::Annul, "Minimize", "annuler une ligne", "CBsonBack", "BTsonBack", "BitBtn11"},
      {Evenement::NewGame, Reglage::NewGame, "RestoreUp", "nouvelle partie", "CBsonNew", "BTsonnew", "BitBtn12"},
      {Evenement::Trouve, Reglage::Trouve, "SystemQuestion", "compte trouvé", "CBsonGagne", "BTsonGagne", "BitBtn13"},
      {Evenement::Temps, Reglage::TempsSon, "SystemExclamation", "temps écoulé", "CBsonlose", "BTsonLose", "BitBtn14"},
  }};
  return table;
}

const EvenementSonore& EvenementSonoreDe(Evenement evenement) {
  return EvenementsSonores()[static_cast<std::size_t>(evenement)];
}

SonsDuJeu::SonsDuJeu() {
  for (const EvenementSonore& e : EvenementsSonores()) (*this)[e.evenement] = QString::fromLatin1(e.sonParDefaut);
}

}  // namespace tolvan
