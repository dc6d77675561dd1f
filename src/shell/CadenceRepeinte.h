// A long task run inside a handler repaints the window now and then, so it
// shows its progress bars without the cost of a repaint per step.
#pragma once

#include <QElapsedTimer>
#include <QWidget>

namespace tolvan {

class CadenceRepeinte {
 public:
  CadenceRepeinte(QWidget* fenetre, int intervalleMs) : fenetre_(fenetre), intervalleMs_(intervalleMs) {
    depuis_.start();
  }
  // One step done: repaints when the interval has gone by since the last time.
  void Pas() {
    if (depuis_.elapsed() < intervalleMs_) return;
    fenetre_->repaint();
    depuis_.restart();
  }

 private:
  QWidget* fenetre_;
  int intervalleMs_;
  QElapsedTimer depuis_;
};

}  // namespace tolvan
