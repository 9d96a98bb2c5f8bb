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
#include "support/survey_rows.h"

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
  // Runs the group's cases of the reviewed table of survey-tool's answers, D standing for
  // the folder, and compares the status and what is told.
  void expectAnswers(const std::string& group) const {
    int run = 0;
    for (auto c : caseTable("cli/tool_answers.cases", 5)) {
      if (c[0] != group) continue;
      ++run;
      for (std::size_t at = 0; (at = c[1].find('D', at)) < c[1].size(); ++at) {
        const char after = at + 1 < c[1].size() ? c[1][at + 1] : ' ';
        if ((at == 0 || c[1][at - 1] == ' ') && (after == ' ' || after == '/')) {
          c[1].replace(at, 1, quoted(dir()));
        }
      }
      const ToolRun answer = tool(c[1]);
      EXPECT_EQ(answer.status, std::stoi(c[2])) << c[1] << ": " << answer.err;
      const std::string& told = c[3] == "out has" ? answer.out : answer.err;
      EXPECT_TRUE(c[3] == "err is" || c[3] == "err has" || c[3] == "out has") << c[3];
      if (c[3] == "err is") {
        EXPECT_EQ(answer.err, c[4].empty() ? "" : c[4] + "\n") << c[1];
      } else {
        EXPECT_NE(told.find(c[4]), std::string::npos) << c[1] << ": " << told;
      }
      if (c[3] != "out has") {
        EXPECT_EQ(answer.out, "") << c[1];
      }
    }
    EXPECT_GT(run, 0) << group;
  }
  const std::filesystem::path& dir() const { return dir_.path(); }

 private:
  TempDir dir_;
};

}  // namespace survey::testing
