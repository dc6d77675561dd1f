#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include <QAudioDevice>
#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QMediaDevices>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include "shell/platform/LecteurSons.h"

namespace tolvan {
namespace {

const QStringList kSonsSysteme = {"MenuPopup",      "MenuCommand",    "AppGPFault",       "Minimize",
                                  "RestoreUp",      "SystemQuestion", "SystemExclamation"};
const QUrl kBip(QStringLiteral("qrc:/sons/Beep.wav"));

QByteArray LitRessource(const QString& nom) {
  QFile fichier(QStringLiteral(":/sons/%1.wav").arg(nom));
  if (!fichier.open(QIODevice::ReadOnly)) return {};
  return fichier.readAll();
}

// Writes `contenu` to `nom` in `dossier` and returns the full path.
QString EcritFichier(const QTemporaryDir& dossier, const QString& nom, const QByteArray& contenu) {
  const QString chemin = dossier.filePath(nom);
  QFile fichier(chemin);
  EXPECT_TRUE(fichier.open(QIODevice::WriteOnly));
  fichier.write(contenu);
  return chemin;
}

quint16 Mot16(const QByteArray& octets, int position) {
  return qFromLittleEndian<quint16>(octets.constData() + position);
}

quint32 Mot32(const QByteArray& octets, int position) {
  return qFromLittleEndian<quint32>(octets.constData() + position);
}

qint16 Echantillon(const QByteArray& octets, int indice) {
  constexpr int kDebutDonnees = 44;
  return qFromLittleEndian<qint16>(octets.constData() + kDebutDonnees + 2 * indice);
}

TEST(LecteurSons, SystemNamesPlayTheBuiltInSounds) {
  for (const QString& nom : kSonsSysteme) {
    EXPECT_EQ(LecteurSons::SourceDuSon(nom), QUrl("qrc:/sons/" + nom + ".wav")) << nom.toStdString();
  }
}

TEST(LecteurSons, SystemNamesAreCaseSensitive) {
  EXPECT_EQ(LecteurSons::SourceDuSon("menupopup"), kBip);
  EXPECT_EQ(LecteurSons::SourceDuSon("SYSTEMQUESTION"), kBip);
}

TEST(LecteurSons, AnExistingFilePlaysItself) {
  QTemporaryDir dossier;
  ASSERT_TRUE(dossier.isValid());
  const QString chemin = EcritFichier(dossier, "mon son.wav", LitRessource("Beep"));
  EXPECT_EQ(LecteurSons::SourceDuSon(chemin), QUrl::fromLocalFile(chemin));
}

TEST(LecteurSons, NamesThatLeadNowherePlayTheBeep) {
  QTemporaryDir dossier;
  ASSERT_TRUE(dossier.isValid());
  EXPECT_EQ(LecteurSons::SourceDuSon(""), kBip);
  EXPECT_EQ(LecteurSons::SourceDuSon(dossier.filePath("absent.wav")), kBip);
  EXPECT_EQ(LecteurSons::SourceDuSon("C:\\Sons\\clic.wav"), kBip);
  EXPECT_EQ(LecteurSons::SourceDuSon(dossier.path()), kBip);
}

// Qt would wait for ever for the rest of such a file, and hang on the next
// sound.
TEST(LecteurSons, FilesThatAreNotWholeWavesPlayTheBeep) {
  QTemporaryDir dossier;
  ASSERT_TRUE(dossier.isValid());
  const QByteArray wav = LitRessource("Beep");
  const QByteArray contenus[] = {"", "pas un son\r\n", QByteArray(2000, 'x'), wav.left(12), wav.left(44),
                                 wav.left(wav.size() - 1)};
  for (const QByteArray& contenu : contenus) {
    const QString chemin = EcritFichier(dossier, "son.wav", contenu);
    EXPECT_EQ(LecteurSons::SourceDuSon(chemin), kBip) << contenu.size() << " bytes";
  }
}

TEST(LecteurSons, BuiltInSoundsAreShortMonoSixteenBitWaves) {
  for (const QString& nom : kSonsSysteme + QStringList{"Beep"}) {
    SCOPED_TRACE(nom.toStdString());
    ASSERT_TRUE(QFile::exists(":/sons/" + nom + ".wav"));
    const QByteArray octets = LitRessource(nom);
    ASSERT_GT(octets.size(), 44);
    EXPECT_LT(octets.size(), 50 * 1024);
    EXPECT_EQ(octets.mid(0, 4), "RIFF");
    EXPECT_EQ(Mot32(octets, 4), static_cast<quint32>(octets.size() - 8));
    EXPECT_EQ(octets.mid(8, 8), "WAVEfmt ");
    EXPECT_EQ(Mot16(octets, 20), 1) << "PCM";
    EXPECT_EQ(Mot16(octets, 22), 1) << "mono";
    EXPECT_EQ(Mot32(octets, 24), 22050u);
    EXPECT_EQ(Mot16(octets, 34), 16) << "bits per sample";
    EXPECT_EQ(octets.mid(36, 4), "data");
    EXPECT_EQ(Mot32(octets, 40), static_cast<quint32>(octets.size() - 44));
  }
}

// A sound that starts or stops on a loud sample clicks.
TEST(LecteurSons, BuiltInSoundsFadeInAndOutOfSilence) {
  for (const QString& nom : kSonsSysteme + QStringList{"Beep"}) {
    SCOPED_TRACE(nom.toStdString());
    const QByteArray octets = LitRessource(nom);
    ASSERT_GT(octets.size(), 44 + 2 * 10);
    const int nombre = (octets.size() - 44) / 2;
    int crete = 0;
    for (int i = 0; i < nombre; ++i) crete = std::max(crete, std::abs(int{Echantillon(octets, i)}));
    EXPECT_GT(crete, 3000) << "audible";
    EXPECT_LT(std::abs(Echantillon(octets, 0)), 100);
    EXPECT_LT(std::abs(Echantillon(octets, nombre - 1)), 100);
  }
}

// Everything the game might ask to play, including names that lead nowhere.
QStringList SonsDeToutesSortes(const QTemporaryDir& dossier) {
  return {"SystemQuestion", dossier.filePath("absent.wav"), EcritFichier(dossier, "texte.wav", "pas un son\r\n"),
          "C:\\Sons\\clic.wav", ""};
}

TEST(LecteurSons, PlayingReturnsAtOnceWhateverTheName) {
  QTemporaryDir dossier;
  ASSERT_TRUE(dossier.isValid());
  LecteurSons lecteur;
  for (const QString& nom : SonsDeToutesSortes(dossier)) {
    QElapsedTimer chrono;
    chrono.start();
    lecteur.Joue(nom);
    EXPECT_LT(chrono.elapsed(), 500) << nom.toStdString();
  }
  // Lets any late report about an undecodable file arrive.
  QTest::qWait(200);
}

QStringList messagesQt;

void RetientMessage(QtMsgType, const QMessageLogContext&, const QString& message) { messagesQt.append(message); }

// Qt Multimedia warns on the console when it has no device to play on.
TEST(LecteurSons, StaysSilentWithoutAudioOutput) {
  QTemporaryDir dossier;
  ASSERT_TRUE(dossier.isValid());
  const QStringList noms = SonsDeToutesSortes(dossier);
  messagesQt.clear();
  const QtMessageHandler precedent = qInstallMessageHandler(RetientMessage);
  {
    LecteurSons lecteur;
    for (const QString& nom : noms) lecteur.Joue(nom);
    QTest::qWait(100);
  }
  qInstallMessageHandler(precedent);
  if (!QMediaDevices::audioOutputs().isEmpty()) GTEST_SKIP() << "this machine has an audio output";
  EXPECT_TRUE(messagesQt.isEmpty()) << messagesQt.join('\n').toStdString();
}

}  // namespace
}  // namespace tolvan
