#include "platform/sound_player_qt.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QUrl>

namespace {

constexpr std::array<const char*, 4> kSoundFiles = {
    "qrc:/sounds/letracorrecta.wav", "qrc:/sounds/letrafallada.wav", "qrc:/sounds/sonidotecla.wav",
    "qrc:/sounds/acierto.wav"};

// A synchronous sound (the key click, 40 ms) never holds the game longer than this.
constexpr int kLongestWaitMs = 120;

}  // namespace

// The sound system starts once the event loop runs, that is after the main window shows: the
// window comes sooner, and the first sound comes much later (a word must be in play).
QtSoundPlayer::QtSoundPlayer() {
  QTimer::singleShot(0, this, &QtSoundPlayer::Start);
}

void QtSoundPlayer::Start() {
  if (effects_[0])
    return;
  for (std::size_t i = 0; i < effects_.size(); ++i) {
    effects_[i] = new QSoundEffect(this);
    effects_[i]->setSource(QUrl(kSoundFiles[i]));
  }
}

void QtSoundPlayer::Play(SoundId id, PlayMode mode) {
  Start();  // a sound asked for before the event loop ran
  Stop();
  QSoundEffect& effect = Effect(id);
  // Without an audio device the effect never loads: the game stays silent.
  if (effect.status() == QSoundEffect::Error)
    return;
  effect.setLoopCount(mode == PlayMode::Loop ? QSoundEffect::Infinite : 1);
  effect.play();
  playing_ = &effect;
  if (mode != PlayMode::Sync || !effect.isLoaded())
    return;

  // Wait for the end of the sound, letting timers and painting run but no user input.
  QEventLoop wait;
  QTimer limit;
  limit.setSingleShot(true);
  QObject::connect(&limit, &QTimer::timeout, &wait, &QEventLoop::quit);
  QObject::connect(&effect, &QSoundEffect::playingChanged, &wait, [&] {
    if (!effect.isPlaying())
      wait.quit();
  });
  limit.start(kLongestWaitMs);
  wait.exec(QEventLoop::ExcludeUserInputEvents);
}

void QtSoundPlayer::Stop() {
  if (playing_)
    playing_->stop();
  playing_ = nullptr;
}
