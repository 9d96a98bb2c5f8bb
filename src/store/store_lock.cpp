#include "store/store_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "store/file_io.h"

namespace survey {

namespace {

std::string thisMachine() {
  char name[256] = {};
  if (::gethostname(name, sizeof name - 1) != 0) return "unknown";
  return name;
}

LockHolder readHolder(const std::filesystem::path& path) {
  LockHolder holder;
  const ReadResult read = readWholeFile(path);
  const auto lines = splitLines(read.bytes);
  if (!lines.empty()) holder.process = std::atol(std::string(lines[0]).c_str());
  if (lines.size() > 1) holder.machine = std::string(lines[1]);
  return holder;
}

// True when fd is still the file at path (not one removed by a holder that just left).
bool sameFile(int fd, const std::filesystem::path& path) {
  struct stat open {
  }, named{};
  return ::fstat(fd, &open) == 0 && ::stat(path.c_str(), &named) == 0 &&
         open.st_ino == named.st_ino && open.st_dev == named.st_dev;
}

}  // namespace

std::string LockHolder::describe() const {
  return "process " + std::to_string(process) + " on machine " +
         (machine.empty() ? std::string("unknown") : machine);
}

std::string storeInUseMessage(const std::filesystem::path& directory, const LockHolder& holder) {
  return "The survey store in " + directory.string() + " is in use by " + holder.describe() + ".";
}

std::unique_ptr<StoreLock> StoreLock::acquire(const std::filesystem::path& directory,
                                              LockHolder& holder, std::string& error) {
  const auto path = directory / kLockFileName;
  // Written and removed by its name: a link would make that another file.
  const auto refuse = [&](const std::string& why) {
    error =
        "the lock file " + path.string() + " is refused: " + why + "; nothing was written to it";
    return nullptr;
  };
  for (int attempt = 0; attempt < 5; ++attempt) {
    if (std::string why = notOwnFile(path); !why.empty()) return refuse(why);
    const int fd =
        ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644);
    if (fd < 0) {
      error = "the lock file " + path.string() + " cannot be made: " + std::strerror(errno);
      return nullptr;
    }
    // What was opened, whatever happened to the name since the look above.
    struct stat opened {};
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode) || opened.st_nlink > 1) {
      ::close(fd);
      return refuse(opened.st_nlink > 1 ? "it is a hard link: the same file has " +
                                              std::to_string(opened.st_nlink) + " names"
                                        : std::string("it is not a regular file"));
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
      const int why = errno;
      ::close(fd);
      if (why != EWOULDBLOCK) {
        error = "the store cannot be locked: " + std::string(std::strerror(why));
        return nullptr;
      }
      holder = readHolder(path);
      return nullptr;
    }
    if (!sameFile(fd, path)) {  // its holder removed it as we opened it: try the new one
      ::close(fd);
      continue;
    }
    // A file left by a process that is gone carries no lock: it is simply taken over.
    const std::string text = std::to_string(::getpid()) + "\n" + thisMachine() + "\n";
    if (::ftruncate(fd, 0) != 0 || ::pwrite(fd, text.data(), text.size(), 0) < 0) {
      error = "the lock file " + path.string() + " cannot be written: " + std::strerror(errno);
      ::close(fd);
      return nullptr;
    }
    return std::unique_ptr<StoreLock>(new StoreLock(fd, path));
  }
  error = "the lock file " + path.string() + " keeps changing";
  return nullptr;
}

StoreLock::~StoreLock() {
  ::unlink(path_.c_str());  // still holding it: no other copy can be between open and lock
  ::close(fd_);
}

}  // namespace survey
