// The help page in a window of the game's own, for a desktop without a
// browser to open it.
#pragma once

#include <QTextBrowser>

namespace tolvan {

class VisionneuseAide : public QTextBrowser {
 public:
  VisionneuseAide();
  void Montre(const QUrl& page);
};

}  // namespace tolvan
