// The seven sound events in one table: what each is called, the system
// sound it makes until the player picks another, its switch in the settings
// and the three controls of its row on the "Options" page. Changing an
// event is changing its row.
#pragma once

#include <array>

#include <QString>

#include "Reglages.h"
#include "game/Evenement.h"

namespace tolvan {

struct EvenementSonore {
  Evenement evenement;
  Reglage interrupteur;      // its on/off value in the settings
  const char* sonParDefaut;  // a system sound name
  const char* nomParle;      // how a screen reader names the event
  // Its row of controls: the on/off box, the button that chooses a sound,
  // the one that plays it.
  const char* caseNom;
  const char* choixNom;
  const char* ecouteNom;
};

// In theme-file order, which is also the order on screen.
const std::array<EvenementSonore, NbEvenements>& EvenementsSonores();
const EvenementSonore& EvenementSonoreDe(Evenement evenement);

// The sound of each event: a system sound name or the path of a WAV file.
struct SonsDuJeu {
  SonsDuJeu();
  QString& operator[](Evenement evenement) { return noms[static_cast<std::size_t>(evenement)]; }
  const QString& operator[](Evenement evenement) const { return noms[static_cast<std::size_t>(evenement)]; }
  std::array<QString, NbEvenements> noms;
};

}  // namespace tolvan
