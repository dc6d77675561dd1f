// Plays the game's event sounds: the Windows system sound names a theme uses
// by default come from the sounds built into the program, anything else is
// taken as the path of a WAV file, and what leads nowhere plays a beep.
#pragma once

#include <QObject>
#include <QString>
#include <QUrl>

class QSoundEffect;

namespace tolvan {

class LecteurSons : public QObject {
  Q_OBJECT

 public:
  explicit LecteurSons(QObject* parent = nullptr);

  // Where the sound for `nom` comes from: a built-in sound for the seven
  // system names (exact case), the file itself when `nom` is a readable WAV
  // file holding all the data its header announces, the built-in beep
  // otherwise.
  static QUrl SourceDuSon(const QString& nom);

  // Starts the sound and returns at once, cutting the one still playing.
  // Silent on a machine without any audio output.
  void Joue(const QString& nom);

 private:
  void SurChangementEtat();

  // Looked up once: an audio device plugged in later is not noticed.
  const bool sortieAudio_;
  // Created on the first sound, and never when there is nothing to play on.
  QSoundEffect* effet_ = nullptr;
};

}  // namespace tolvan
