// Reads an exchange file one line at a time, so that the memory a reader
// needs follows its longest line rather than the size of the file.
#pragma once

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace survey::uddf {

// Lines as they stand in the file, without their terminators (CR LF, lone CR
// or lone LF). A final line without terminator counts; a file ending in a
// terminator has no extra empty line.
class RawLines {
 public:
  virtual ~RawLines() = default;
  // The next line; false at the end of the file or when reading failed. The
  // view is valid until the next call.
  virtual bool next(std::string_view& line) = 0;
  // Back to the first line; false (with error() set) when that is impossible.
  virtual bool rewind() = 0;
  // Why reading stopped before the end; empty otherwise.
  virtual const std::string& error() const = 0;
};

// The lines of a text already in memory.
class TextLines final : public RawLines {
 public:
  explicit TextLines(std::string_view text) : text_(text) {}
  bool next(std::string_view& line) override;
  bool rewind() override;
  const std::string& error() const override { return error_; }

 private:
  std::string_view text_;
  std::size_t position_ = 0;
  std::string error_;
};

// The lines of a file, read through a buffer that grows only for a line
// longer than itself. A file that cannot seek (a pipe) is read whole at once
// so that it can still be read a second time.
class FileLines final : public RawLines {
 public:
  // Exchange lines are 200 characters: a line of a megabyte means the file is
  // something else, and reading stops there rather than hold all of it.
  static constexpr std::size_t kLongestLine = 1 << 20;

  explicit FileLines(const std::filesystem::path& path, std::size_t bufferSize = 1 << 16,
                     std::size_t longestLine = kLongestLine);
  ~FileLines() override;
  FileLines(const FileLines&) = delete;
  FileLines& operator=(const FileLines&) = delete;

  // False (with error() set) when the file could not be opened.
  bool opened() const { return file_ != nullptr; }
  bool next(std::string_view& line) override;
  bool rewind() override;
  const std::string& error() const override { return error_; }

 private:
  bool fill();         // reads more bytes after the kept ones; false at the end
  bool lineTooLong();  // sets the error; false

  std::FILE* file_ = nullptr;
  std::vector<char> buffer_;
  std::size_t begin_ = 0;  // first byte not yet handed out
  std::size_t end_ = 0;    // one past the last byte read
  std::size_t longestLine_;
  long long linesRead_ = 0;
  bool atEnd_ = false;
  bool seekable_ = true;
  bool afterCr_ = false;  // the last line ended in CR: an LF next belongs to it
  std::string error_;
};

// What a reader does after one line.
enum class LineVerdict {
  Continue,
  // Stop reading; the rest is still read to learn the file's encoding, since
  // the outcome may depend on it.
  Stop,
  // Stop reading now: the outcome holds whatever the encoding.
  Abandon,
};

enum class LinesEnd { Finished, Stopped, ReadFailed };

// Hands each line of an exchange file to `visit`, as UTF-8. Exchange files
// are Windows-1252 unless the whole file is valid UTF-8 (edited by hand, for
// instance): the first line that is not valid UTF-8 sends the reading back to
// the first line, converting this time; `restart` is called first so the
// reader forgets what it had read.
template <class Visit, class Restart>
LinesEnd forEachExchangeLine(RawLines& lines, Visit&& visit, Restart&& restart);

bool isValidUtf8Line(std::string_view line);
std::string windows1252Line(std::string_view line);

template <class Visit, class Restart>
LinesEnd forEachExchangeLine(RawLines& lines, Visit&& visit, Restart&& restart) {
  bool convert = false;
  std::string converted;
  for (;;) {
    bool stopped = false;
    bool readAgain = false;
    std::string_view raw;
    while (lines.next(raw)) {
      if (!convert && !isValidUtf8Line(raw)) {
        readAgain = true;
        break;
      }
      if (stopped) continue;
      std::string_view line = raw;
      if (convert) {
        converted = windows1252Line(raw);
        line = converted;
      }
      const LineVerdict verdict = visit(line);
      if (verdict == LineVerdict::Abandon) return LinesEnd::Stopped;
      if (verdict == LineVerdict::Stop) {
        stopped = true;
        if (convert) break;
      }
    }
    if (!lines.error().empty()) return LinesEnd::ReadFailed;
    if (!readAgain) return stopped ? LinesEnd::Stopped : LinesEnd::Finished;
    if (!lines.rewind()) return LinesEnd::ReadFailed;
    convert = true;
    restart();
  }
}

}  // namespace survey::uddf
