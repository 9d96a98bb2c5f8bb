// One writer at a time: the copy of the program that may save holds a lock
// file in the store's directory. The lock is the system's advisory lock on
// that file, so it ends with its process, however that process ends; the file
// names the holder (process and machine) for the message to the others.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

namespace survey {

inline constexpr const char* kLockFileName = "survey_store.lock";

struct LockHolder {
  long process = 0;
  std::string machine;
  // "process 1234 on machine surveyor-pc"
  std::string describe() const;
};

class StoreLock {
 public:
  // Takes the lock of directory; nothing (and holder set) when another holds it,
  // or nothing (and error set) when the lock file cannot be made.
  static std::unique_ptr<StoreLock> acquire(const std::filesystem::path& directory,
                                            LockHolder& holder, std::string& error);
  ~StoreLock();
  StoreLock(const StoreLock&) = delete;
  StoreLock& operator=(const StoreLock&) = delete;

 private:
  StoreLock(int fd, std::filesystem::path path) : fd_(fd), path_(std::move(path)) {}
  int fd_;
  std::filesystem::path path_;
};

// The refusal for a copy that finds the store locked.
std::string storeInUseMessage(const std::filesystem::path& directory, const LockHolder& holder);

}  // namespace survey
