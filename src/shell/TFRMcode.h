// The dialog of club play by a code: the code to make, copy or play
// ("Partie par code"); and the sheet a series leaves (a club's score sheet). Their
// captions are the game's texts, given each time they open; the main
// window connects their buttons to its handlers.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QTextEdit;

namespace tolvan {

struct Feuille;
struct TextesMessages;

class TFRMcode : public QDialog {
 public:
  explicit TFRMcode(QWidget* parent = nullptr);
  void PoseTextes(const TextesMessages& textes);
  // "Copier le code" says it copied, until the code is changed.
  void MontreCopie(const TextesMessages& textes);

  QLabel* LBcode = nullptr;
  QLineEdit* TXTcode = nullptr;
  QPushButton *BTnouveauCode = nullptr, *BTcopieCode = nullptr, *BTjoueCode = nullptr, *BTfermeCode = nullptr;

 private:
  QString copier_;  // the button's caption before it copied
};

class TFRMfeuille : public QDialog {
 public:
  explicit TFRMfeuille(QWidget* parent = nullptr);
  void PoseTextes(const TextesMessages& textes);
  // The sheet's title and lines, written and named before the dialog
  // shows, so that a screen reader reads them as the text takes the
  // keyboard; its copy button only when it has a line to copy.
  void Montre(const Feuille& feuille);

  QTextEdit* MMfeuille = nullptr;
  QPushButton *BTimprimeFeuille = nullptr, *BTcopieFeuille = nullptr, *BTfermeFeuille = nullptr;
};

}  // namespace tolvan
