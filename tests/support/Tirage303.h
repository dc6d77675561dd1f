// The draw most tests play, 25 50 75 100 3 6 → 303, found in two lines,
// 6x50=300 then 300+3=303; and the level that deals it alone.
#pragma once

#include <vector>

#include <QByteArray>

#include "engine/Records.h"
#include "game/TableauNoir.h"

namespace tolvan::test {

inline const TTirage Tirage303{NombresTirage{{{25, 50, 75, 100, 3, 6}}}, 303};
// The scripted desktop's random numbers that deal it: the pool's slots, then the target's.
inline const std::vector<int> HasardDe303 = {20, 21, 22, 23, 4, 10, 202};
// Its row of a draws file, not yet found.
inline const QByteArray RangeeDe303 = "303\t25\t50\t75\t100\t3\t6\t0\t0\tNON\t\t";
// The presses that find it: tile 6, x, tile 2, then the 300 and +, tile 5.
inline const std::vector<int> Touches303 = {6, CodeFois, 2, CodePlus, 5};

// A level of `temps` seconds a draw, dealing from "tirages.tir", whose
// records are 500 (or `premierRecord`), 400, 300, 300, 200, 100, 90, 80,
// 70, 60 by "a" to "j".
inline QByteArray NiveauDeTest(const QByteArray& temps = "60", const QByteArray& premierRecord = "500") {
  QByteArray niveau = "Test\r\ntirages.tir\r\n" + temps + "\r\n";
  const QByteArray scores[] = {premierRecord, "400", "300", "300", "200", "100", "90", "80", "70", "60"};
  char nom = 'a';
  for (const QByteArray& score : scores) niveau += score + "\r\n" + QByteArray(1, nom++) + "\r\n1\r\n";
  return niveau;
}

}  // namespace tolvan::test
