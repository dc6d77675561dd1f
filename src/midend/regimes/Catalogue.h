// The ways to play a player starts from a button of their own, one row
// each: the button's name, its captions, when it can be pressed, and how
// the way to play is made from what the player chose. The game and the
// window read this table and name none of them: a new way to play is a
// new regime and its row here.
#pragma once

#include <functional>
#include <memory>
#include <variant>
#include <vector>

#include <QString>

#include "Duel.h"
#include "Regime.h"

namespace tolvan {

class Bibliotheque;
class Competition;
class Journal;
class ServicesDuJeu;
class VueJeu;

// What the player chose before a way to play starts: nothing, a duel's
// settings from its dialog, a code typed or pasted.
using ChoixDuJoueur = std::variant<std::monostate, ReglageDuel, QString>;

// The parts of the game a way to play may be made with.
struct Ateliers {
  ServicesDuJeu& services;
  const TextesMessages& textes;
  VueJeu& vue;
  Competition& competition;
  Bibliotheque& liste;
  Journal& journal;
};

// What decides whether a way to play can start now: the competition's
// mode and level, and the way the game comes back to.
struct Circonstances {
  const Competition& competition;
  const Regime& base;
};

struct FaconDeJouer {
  QString bouton;  // the objectName of the button that starts it
  // Its button's caption, and the caption while its series is under way;
  // none: the caption the window gave it stays.
  QString TextesMessages::*libelle = nullptr;
  QString TextesMessages::*arret = nullptr;
  // It can start now.
  std::function<bool(const Circonstances&)> possible;
  // It made from the player's choice; nothing when it cannot start, the
  // player having been told why.
  std::function<std::unique_ptr<Regime>(Ateliers&, const ChoixDuJoueur&)> fabrique;
};

const std::vector<FaconDeJouer>& FaconsDeJouer();
// The row of the button named `bouton`; none when no way to play has it.
const FaconDeJouer* FaconDuBouton(const QString& bouton);

}  // namespace tolvan
