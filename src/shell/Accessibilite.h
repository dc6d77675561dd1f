// What a screen reader is told of the controls whose standard description
// falls short with Qt 6.4 on Linux. The report lists answer as tables of
// our own: Qt's own table of a tree view hands the accessibility bus a cell
// one row too low, and none at all for the last row, on which the program
// crashed. The clock's bar keeps its words and no share of an unlimited
// time; the links of the "A propos" page are links.
#pragma once

class QAbstractItemView;
class QComboBox;
class QLabel;
class QProgressBar;
class QWidget;

namespace tolvan {

// Each marks its control; the interfaces are made when a reader asks.
// A report list: its first row is the row of column titles, then one row
// per row of the list, every cell a child in reading order.
void ExposeCommeTableau(QAbstractItemView* liste);
// A label that opens an address: a link, pressed as its click.
void ExposeCommeLien(QLabel* lien);
// A choice list whose choice is said with it when it takes the keyboard.
void DitSonChoix(QComboBox* liste);
// Its description brought up to date, after a choice made with its
// signals held back.
void DecritSonChoix(QComboBox* liste);
// A bar that shows a time: its text is its value, and the share of the
// time gone is given only while the time is limited. An unlimited clock
// keeps its bar still: a moving bar would report the share it shows.
void ExposeCommeHorloge(QProgressBar* barre);
void DefinitHorlogeLimitee(QProgressBar* barre, bool limitee);
// A control that is given its news in its name just before it takes the
// focus: its new name is read with the focus, never sent on its own.
void NommeSansAnnonce(QWidget* controle);

}  // namespace tolvan
