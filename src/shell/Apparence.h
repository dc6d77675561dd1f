// The look of the window: its font and the style of the tiles, the target
// and the blackboard.
#pragma once

#include <QString>

class QWidget;

namespace tolvan {

// The largest sizes, in points, of the numbers on the tiles, on the target
// and on the blackboard lines; longer numbers are shown smaller.
inline constexpr int PointsTuile = 17;
inline constexpr int PointsCible = 22;
inline constexpr int PointsLigne = 11;
inline constexpr int PointsTitre = 40;
// The same for the fields of a typed draw: the six numbers and the target.
inline constexpr int PointsSaisie = 16;
inline constexpr int PointsSaisieCible = 20;
// The window's own size, which the coach's sentences shrink from when long.
inline constexpr int PointsCoach = 8;

// Applies the game's font and style sheet to the main window and its children.
void HabilleFenetre(QWidget* fenetre);

// Marks a blackboard line for a moment, when an operation is refused.
void SignaleRefus(QWidget* ligne);

}  // namespace tolvan
