#include "VisionneuseAide.h"

namespace tolvan {

VisionneuseAide::VisionneuseAide() {
  setObjectName("VisionneuseAide");
  setWindowTitle(QStringLiteral("Aide de Tolvan"));
  setOpenExternalLinks(true);
  resize(760, 580);
  // Left open, it must not keep the game running once its window is closed.
  setAttribute(Qt::WA_QuitOnClose, false);
}

void VisionneuseAide::Montre(const QUrl& page) {
  setSource(page);
  show();
  raise();
  activateWindow();
}

}  // namespace tolvan
