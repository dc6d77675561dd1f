// The settings as a part of the game: the player's options, kept from one
// run to the next in the settings store, the sounds of the seven events and
// their theme, the message texts and the language file that replaces them.
#pragma once

#include <algorithm>
#include <functional>
#include <optional>

#include <QString>

#include "EvenementsSonores.h"
#include "Options.h"
#include "Reglages.h"
#include "ServicesDuJeu.h"
#include "TextesMessages.h"

namespace tolvan {

class Preferences {
 public:
  // `repertoireProgramme`: where the sounds and languages that come with the game lie.
  Preferences(ServicesDuJeu& services, QString repertoireProgramme)
      : services_(services), repertoireProgramme_(std::move(repertoireProgramme)) {}

  const Options& options() const { return options_; }
  Options& options() { return options_; }
  const TextesMessages& textes() const { return textes_; }
  const SonsDuJeu& sons() const { return sons_; }

  // The options kept from the last run, each applied as the player would;
  // a store that cannot be read is said once.
  void Lis();
  // The options changed during this run go back to the settings store.
  void Ecris();

  void ChangeSolutionsAuto(bool actif);
  // Only a solver that runs by itself can count: without it the option stays off.
  void ChangeVoirNbSolutions(bool actif) { options_.voirNbSolutions = actif && options_.solutionsAuto; }
  // 0 for any mark, else 1 to 5; one that can't go with the kind of draw
  // chosen is refused, and the other way round.
  void ChoisitDifficulte(int marque);
  void ChoisitGenreTirage(GenreTirage genre) {
    if (options_.GenrePossible(genre)) options_.genre = genre;
  }
  void ChangeSon(Evenement evenement, bool actif);
  void ChangeTousLesSons(bool actifs);

  void JoueSon(Evenement evenement);
  void EcouteSon(Evenement evenement) { services_.JoueSon(sons_[evenement]); }
  void ChoisitSon(Evenement evenement);
  // The theme chosen is remembered even when it cannot be read.
  void OuvreTheme();
  void SauveTheme();
  // The theme of the settings, read once the window is up.
  void ChargeThemeDesOptions();

  // The language file the player picks, remembered even when it cannot be read.
  std::optional<QString> ChoisitLangue();
  // Reads a language file, asking again while it cannot be opened, and
  // gives each of the 73 lines of old to `applique` in file order, Tolvan's
  // own lines to the texts: a short file empties what it lacks of the 73 and
  // leaves the others in French; a read that fails gives only the lines
  // before it, and is then told in the texts those lines gave.
  void ChargeLangue(const QString& chemin, const std::function<void(int ligne, const QString& texte)>& applique);
  void DefinitTexte(QString TextesMessages::*message, const QString& texte) { textes_.*message = texte; }

 private:
  void AppliqueReglage(Reglage reglage, const QString& valeur);
  // "Erreur registre" for the procedure `entete`, with where and why.
  void SignaleErreurRegistre(const char* entete);

  ServicesDuJeu& services_;
  const QString repertoireProgramme_;
  Options options_;
  ValeursReglages valeursLues_;  // the settings as this run found them; nothing: to be written
  TextesMessages textes_;
  SonsDuJeu sons_;
};

}  // namespace tolvan
