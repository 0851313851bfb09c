// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The sound player's thread against a recording sound device: what reaches the device when a
// sound plays, is cut by the next one, loops until stopped, or finds no device.
#include "platform/pcm_player.h"

#include <gtest/gtest.h>

#include <QFile>
#include <future>

namespace {

using namespace std::chrono_literals;

// What every play did to the device, in order: "open", "N" (frames written), "drop".
struct DeviceLog {
  std::mutex mutex;
  std::condition_variable changed;
  std::vector<std::string> events;
  qsizetype frames = 0;
  bool present = true;
  std::promise<void> holdFirstWrite;  // the first write waits for it while `holding`
  bool holding = false;

  void Add(std::string event, qsizetype written = 0) {
    const std::lock_guard lock(mutex);
    events.push_back(std::move(event));
    frames += written;
    changed.notify_all();
  }
  template <class Until>
  bool Wait(Until until) {
    std::unique_lock lock(mutex);
    return changed.wait_for(lock, 5s, until);
  }
};

class FakeOutput : public PcmOutput {
 public:
  explicit FakeOutput(DeviceLog& log) : log_(log) {}
  bool Open(const WaveSound& format) override {
    log_.Add("open " + std::to_string(format.rate));
    return log_.present;
  }
  bool Write(const char*, qsizetype frames) override {
    log_.Add(std::to_string(frames), frames);
    if (std::exchange(log_.holding, false))
      log_.holdFirstWrite.get_future().wait();
    return true;
  }
  int PendingMs() override { return 0; }
  void Drop() override { log_.Add("drop"); }

 private:
  DeviceLog& log_;
};

WaveSound Resource(const char* name) {
  QFile file(name);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
  return ReadWave(file.readAll()).value_or(WaveSound{});
}

class PcmPlayerTest : public ::testing::Test {
 protected:
  // Sound 0 is short (1456 bytes: 706 frames), sound 1 long (3 s: 66150 frames).
  PcmPlayer player{{Resource(":/sounds/sonidotecla.wav"), Resource(":/sounds/acierto.wav")},
                   [this] { return std::make_unique<FakeOutput>(log); },
                   [this](std::uint64_t play) {
                     const std::lock_guard lock(log.mutex);
                     finished.push_back(play);
                     log.changed.notify_all();
                   }};
  DeviceLog log;
  std::vector<std::uint64_t> finished;

  bool Finished(std::uint64_t play) {
    return log.Wait([&] { return std::count(finished.begin(), finished.end(), play) == 1; });
  }
};

}  // namespace

TEST(ReadWave, ReadsTheGamesSoundsAndRefusesWhatIsNotPcm) {
  const WaveSound key = Resource(":/sounds/sonidotecla.wav");
  EXPECT_EQ(key.channels, 1);
  EXPECT_EQ(key.rate, 22050);
  EXPECT_EQ(key.bitsPerSample, 16);
  EXPECT_EQ(key.Frames(), 706);
  EXPECT_NEAR(Resource(":/sounds/acierto.wav").LengthMs(), 3000, 5);
  QFile file(":/sounds/sonidotecla.wav");
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  QByteArray compressed = file.readAll();
  compressed[20] = 2;  // ADPCM
  EXPECT_FALSE(ReadWave(compressed));
  EXPECT_FALSE(ReadWave(compressed.left(30)));
}

TEST_F(PcmPlayerTest, PlaysTheWholeSoundInPieces) {
  ASSERT_TRUE(Finished(player.Start(0, false)));
  EXPECT_EQ(log.events, (std::vector<std::string>{"open 22050", "512", "194"}));
}

TEST_F(PcmPlayerTest, ANewSoundCutsTheOnePlaying) {
  log.holding = true;
  const std::uint64_t first = player.Start(1, false);
  ASSERT_TRUE(log.Wait([&] { return log.frames > 0; }));
  const std::uint64_t second = player.Start(0, false);
  log.holdFirstWrite.set_value();
  ASSERT_TRUE(Finished(first));
  ASSERT_TRUE(Finished(second));
  EXPECT_EQ(log.events,
            (std::vector<std::string>{"open 22050", "512", "drop", "open 22050", "512", "194"}));
}

TEST_F(PcmPlayerTest, ALoopPlaysAgainUntilStopped) {
  const std::uint64_t play = player.Start(0, true);
  ASSERT_TRUE(log.Wait([&] { return log.frames > 3 * 706; }));
  player.Stop();
  ASSERT_TRUE(Finished(play));
  EXPECT_EQ(log.events.back(), "drop");
  EXPECT_EQ(std::count(log.events.begin(), log.events.end(), "open 22050"), 1);
}

TEST_F(PcmPlayerTest, WithoutADeviceEverySoundIsSilence) {
  log.present = false;
  ASSERT_TRUE(Finished(player.Start(1, false)));
  ASSERT_TRUE(Finished(player.Start(7, false)));  // no such sound: silence too
  EXPECT_EQ(log.events, (std::vector<std::string>{"open 22050"}));
}
