// Whole-file reading and safe writing shared by the store and the exchange files.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace survey {

// Backs large blocks with large pages, faulted in at once (see
// preferLargePages), and leaves new elements uninitialised, so that a buffer
// about to be filled by read() is not first cleared. Page by page, faulting in
// and clearing a whole store's text cost more than reading it.
void* allocateLargeBlock(std::size_t bytes);
void releaseLargeBlock(void* block) noexcept;

template <typename T>
struct UninitializedAllocator {
  using value_type = T;
  UninitializedAllocator() = default;
  template <typename U>
  UninitializedAllocator(const UninitializedAllocator<U>&) noexcept {}
  T* allocate(std::size_t n) { return static_cast<T*>(allocateLargeBlock(n * sizeof(T))); }
  void deallocate(T* p, std::size_t) noexcept { releaseLargeBlock(p); }
  template <typename U>
  void construct(U* p) noexcept {
    ::new (static_cast<void*>(p)) U;
  }
  template <typename U, typename... Args>
  void construct(U* p, Args&&... args) {
    ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
  }
  template <typename U>
  bool operator==(const UninitializedAllocator<U>&) const noexcept {
    return true;
  }
};
using FileBytes = std::vector<char, UninitializedAllocator<char>>;

template <typename Bytes>
struct FileRead {
  bool ok = false;
  Bytes bytes;
  std::string error;  // why the file could not be read
};
using ReadResult = FileRead<std::string>;
// Larger than any store file can be (the full-capacity store is 16 MB in all):
// such a file is refused before it is read, not read until memory runs out.
inline constexpr std::uintmax_t kLargestStoreFileBytes = std::uintmax_t{256} << 20;
// Reads a regular file (or what a symbolic link points to). Never blocks: a
// FIFO, device, socket or directory is refused with the reason, and so is a
// file larger than maxBytes, before anything is read ("larger than <kind> can be").
FileRead<FileBytes> readFileBytes(const std::filesystem::path& path,
                                  std::uintmax_t maxBytes = kLargestStoreFileBytes,
                                  std::string_view kind = "a store file");
// The same, as a string (for the small files: journal, lock, lists).
ReadResult readWholeFile(const std::filesystem::path& path,
                         std::uintmax_t maxBytes = kLargestStoreFileBytes,
                         std::string_view kind = "a store file");
// True when a and b are one file: the same device and inode when both exist,
// else the same resolved path (another name, "./", a link all count as one).
bool isSameFile(const std::filesystem::path& a, const std::filesystem::path& b);

// Why the path cannot serve as a data file: empty when it is a regular file,
// a link to one, or absent (absent only when missingIsFine).
std::string notARegularFile(const std::filesystem::path& path, bool missingIsFine);

// Why a file the program keeps beside the store for itself (journal, lock,
// commit record, temporaries) must not be written, truncated or removed by
// its name: empty when it is absent, or a regular file that is neither a
// symbolic link nor one of several names of a file (a hard link). Anyone who
// may write into a shared store folder could otherwise make those names point
// at another file of the user's.
std::string notOwnFile(const std::filesystem::path& path);

// Where a save to path really lands: the file a symbolic link points to, else path.
std::filesystem::path saveTarget(const std::filesystem::path& path);

// A file's bytes as a sequence of pieces, written in order without being
// joined first: views of texts that outlive the image (a table's loaded text)
// and text composed into the image's own storage, which never moves.
class FileImage {
 public:
  // Copies the text into the image.
  void append(std::string_view text);
  // Refers to the text, which must stay unchanged until the image is written.
  void appendView(std::string_view text);
  const std::vector<std::string_view>& pieces() const { return pieces_; }
  std::string joined() const;

 private:
  static constexpr std::size_t kChunk = 1 << 16;
  std::vector<std::string_view> pieces_;
  std::vector<std::unique_ptr<std::string>> chunks_;  // each filled within its capacity
  bool lastIsOwn_ = false;
};

// Writes the image to a new temporary file "<target name>.saving-NNNNNN"
// beside target, with target's mode (and owner, when run as root), flushed to
// disk. Returns the temporary file's path, or sets error and leaves nothing behind.
std::filesystem::path writeTemporaryCopy(const std::filesystem::path& target,
                                         const FileImage& image, std::string& error);
std::filesystem::path writeTemporaryCopy(const std::filesystem::path& target,
                                         std::string_view bytes, std::string& error);
// Renames from over to; empty text on success, else why it failed.
std::string replaceFile(const std::filesystem::path& from, const std::filesystem::path& to);
// Flushes a directory's entries (renames, removals) to disk.
void flushDirectory(const std::filesystem::path& directory);
// True for names "<base>.saving-<digits>": temporary files of this program's saves.
bool isTemporaryOf(std::string_view fileName, std::string_view base);

// Writes to a temporary file beside the target, then renames it over the
// target, so the target is either old or complete. Follows a symbolic link and
// keeps the mode of the file replaced; refuses a target that is there but is
// not a regular file. Empty text on success, else why it failed.
std::string writeFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// Injected failures of the writer, so tests can show what a full disk or a
// failing rename does. Counts are 1-based over the calls since the last set; 0 = never.
struct WriteFaults {
  int failWrite = 0;         // this write fails with an I/O error
  int failRename = 0;        // this rename fails
  long long spaceLeft = -1;  // bytes that fit before "No space left"; -1 = unlimited
  int renameFailures = 1;    // how many renames fail from failRename on (a file made immutable)
};
void setWriteFaults(const WriteFaults& faults);

// Calls visit(line) for each line, ending at CR LF, lone CR or lone LF (the
// terminators are not kept), until visit returns false. A final line without
// terminator counts; a file ending in a terminator has no extra empty line.
template <class Visitor>
void forEachLine(std::string_view text, Visitor&& visit) {
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '\r' && c != '\n') continue;
    if (!visit(text.substr(start, i - start))) return;
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) visit(text.substr(start));
}

// The lines of forEachLine, all at once.
std::vector<std::string_view> splitLines(std::string_view text);

}  // namespace survey
