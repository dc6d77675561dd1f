// The game's clock, kept by the mid end: how it runs (a time allowed, a
// count of the time spent, hidden, or none), the seconds it gives the game,
// read from the desktop's clock, and its words.
#pragma once

#include <QString>

#include "Services.h"
#include "TextesMessages.h"
#include "game/Manche.h"

namespace tolvan {

enum class GenreHorloge {
  Rebours,  // a time allowed, shown as the time left
  Chrono,   // the time spent, shown, within an hour ("illimité")
  Cache,    // the time spent, shown only once the game is over
  Aucune,   // nothing counts and nothing runs out
};

struct Cadence {
  int limite = 3600;  // seconds allowed; an hour for a clock that counts up
  GenreHorloge genre = GenreHorloge::Chrono;
  bool CompteARebours() const { return genre == GenreHorloge::Rebours; }
  friend bool operator==(const Cadence&, const Cadence&) = default;
};

// The choices of "Temps :", in list order: the nine times kept in the
// settings by their place ("illimité", 20 s ... 5 min), then 30 s, 45 s,
// "Chrono caché" and "Sans chrono".
inline constexpr int NbChoixTemps = 13;
inline constexpr int ChoixChronoCache = 11;
inline constexpr int ChoixSansChrono = 12;
Cadence CadenceDuChoix(int choix);
// A choice's words in the list: "illimité", "20 secondes", "1 Minute 30",
// "Chrono caché" ...
QString NomDuChoixTemps(int choix, const TextesMessages& textes);

// "3:07": minutes and seconds.
QString MinutesSecondes(int secondes);

class Horloge {
 public:
  explicit Horloge(Services& services) : services_(services) {}

  const Cadence& cadence() const { return cadence_; }
  // The game's clock takes `cadence`: its limit, and whether it counts.
  void Regle(Manche& manche, const Cadence& cadence);
  bool Compte() const { return cadence_.genre != GenreHorloge::Aucune; }

  // The count starts again from now: a game's clock was started or reset.
  void Repart();
  // The whole seconds gone since they were last taken; what is left of a
  // second waits for the next call, so that no time is lost or counted twice.
  int SecondesPassees();
  // The time a game found at `seconde` ended at, to the tenth: the part of
  // a second not yet taken is read from the desktop's clock, within the
  // time allowed.
  double AuDixieme(int seconde, const Manche& manche) const;

  // What the clock says now: the time left, the time spent, or nothing
  // while a hidden clock counts and when there is no clock at all.
  QString Texte(const Manche& manche, const TextesMessages& textes) const;
  // The time a hidden clock shows in the summary of a game that ended.
  std::optional<QString> TexteDuBilan(const Manche& manche, const TextesMessages& textes) const;
  // The time to keep of a game that ended at `seconde` of a clock that
  // stood at `depart` when it began: none without a clock. A clock that
  // counts up gives the attempt's own time, even when "Rejouer" let it
  // run on from the last attempt; a time allowed gives the second it
  // ended at, as the games list does.
  std::optional<int> TempsRetenu(int seconde, int depart = 0) const;

 private:
  Services& services_;
  Cadence cadence_;
  qint64 repere_ = 0;  // the instant up to which seconds were taken
};

}  // namespace tolvan
