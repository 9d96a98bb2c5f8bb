// survey-tool run as a separate program from a scratch folder of the test's own.
#pragma once

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "store/file_io.h"
#include "support/fakes.h"

namespace survey::testing {

struct ToolRun {
  int status = -1;
  std::string out, err;
  long peakKilobytes = 0;  // of the shell and the tool it runs
};

class ToolTest : public ::testing::Test {
 protected:
  // `args` is shell text: quote paths with quoted().
  ToolRun tool(const std::string& args) const {
    const auto out = dir() / "out.txt", err = dir() / "err.txt";
    const std::string command =
        quoted(SURVEY_TOOL) + " " + args + " >" + quoted(out) + " 2>" + quoted(err);
    const pid_t pid = ::fork();
    if (pid == 0) {
      ::execl("/bin/sh", "sh", "-c", command.c_str(), nullptr);
      ::_exit(127);
    }
    int raw = 0;
    rusage usage{};
    if (pid < 0 || ::wait4(pid, &raw, 0, &usage) != pid) return {};
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readWholeFile(out).bytes,
            readWholeFile(err).bytes, usage.ru_maxrss};
  }
  static std::string quoted(const std::filesystem::path& path) { return "'" + path.string() + "'"; }
  const std::filesystem::path& dir() const { return dir_.path(); }

 private:
  TempDir dir_;
};

}  // namespace survey::testing
