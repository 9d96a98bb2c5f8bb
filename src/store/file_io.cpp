#include "store/file_io.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <random>
#include <system_error>

namespace survey {

ReadResult readWholeFile(const std::filesystem::path& path) {
  ReadResult result;
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) {
    result.error = "it is a directory, not a file";
    return result;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    result.error = std::strerror(errno);
    return result;
  }
  in.seekg(0, std::ios::end);
  const auto size = in.tellg();
  in.seekg(0, std::ios::beg);
  if (size > 0) {
    result.bytes.resize(static_cast<std::size_t>(size));
    in.read(result.bytes.data(), size);
  }
  if (in.bad()) {
    result.error = "the file could not be read to its end";
    return result;
  }
  result.ok = true;
  return result;
}

namespace {
std::string errnoText(const char* what) {
  return std::string(what) + ": " + std::strerror(errno);
}
}  // namespace

std::string writeFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
  namespace fs = std::filesystem;
  std::error_code ec;
  if (fs::is_directory(path, ec)) return "a directory of that name is in the way";
  const fs::path dir = path.has_parent_path() ? path.parent_path() : fs::path(".");
  std::random_device seed;
  const fs::path temp =
      dir / (path.filename().string() + ".saving-" + std::to_string(seed() % 1000000));

  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  if (fd < 0) return errnoText("cannot create a file in its directory");
  std::string error;
  std::size_t written = 0;
  while (written < bytes.size() && error.empty()) {
    const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0)
      error = errnoText("cannot write");
    else
      written += static_cast<std::size_t>(n);
  }
  if (error.empty() && ::fsync(fd) != 0) error = errnoText("cannot flush to disk");
  if (::close(fd) != 0 && error.empty()) error = errnoText("cannot close");
  if (error.empty() && std::rename(temp.c_str(), path.c_str()) != 0) {
    error = errnoText("cannot replace the old file");
  }
  if (!error.empty()) ::unlink(temp.c_str());
  return error;
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
