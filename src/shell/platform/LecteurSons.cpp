#include "shell/platform/LecteurSons.h"

#include <QAudioDevice>
#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QStringList>
#include <QtEndian>

namespace tolvan {

namespace {

const QUrl kBip(QStringLiteral("qrc:/sons/Beep.wav"));

bool EstSonSysteme(const QString& nom) {
  static const QStringList sonsSysteme = {
      QStringLiteral("MenuPopup"),      QStringLiteral("MenuCommand"),    QStringLiteral("AppGPFault"),
      QStringLiteral("Minimize"),       QStringLiteral("RestoreUp"),      QStringLiteral("SystemQuestion"),
      QStringLiteral("SystemExclamation"),
  };
  return sonsSysteme.contains(nom, Qt::CaseSensitive);
}

// Qt's sound loader waits for ever on a file too short to hold a WAV header
// or whose data stops short of what its header announces, and the next sound
// then hangs the whole program. Such a file must never reach it.
bool EstWavEntier(const QString& chemin) {
  QFile fichier(chemin);
  if (!fichier.open(QIODevice::ReadOnly)) return false;
  const QByteArray entete = fichier.read(12);
  if (!entete.startsWith("RIFF") || entete.mid(8) != "WAVE") return false;
  bool formatLu = false;
  for (;;) {
    const QByteArray morceau = fichier.read(8);
    if (morceau.size() != 8) return false;
    const qint64 taille = qFromLittleEndian<quint32>(morceau.constData() + 4);
    const qint64 fin = fichier.pos() + taille;
    if (fin > fichier.size()) return false;
    if (morceau.startsWith("data")) return formatLu;
    formatLu = formatLu || morceau.startsWith("fmt ");
    // Chunks start on even offsets.
    if (!fichier.seek(fin + taille % 2)) return false;
  }
}

void IgnoreMessage(QtMsgType, const QMessageLogContext&, const QString&) {}

// Without a sound server Qt Multimedia complains on the console while it
// looks for devices. A machine without sound is normal for this game, so
// that one look is kept quiet.
bool ASortieAudio() {
  const QtMessageHandler precedent = qInstallMessageHandler(IgnoreMessage);
  const bool sortie = !QMediaDevices::audioOutputs().isEmpty();
  qInstallMessageHandler(precedent);
  return sortie;
}

}  // namespace

LecteurSons::LecteurSons(QObject* parent) : QObject(parent), sortieAudio_(ASortieAudio()) {}

QUrl LecteurSons::SourceDuSon(const QString& nom) {
  if (EstSonSysteme(nom)) return QUrl(QStringLiteral("qrc:/sons/%1.wav").arg(nom));
  if (QFileInfo(nom).isFile() && EstWavEntier(nom)) return QUrl::fromLocalFile(nom);
  return kBip;
}

void LecteurSons::Joue(const QString& nom) {
  if (!sortieAudio_) return;
  if (effet_ == nullptr) {
    effet_ = new QSoundEffect(this);
    connect(effet_, &QSoundEffect::statusChanged, this, &LecteurSons::SurChangementEtat);
  }
  effet_->stop();
  effet_->setSource(SourceDuSon(nom));
  effet_->play();
}

// A file that cannot be decoded only shows up once Qt has tried to load it:
// play the beep in its place. A beep that fails as well is left alone, so
// the two never chase each other.
void LecteurSons::SurChangementEtat() {
  if (effet_->status() != QSoundEffect::Error || effet_->source() == kBip) return;
  effet_->setSource(kBip);
  effet_->play();
}

}  // namespace tolvan
