// The look of the window: its font and the style of the tiles, the target
// and the blackboard.
#pragma once

#include <QString>

class QWidget;

namespace tolvan {

// Applies the game's font and style sheet to the main window and its children.
void HabilleFenetre(QWidget* fenetre);

}  // namespace tolvan
