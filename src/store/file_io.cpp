#include "store/file_io.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <random>
#include <system_error>

namespace survey {

namespace {
// Linux 5.14 and later; older systems refuse it and the pages fault in as used.
#ifdef MADV_POPULATE_WRITE
constexpr int kPopulateWrite = MADV_POPULATE_WRITE;
#else
constexpr int kPopulateWrite = 23;
#endif

std::string errnoText(const char* what) {
  return std::string(what) + ": " + std::strerror(errno);
}

struct FaultState {
  WriteFaults plan;
  int writes = 0;
  int renames = 0;
  long long written = 0;
};
FaultState& faults() {
  static FaultState state;
  return state;
}

// writev(2), unless the injected plan says this one fails; a plan's full disk
// shortens the pieces to the room left.
ssize_t plannedWrite(int fd, iovec* pieces, int count) {
  FaultState& f = faults();
  if (f.plan.failWrite != 0 && ++f.writes == f.plan.failWrite) {
    errno = EIO;
    return -1;
  }
  if (f.plan.spaceLeft >= 0) {
    long long room = f.plan.spaceLeft - f.written;
    if (room <= 0) {
      errno = ENOSPC;
      return -1;
    }
    int fit = 0;
    for (; fit < count && room > 0; ++fit) {
      pieces[fit].iov_len = std::min<std::size_t>(pieces[fit].iov_len, room);
      room -= static_cast<long long>(pieces[fit].iov_len);
    }
    count = fit;
  }
  const ssize_t n = ::writev(fd, pieces, count);
  if (n > 0) f.written += n;
  return n;
}

// Writes every piece, as many at a time as the system takes; empty text or why it failed.
std::string writePieces(int fd, const std::vector<std::string_view>& pieces) {
  std::size_t next = 0;  // first piece not wholly written
  std::size_t done = 0;  // bytes of it already written
  std::vector<iovec> batch;
  while (next < pieces.size()) {
    batch.clear();
    for (std::size_t k = next; k < pieces.size() && batch.size() < IOV_MAX; ++k) {
      const std::string_view piece = pieces[k].substr(k == next ? done : 0);
      if (!piece.empty()) batch.push_back({const_cast<char*>(piece.data()), piece.size()});
    }
    if (batch.empty()) break;
    const ssize_t n = plannedWrite(fd, batch.data(), static_cast<int>(batch.size()));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return errnoText("cannot write");
    // Step over what was written, whole pieces first.
    auto left = static_cast<std::size_t>(n);
    while (next < pieces.size() && left >= pieces[next].size() - done) {
      left -= pieces[next].size() - done;
      done = 0;
      ++next;
    }
    done += left;
  }
  return {};
}

const char* kindOf(mode_t mode) {
  if (S_ISDIR(mode)) return "a directory";
  if (S_ISFIFO(mode)) return "a FIFO (named pipe)";
  if (S_ISSOCK(mode)) return "a socket";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "a device";
  return "not a regular file";
}

// Asks the system to back the (not yet touched) memory with large pages where
// it can, and to fault it all in with one call. Only advice.
void preferLargePages(void* memory, std::size_t size) {
  constexpr std::uintptr_t kPage = 4096;
  constexpr std::uintptr_t kLarge = std::uintptr_t{1} << 21;
  if (size < 16 * kPage) return;
  const auto start = reinterpret_cast<std::uintptr_t>(memory);
  const std::uintptr_t first = (start + kLarge - 1) & ~(kLarge - 1);
  const std::uintptr_t end = (start + size) & ~(kLarge - 1);
  if (end > first) ::madvise(reinterpret_cast<void*>(first), end - first, MADV_HUGEPAGE);
  // One call faults in every page; page by page costs a trap each, which in a
  // virtual machine is most of a load.
  const std::uintptr_t pagesFrom = (start + kPage - 1) & ~(kPage - 1);
  const std::uintptr_t pagesTo = (start + size) & ~(kPage - 1);
  if (pagesTo > pagesFrom)
    ::madvise(reinterpret_cast<void*>(pagesFrom), pagesTo - pagesFrom, kPopulateWrite);
}

}  // namespace

void* allocateLargeBlock(std::size_t bytes) {
  constexpr std::size_t kLarge = std::size_t{1} << 21;
  if (bytes < kLarge) {
    void* block = std::malloc(bytes == 0 ? 1 : bytes);
    if (block == nullptr) throw std::bad_alloc();
    preferLargePages(block, bytes);
    return block;
  }
  // Starting on a large-page boundary, all but the last part-page can be large.
  void* block = std::aligned_alloc(kLarge, (bytes + kLarge - 1) & ~(kLarge - 1));
  if (block == nullptr) throw std::bad_alloc();
  preferLargePages(block, bytes);
  return block;
}

void releaseLargeBlock(void* block) noexcept {
  std::free(block);
}

void setWriteFaults(const WriteFaults& plan) {
  faults() = FaultState{plan, 0, 0, 0};
}

std::string notARegularFile(const std::filesystem::path& path, bool missingIsFine) {
  struct stat link {};
  if (::lstat(path.c_str(), &link) != 0) {
    return errno == ENOENT && missingIsFine ? std::string() : errnoText("cannot be opened");
  }
  struct stat target {};
  if (::stat(path.c_str(), &target) != 0) {
    std::error_code ec;
    const auto points = std::filesystem::read_symlink(path, ec);
    return "it is a symbolic link to " + points.string() + ", which cannot be reached (" +
           std::strerror(errno) + ")";
  }
  if (S_ISREG(target.st_mode)) return {};
  return std::string("it is ") + kindOf(target.st_mode) + ", not a regular file";
}

std::string notOwnFile(const std::filesystem::path& path) {
  struct stat st {};
  if (::lstat(path.c_str(), &st) != 0)
    return errno == ENOENT ? std::string() : errnoText("cannot be examined");
  if (S_ISLNK(st.st_mode)) return "it is a symbolic link";
  if (!S_ISREG(st.st_mode))
    return std::string("it is ") + kindOf(st.st_mode) + ", not a regular file";
  if (st.st_nlink > 1)
    return "it is a hard link: the same file has " + std::to_string(st.st_nlink) + " names";
  return {};
}

FileRead<FileBytes> readFileBytes(const std::filesystem::path& path, std::uintmax_t maxBytes,
                                  std::string_view kind) {
  FileRead<FileBytes> result;
  result.error = notARegularFile(path, false);
  if (!result.error.empty()) return result;
  // O_NONBLOCK: whatever replaced the file since the check, the open never waits.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    result.error = std::strerror(errno);
    return result;
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    result.error = std::string("it is ") + kindOf(st.st_mode) + ", not a regular file";
    ::close(fd);
    return result;
  }
  if (static_cast<std::uintmax_t>(st.st_size) > maxBytes) {
    result.error = "it is " + std::to_string(st.st_size) + " bytes, larger than " +
                   std::string(kind) + " can be (" + std::to_string(maxBytes >> 20) + " MB)";
    ::close(fd);
    return result;
  }
  // Read straight into the buffer, in the size the file has now; a file that
  // grows meanwhile is read on to its end.
  FileBytes& bytes = result.bytes;
  bytes.reserve(static_cast<std::size_t>(st.st_size) + 1);
  bytes.resize(static_cast<std::size_t>(st.st_size) + 1);
  std::size_t filled = 0;
  for (;;) {
    if (filled == bytes.size()) bytes.resize(bytes.size() * 2);
    const ssize_t n = ::read(fd, bytes.data() + filled, bytes.size() - filled);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      result.error = "the file could not be read to its end: " + std::string(std::strerror(errno));
      bytes.clear();
      ::close(fd);
      return result;
    }
    if (n == 0) break;
    filled += static_cast<std::size_t>(n);
  }
  ::close(fd);
  bytes.resize(filled);
  result.ok = true;
  return result;
}

ReadResult readWholeFile(const std::filesystem::path& path, std::uintmax_t maxBytes,
                         std::string_view kind) {
  FileRead<FileBytes> read = readFileBytes(path, maxBytes, kind);
  return ReadResult{read.ok, std::string(read.bytes.begin(), read.bytes.end()),
                    std::move(read.error)};
}

bool isSameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
  struct stat sa {
  }, sb{};
  if (::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0) {
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
  }
  std::error_code ea, eb;
  const auto ra = std::filesystem::weakly_canonical(std::filesystem::absolute(a, ea), ea);
  const auto rb = std::filesystem::weakly_canonical(std::filesystem::absolute(b, eb), eb);
  return !ea && !eb && ra == rb;
}

std::filesystem::path saveTarget(const std::filesystem::path& path) {
  std::error_code ec;
  if (!std::filesystem::is_symlink(path, ec)) return path;
  const auto resolved = std::filesystem::canonical(path, ec);
  return ec ? path : resolved;
}

void FileImage::append(std::string_view text) {
  if (text.empty()) return;
  std::string* chunk = chunks_.empty() ? nullptr : chunks_.back().get();
  if (chunk == nullptr || chunk->capacity() - chunk->size() < text.size()) {
    chunks_.push_back(std::make_unique<std::string>());
    chunk = chunks_.back().get();
    chunk->reserve(std::max(kChunk, text.size()));
    lastIsOwn_ = false;
  }
  const std::size_t at = chunk->size();
  chunk->append(text);  // within the capacity: earlier pieces stay valid
  if (lastIsOwn_) {
    pieces_.back() = std::string_view(pieces_.back().data(), pieces_.back().size() + text.size());
  } else {
    pieces_.emplace_back(chunk->data() + at, text.size());
    lastIsOwn_ = true;
  }
}

void FileImage::appendView(std::string_view text) {
  if (text.empty()) return;
  if (!lastIsOwn_ && !pieces_.empty() &&
      pieces_.back().data() + pieces_.back().size() == text.data()) {
    pieces_.back() = std::string_view(pieces_.back().data(), pieces_.back().size() + text.size());
    return;
  }
  pieces_.push_back(text);
  lastIsOwn_ = false;
}

std::string FileImage::joined() const {
  std::size_t size = 0;
  for (const auto piece : pieces_) size += piece.size();
  std::string text;
  text.reserve(size);
  for (const auto piece : pieces_) text += piece;
  return text;
}

std::filesystem::path writeTemporaryCopy(const std::filesystem::path& target,
                                         std::string_view bytes, std::string& error) {
  FileImage image;
  image.appendView(bytes);
  return writeTemporaryCopy(target, image, error);
}

std::filesystem::path writeTemporaryCopy(const std::filesystem::path& target,
                                         const FileImage& image, std::string& error) {
  namespace fs = std::filesystem;
  const fs::path dir = target.has_parent_path() ? target.parent_path() : fs::path(".");
  std::random_device seed;
  fs::path temp;
  int fd = -1;
  for (int attempt = 0; fd < 0 && attempt < 10; ++attempt) {
    temp = dir / (target.filename().string() + ".saving-" + std::to_string(seed() % 1000000));
    fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) break;
  }
  if (fd < 0) {
    error = errnoText("cannot create a file in its directory");
    return {};
  }
  struct stat old {};
  if (::stat(target.c_str(), &old) == 0) {
    // The new file is what the user set up: same permissions, same owner.
    if (::geteuid() == 0 && ::fchown(fd, old.st_uid, old.st_gid) != 0) {
      error = errnoText("cannot keep the file's owner");
    }
    if (error.empty() && ::fchmod(fd, old.st_mode & 07777) != 0) {
      error = errnoText("cannot keep the file's permissions");
    }
  }
  if (error.empty()) error = writePieces(fd, image.pieces());
  if (error.empty() && ::fsync(fd) != 0) error = errnoText("cannot flush to disk");
  if (::close(fd) != 0 && error.empty()) error = errnoText("cannot close");
  if (!error.empty()) {
    ::unlink(temp.c_str());
    return {};
  }
  return temp;
}

std::string replaceFile(const std::filesystem::path& from, const std::filesystem::path& to) {
  FaultState& f = faults();
  ++f.renames;
  if (f.plan.failRename != 0 && f.renames >= f.plan.failRename &&
      f.renames < f.plan.failRename + f.plan.renameFailures) {
    errno = EIO;
    return errnoText("cannot replace the old file");
  }
  if (std::rename(from.c_str(), to.c_str()) != 0) return errnoText("cannot replace the old file");
  return {};
}

void flushDirectory(const std::filesystem::path& directory) {
  const int fd =
      ::open(directory.empty() ? "." : directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);  // best effort: some file systems refuse fsync on a directory
  ::close(fd);
}

bool isTemporaryOf(std::string_view fileName, std::string_view base) {
  constexpr std::string_view kMark = ".saving-";
  if (fileName.size() <= base.size() + kMark.size()) return false;
  if (fileName.substr(0, base.size()) != base) return false;
  if (fileName.substr(base.size(), kMark.size()) != kMark) return false;
  for (char c : fileName.substr(base.size() + kMark.size())) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

std::string writeFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) return "a directory of that name is in the way";
  // A device or FIFO is never replaced by a regular file (as root, a file named
  // /dev/null would otherwise stop being the device).
  if (std::string why = notARegularFile(path, true); !why.empty()) return why;
  const auto target = saveTarget(path);
  std::string error;
  const auto temp = writeTemporaryCopy(target, bytes, error);
  if (!error.empty()) return error;
  error = replaceFile(temp, target);
  if (!error.empty()) {
    ::unlink(temp.c_str());
    return error;
  }
  flushDirectory(target.parent_path());
  return {};
}

std::vector<std::string_view> splitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  forEachLine(text, [&lines](std::string_view line) {
    lines.push_back(line);
    return true;
  });
  return lines;
}

}  // namespace survey
