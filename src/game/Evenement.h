// The game's seven events that make a sound, in the order of a sound theme
// file's lines.
#pragma once

namespace tolvan {

enum class Evenement { Click, Result, Erreur, Annul, NewGame, Trouve, Temps };
inline constexpr int NbEvenements = 7;

}  // namespace tolvan
