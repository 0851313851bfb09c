// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Sound effects, synthesised sample by sample: mono, 22050 Hz, 16-bit PCM.
#include <QtEndian>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <vector>

#include "common.h"
#include "generators.h"

namespace art {
namespace {

constexpr int kRate = 22050;
constexpr double kPeakLimit = 0.68;  // about -3.35 dBFS
constexpr double kRmsCeiling = 0.14;

using Samples = std::vector<double>;

struct Note {
  double start;   // seconds
  double length;  // seconds, release included
  double freq;    // Hz at the start
  double gain;
  std::vector<double> partials;  // amplitude of harmonic 1, 2, 3...
  double attack = 0.006;
  double release = 0.03;
  double decay = 0;  // time constant of the exponential fade, 0 for none
  double glide = 0;  // relative pitch change over the note
};

std::size_t samplesFor(double seconds) {
  return static_cast<std::size_t>(std::lround(seconds * kRate));
}

double midiToHz(int midi) {
  return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

// Raised-cosine fade in and out, so every note starts and ends at silence.
double fade(double t, double length, double attack, double release) {
  double g = 1.0;
  if (t < attack) {
    g *= 0.5 - 0.5 * std::cos(kPi * t / attack);
  }
  const double left = length - t;
  if (left < release) {
    g *= 0.5 - 0.5 * std::cos(kPi * std::max(left, 0.0) / release);
  }
  return g;
}

void addNote(Samples& out, const Note& n) {
  const std::size_t first = samplesFor(n.start);
  const std::size_t count = samplesFor(n.length);
  if (out.size() < first + count) {
    out.resize(first + count, 0.0);
  }
  double phase = 0;
  for (std::size_t i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double freq = n.freq * (1.0 + n.glide * t / n.length);
    phase += 2 * kPi * freq / kRate;
    double v = 0;
    for (std::size_t h = 0; h < n.partials.size(); ++h) {
      v += n.partials[h] * std::sin(phase * static_cast<double>(h + 1));
    }
    double env = fade(t, n.length, n.attack, n.release);
    if (n.decay > 0) {
      env *= std::exp(-t / n.decay);
    }
    out[first + i] += n.gain * env * v;
  }
}

Samples keyClick() {
  const double length = 0.032;
  Samples s(samplesFor(length), 0.0);
  Rng rng(0xC11C);
  double noise = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    noise += 0.3 * (rng.uniform(-1, 1) - noise);
    const double body = 0.6 * std::sin(2 * kPi * 1250 * t) + 0.2 * std::sin(2 * kPi * 2600 * t);
    s[i] = (body + 0.5 * noise) * std::exp(-t / 0.007) * fade(t, length, 0.0008, 0.006);
  }
  return s;
}

Samples rightLetter() {
  Samples s;
  const std::vector<double> bell{1.0, 0.3, 0.1};
  addNote(s, {0.0, 0.29, midiToHz(84), 0.6, bell, 0.004, 0.04, 0.09});
  addNote(s, {0.065, 0.225, midiToHz(91), 0.55, bell, 0.004, 0.04, 0.08});
  return s;
}

Samples wrongLetter() {
  Samples s;
  const std::vector<double> soft{1.0, 0.35, 0.12};
  addNote(s, {0.0, 0.19, midiToHz(57), 0.6, soft, 0.015, 0.06, 0.0});
  addNote(s, {0.17, 0.21, midiToHz(52), 0.6, soft, 0.015, 0.08, 0.0, -0.04});
  return s;
}

struct TuneNote {
  int startEighth;
  int eighths;
  int midi;
};

// Eight beats at 160 bpm: exactly three seconds, so the loop keeps the beat.
Samples victoryTune() {
  const double eighth = 60.0 / 160.0 / 2.0;
  const std::array<TuneNote, 14> melody{{{0, 1, 72},
                                         {1, 1, 76},
                                         {2, 1, 79},
                                         {3, 1, 84},
                                         {4, 1, 83},
                                         {5, 1, 79},
                                         {6, 2, 81},
                                         {8, 1, 77},
                                         {9, 1, 81},
                                         {10, 1, 79},
                                         {11, 1, 76},
                                         {12, 1, 74},
                                         {13, 1, 76},
                                         {14, 2, 72}}};
  const std::array<int, 8> bass{48, 55, 43, 45, 41, 48, 43, 48};
  Samples s(samplesFor(16 * eighth), 0.0);
  const std::vector<double> lead{1.0, 0.25, 0.18, 0.05};
  for (const TuneNote& n : melody) {
    addNote(s, {n.startEighth * eighth, n.eighths * eighth * 0.85, midiToHz(n.midi), 0.5, lead,
                0.006, 0.035, 0.35});
  }
  const std::vector<double> warm{1.0, 0.2};
  for (std::size_t beat = 0; beat < bass.size(); ++beat) {
    addNote(s, {static_cast<double>(beat) * 2 * eighth, 2 * eighth * 0.9, midiToHz(bass[beat]),
                0.45, warm, 0.008, 0.05, 0.25});
  }
  s.resize(samplesFor(16 * eighth), 0.0);
  return s;
}

double rms(const Samples& s) {
  double sum = 0;
  for (double v : s) {
    sum += v * v;
  }
  return std::sqrt(sum / static_cast<double>(s.size()));
}

double peak(const Samples& s) {
  double m = 0;
  for (double v : s) {
    m = std::max(m, std::abs(v));
  }
  return m;
}

QByteArray wavBytes(const Samples& s) {
  QByteArray out;
  auto put32 = [&out](quint32 v) {
    const quint32 le = qToLittleEndian(v);
    out.append(reinterpret_cast<const char*>(&le), 4);
  };
  auto put16 = [&out](quint16 v) {
    const quint16 le = qToLittleEndian(v);
    out.append(reinterpret_cast<const char*>(&le), 2);
  };
  const auto dataBytes = static_cast<quint32>(s.size() * 2);
  out.append("RIFF");
  put32(36 + dataBytes);
  out.append("WAVEfmt ");
  put32(16);
  put16(1);  // PCM
  put16(1);  // mono
  put32(kRate);
  put32(kRate * 2);
  put16(2);
  put16(16);
  out.append("data");
  put32(dataBytes);
  for (double v : s) {
    const long q = std::lround(std::clamp(v, -1.0, 1.0) * 32767.0);
    put16(static_cast<quint16>(static_cast<qint16>(q)));
  }
  return out;
}

double toDb(double v) {
  return 20.0 * std::log10(std::max(v, 1e-9));
}

}  // namespace

void makeSounds(Output& out) {
  struct Sound {
    const char* file;
    Samples samples;
  };
  std::array<Sound, 4> sounds{{{"resources/sounds/sonidotecla.wav", keyClick()},
                               {"resources/sounds/letracorrecta.wav", rightLetter()},
                               {"resources/sounds/letrafallada.wav", wrongLetter()},
                               {"resources/sounds/acierto.wav", victoryTune()}}};
  // One loudness for all: the highest RMS that keeps every peak under the limit.
  double target = kRmsCeiling;
  for (const Sound& s : sounds) {
    target = std::min(target, kPeakLimit * rms(s.samples) / peak(s.samples));
  }
  for (Sound& s : sounds) {
    const double gain = target / rms(s.samples);
    for (double& v : s.samples) {
      v *= gain;
    }
    std::printf("%-36s %6.3f s  rms %6.1f dBFS  peak %6.1f dBFS\n", s.file,
                static_cast<double>(s.samples.size()) / kRate, toDb(rms(s.samples)),
                toDb(peak(s.samples)));
    out.saveBytes(wavBytes(s.samples), s.file);
  }
}

}  // namespace art
