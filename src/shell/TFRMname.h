// The dialog that asks the player's name for a record or a score sheet.
// Made once, it shows the last name typed, selected so that typing
// replaces it; above it, what the game just said of the game that ended,
// seen and heard before the name is asked. "OK" accepts the name, the
// close box keeps the one before.
#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tolvan {

struct TextesMessages;

class TFRMname : public QDialog {
 public:
  explicit TFRMname(QWidget* parent = nullptr);

  // Its captions in the game's language, `bilan` above the name (none
  // when empty), and the name offered selected.
  void Prepare(const QString& bilan, const TextesMessages& textes);

  QLabel* LBbilan = nullptr;
  QGroupBox* GBname = nullptr;
  QLabel* Label13 = nullptr;
  QLineEdit* TXTbatu = nullptr;
  QPushButton* BTaddName = nullptr;
};

}  // namespace tolvan
