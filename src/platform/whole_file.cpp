// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/whole_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>
#include <random>

namespace {

// A temporary file of a save still being written is younger than this.
constexpr std::time_t kStaleAfterSeconds = 60;
constexpr std::string_view kMark = "~lurimba-";
constexpr std::size_t kRandomLetters = 8;
// Room left for the mark and the letters in a file name of at most 255 bytes.
constexpr std::size_t kNameKept = 200;

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  if (slash == std::string::npos)
    return ".";
  return slash == 0 ? std::string("/") : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string Join(const std::string& folder, const std::string& name) {
  return folder == "/" ? "/" + name : folder + "/" + name;
}

bool IsLetterOrDigit(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// ".<name>~lurimba-XXXXXXXX": hidden, the mark, eight letters or digits.
bool IsTemporarySaveName(std::string_view name) {
  if (name.size() < 1 + 1 + kMark.size() + kRandomLetters || name.front() != '.')
    return false;
  const std::string_view letters = name.substr(name.size() - kRandomLetters);
  const std::string_view mark =
      name.substr(name.size() - kRandomLetters - kMark.size(), kMark.size());
  if (mark != kMark)
    return false;
  for (char c : letters) {
    if (!IsLetterOrDigit(c))
      return false;
  }
  return true;
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR)
      continue;
    if (written <= 0)
      return false;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// The rename itself is on the disk once its folder is: where a folder cannot be
// forced (some network file systems), the new file is already whole in its place.
void SyncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0)
    return;
  ::fsync(fd);
  ::close(fd);
}

std::string TemporarySaveName(const std::string& path) {
  static constexpr char kLetters[] =
      "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  thread_local std::mt19937 random(std::random_device{}());
  std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
  std::string name = "." + NameOf(path).substr(0, kNameKept) + std::string(kMark);
  for (std::size_t i = 0; i < kRandomLetters; ++i)
    name += kLetters[pick(random)];
  return Join(FolderOf(path), name);
}

}  // namespace

int RemoveStaleSaves(const std::string& path) {
  const std::string folder = FolderOf(path);
  DIR* dir = ::opendir(folder.c_str());
  if (!dir)
    return 0;
  const std::time_t now = std::time(nullptr);
  int removed = 0;
  while (const dirent* entry = ::readdir(dir)) {
    if (!IsTemporarySaveName(entry->d_name))
      continue;
    const std::string leftover = Join(folder, entry->d_name);
    struct stat info {};
    if (::lstat(leftover.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
      continue;
    if (now - info.st_mtime < kStaleAfterSeconds)
      continue;
    if (::unlink(leftover.c_str()) == 0)
      ++removed;
  }
  ::closedir(dir);
  return removed;
}

bool SaveWholeFile(const std::string& path, std::string_view bytes) {
  struct stat old {};
  const bool existed = ::lstat(path.c_str(), &old) == 0;
  if (!existed && errno != ENOENT)
    return false;
  // A link would be replaced rather than followed; a folder, a device or a pipe is never
  // replaced at all.
  if (existed && !S_ISREG(old.st_mode))
    return false;
  RemoveStaleSaves(path);
  std::string temporary;
  int fd = -1;
  for (int attempt = 0; attempt < 5 && fd < 0; ++attempt) {
    temporary = TemporarySaveName(path);
    // Until its permissions are set below, the new file is this user's only.
    fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW,
                existed ? 0600 : 0666);
    if (fd < 0 && errno != EEXIST)
      return false;
  }
  if (fd < 0)
    return false;
  // The data must be on the disk before the new file takes the old one's name: a file system
  // that allocates late reports a full disk only when it is forced.
  bool written = WriteAll(fd, bytes) && ::fsync(fd) == 0;
  if (written && existed)
    ::fchmod(fd, old.st_mode & 07777);
  written = ::close(fd) == 0 && written;
  if (!written || ::rename(temporary.c_str(), path.c_str()) != 0) {
    ::unlink(temporary.c_str());
    return false;
  }
  SyncFolder(FolderOf(path));
  return true;
}

ReadState ReadWholeFile(const std::string& path, std::string& bytes, std::size_t maxBytes) {
  bytes.clear();
  struct stat info {};
  if (::lstat(path.c_str(), &info) != 0)
    return errno == ENOENT ? ReadState::Missing : ReadState::Unreadable;
  if (S_ISLNK(info.st_mode))
    return ReadState::Link;
  if (!S_ISREG(info.st_mode))
    return ReadState::Unreadable;
  // Not blocking: what was checked a moment ago may be a pipe by now.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0)
    return ReadState::Unreadable;
  ReadState state = ReadState::Read;
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
      static_cast<std::size_t>(info.st_size) > maxBytes) {
    state = ReadState::Unreadable;
  } else {
    char buffer[8192];
    for (;;) {
      const ssize_t got = ::read(fd, buffer, sizeof buffer);
      if (got < 0 && errno == EINTR)
        continue;
      if (got < 0 || bytes.size() + static_cast<std::size_t>(got) > maxBytes) {
        state = ReadState::Unreadable;
        break;
      }
      if (got == 0)
        break;
      bytes.append(buffer, static_cast<std::size_t>(got));
    }
  }
  ::close(fd);
  if (state != ReadState::Read)
    bytes.clear();
  return state;
}
