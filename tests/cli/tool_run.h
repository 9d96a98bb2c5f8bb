// survey-tool run as a separate program from a scratch folder of the test's own.
#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "store/file_io.h"
#include "support/fakes.h"

namespace survey::testing {

struct ToolRun {
  int status = -1;
  std::string out, err;
};

class ToolTest : public ::testing::Test {
 protected:
  // `args` is shell text: quote paths with quoted().
  ToolRun tool(const std::string& args) const {
    const auto out = dir() / "out.txt", err = dir() / "err.txt";
    const std::string command =
        quoted(SURVEY_TOOL) + " " + args + " >" + quoted(out) + " 2>" + quoted(err);
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readWholeFile(out).bytes,
            readWholeFile(err).bytes};
  }
  static std::string quoted(const std::filesystem::path& path) { return "'" + path.string() + "'"; }
  const std::filesystem::path& dir() const { return dir_.path(); }

 private:
  TempDir dir_;
};

}  // namespace survey::testing
