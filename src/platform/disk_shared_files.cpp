// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/disk_shared_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <random>
#include <thread>

#include "platform/whole_file.h"

namespace {

enum class Lock { Held, Busy, Unavailable, Failed };

// The lock file stays where it is: removing it would let two copies lock two different files.
// It may be written by every user of a shared folder, so that any of them can lock it.
int OpenLockFile(const std::string& path) {
  int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
  if (fd >= 0) {
    ::fchmod(fd, 0666);
    return fd;
  }
  if (errno != EEXIST)
    return -1;
  fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC | O_NOFOLLOW);
  struct stat info {};
  if (fd >= 0 && (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))) {
    ::close(fd);
    return -1;
  }
  return fd;
}

// Tries again and again, at short random intervals, until `waitMilliseconds` have passed.
Lock TakeLock(int fd, int waitMilliseconds) {
  const auto deadline =
      std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMilliseconds);
  thread_local std::mt19937 random(std::random_device{}());
  std::uniform_int_distribution<int> pause(2, 20);
  for (;;) {
    struct flock whole {};
    whole.l_type = F_WRLCK;
    whole.l_whence = SEEK_SET;
    if (::fcntl(fd, F_SETLK, &whole) == 0)
      return Lock::Held;
    switch (errno) {
      case EINTR:
        continue;
      case EACCES:
      case EAGAIN:
        break;
      // A file system, or an NFS mount without its lock service, that keeps no locks.
      case ENOLCK:
      case EOPNOTSUPP:
      case ENOSYS:
      case EINVAL:
        return Lock::Unavailable;
      default:
        return Lock::Failed;
    }
    if (std::chrono::steady_clock::now() >= deadline)
      return Lock::Busy;
    std::this_thread::sleep_for(std::chrono::milliseconds(pause(random)));
  }
}

// Closing the lock file releases the lock.
class LockFile {
 public:
  explicit LockFile(int fd) : fd_(fd) {}
  ~LockFile() {
    if (fd_ >= 0)
      ::close(fd_);
  }
  LockFile(const LockFile&) = delete;
  LockFile& operator=(const LockFile&) = delete;
  int Fd() const { return fd_; }

 private:
  int fd_;
};

SharedSave ReadChangeAndSave(const std::string& path, const SharedFiles::Change& change) {
  std::string bytes;
  std::optional<std::string> now;
  switch (ReadWholeFile(path, bytes, DiskSharedFiles::kMaxBytes)) {
    case ReadState::Missing:
      break;
    case ReadState::Read:
      now = std::move(bytes);
      break;
    case ReadState::Link:  // never written through
      return SharedSave::CannotWrite;
    case ReadState::Unreadable:
      return SharedSave::CannotRead;
  }
  const std::optional<std::string> next = change(now);
  if (!next)
    return SharedSave::Kept;
  return SaveWholeFile(path, *next) ? SharedSave::Saved : SharedSave::CannotWrite;
}

}  // namespace

std::string DiskSharedFiles::LockPath(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  return folder + "." + name + ".lock";
}

SharedSave DiskSharedFiles::Update(const std::string& path, const Change& change) {
  LockFile lock(OpenLockFile(LockPath(path)));
  if (lock.Fd() < 0)
    return SharedSave::CannotWrite;
  switch (TakeLock(lock.Fd(), waitMilliseconds_)) {
    case Lock::Held:
    case Lock::Unavailable:  // saved as before: still whole, merged at the moment of saving
      break;
    case Lock::Busy:
      return SharedSave::Busy;
    case Lock::Failed:
      return SharedSave::CannotWrite;
  }
  return ReadChangeAndSave(path, change);
}
