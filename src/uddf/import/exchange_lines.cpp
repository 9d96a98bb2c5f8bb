#include "uddf/import/exchange_lines.h"

#include <cerrno>
#include <cstdint>
#include <cstring>

#include "store/text_encoding.h"

namespace survey::uddf {

bool isValidUtf8Line(std::string_view line) {
  return isValidUtf8(line);
}

std::string windows1252Line(std::string_view line) {
  return windows1252ToUtf8(line);
}

namespace {
// The first CR or LF at or after `from`, else `end`. Lines are mostly plain
// text, so eight bytes are looked at together until one may be below 14.
std::size_t lineEndFrom(const char* data, std::size_t from, std::size_t end) {
  constexpr uint64_t kOnes = 0x0101010101010101ULL;
  std::size_t i = from;
  for (uint64_t word = 0; i + sizeof word <= end; i += sizeof word) {
    std::memcpy(&word, data + i, sizeof word);
    if (((word - kOnes * 14) & ~word & (kOnes * 0x80)) != 0) break;
  }
  while (i < end && data[i] != '\r' && data[i] != '\n') ++i;
  return i;
}
}  // namespace

bool TextLines::next(std::string_view& line) {
  if (position_ >= text_.size()) return false;
  std::size_t end = lineEndFrom(text_.data(), position_, text_.size());
  if (end == text_.size()) end = std::string_view::npos;
  if (end == std::string_view::npos) {
    line = text_.substr(position_);
    position_ = text_.size();
    return true;
  }
  line = text_.substr(position_, end - position_);
  position_ = end + 1;
  if (text_[end] == '\r' && position_ < text_.size() && text_[position_] == '\n') ++position_;
  return true;
}

bool TextLines::rewind() {
  position_ = 0;
  return true;
}

FileLines::FileLines(const std::filesystem::path& path, std::size_t bufferSize,
                     std::size_t longestLine)
    : buffer_(bufferSize < 16 ? 16 : bufferSize), longestLine_(longestLine) {
  file_ = std::fopen(path.c_str(), "rb");
  if (file_ == nullptr) {
    error_ = std::strerror(errno);
    return;
  }
  if (std::fseek(file_, 0, SEEK_SET) != 0) {
    // A pipe: keep all of it, the only way to read it twice.
    seekable_ = false;
    while (fill()) {
    }
  }
}

FileLines::~FileLines() {
  if (file_ != nullptr) std::fclose(file_);
}

bool FileLines::fill() {
  if (atEnd_) return false;
  if (seekable_ && begin_ > 0) {
    // Keep only the line being read, at the front.
    std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
    end_ -= begin_;
    begin_ = 0;
  }
  if (seekable_ && end_ - begin_ > longestLine_) {
    atEnd_ = true;
    return lineTooLong();
  }
  if (end_ == buffer_.size()) buffer_.resize(buffer_.size() * 2);
  const std::size_t got = std::fread(buffer_.data() + end_, 1, buffer_.size() - end_, file_);
  end_ += got;
  if (got == 0) {
    atEnd_ = true;
    if (std::ferror(file_)) error_ = "the file could not be read to its end";
    return false;
  }
  return true;
}

bool FileLines::next(std::string_view& line) {
  if (file_ == nullptr || !error_.empty()) return false;
  std::size_t scan = begin_;
  for (;;) {
    if (afterCr_ && begin_ < end_) {
      afterCr_ = false;
      if (buffer_[begin_] == '\n') ++begin_;
      scan = begin_;
    }
    const char* data = buffer_.data();
    const std::size_t i = lineEndFrom(data, scan, end_);
    if (i < end_) {
      if (i - begin_ > longestLine_) break;
      line = std::string_view(data + begin_, i - begin_);
      begin_ = i + 1;
      ++linesRead_;
      if (data[i] == '\r') {
        if (begin_ < end_) {
          if (data[begin_] == '\n') ++begin_;
        } else {
          afterCr_ = true;
        }
      }
      return true;
    }
    const std::size_t kept = begin_;
    if (!fill()) {
      if (!error_.empty() || begin_ == end_) return false;
      if (end_ - begin_ > longestLine_) break;
      line = std::string_view(buffer_.data() + begin_, end_ - begin_);
      begin_ = end_;
      ++linesRead_;
      return true;
    }
    scan = i - (kept - begin_);  // resume where the search stopped
  }
  return lineTooLong();
}

bool FileLines::lineTooLong() {
  error_ = "line " + std::to_string(linesRead_ + 1) + " is longer than " +
           std::to_string(longestLine_) + " bytes, far too long for a UDDF file";
  return false;
}

bool FileLines::rewind() {
  if (file_ == nullptr) return false;
  afterCr_ = false;
  begin_ = 0;
  linesRead_ = 0;
  if (!seekable_) return error_.empty();
  if (std::fseek(file_, 0, SEEK_SET) != 0) {
    error_ = "the file could not be read a second time";
    return false;
  }
  std::clearerr(file_);
  end_ = 0;
  atEnd_ = false;
  return true;
}

}  // namespace survey::uddf
