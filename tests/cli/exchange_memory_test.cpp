// survey-tool check and import read an exchange file line by line: a file of
// a million empty lines must not cost memory line by line.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "store/file_io.h"
#include "support/fakes.h"

namespace survey {
namespace {

namespace fs = std::filesystem;

struct MeasuredRun {
  int status = -1;
  long peakKilobytes = 0;
  std::string out;
  std::string err;
};

// Runs survey-tool with the arguments and measures the child's peak memory.
MeasuredRun runMeasured(std::vector<std::string> args, const fs::path& dir) {
  args.insert(args.begin(), SURVEY_TOOL);
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  const fs::path out = dir / "out.txt", err = dir / "err.txt";
  const pid_t pid = fork();
  if (pid == 0) {
    const int outFd = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int errFd = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    dup2(outFd, 1);
    dup2(errFd, 2);
    execv(SURVEY_TOOL, argv.data());
    _exit(127);
  }
  MeasuredRun run;
  int raw = 0;
  rusage usage{};
  if (pid < 0 || wait4(pid, &raw, 0, &usage) != pid) return run;
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  run.peakKilobytes = usage.ru_maxrss;
  run.out = readWholeFile(out).bytes;
  run.err = readWholeFile(err).bytes;
  return run;
}

TEST(ExchangeFileMemory, AMillionEmptyLinesAreCheckedAndImportedInLittleMemory) {
  const survey::testing::TempDir scratch;
  const fs::path& dir = scratch.path();
  fs::create_directories(dir / "store");
  const std::string emptyLines(1000000, '\n');
  std::ofstream(dir / "empty.uddf", std::ios::binary) << emptyLines;
  std::ofstream(dir / "headed.uddf", std::ios::binary) << "|BIG| | |1.07|\n" + emptyLines;
  // Holding every line took over 250 MB here; one line at a time needs the
  // program and a buffer. The program alone (its libraries, and the address
  // sanitizer's shadow in that build) is measured on a file of one line.
  std::ofstream(dir / "tiny.uddf", std::ios::binary) << "\n";
  const long programAlone = runMeasured({"check", dir / "tiny.uddf"}, dir).peakKilobytes;
  const long kBoundKilobytes = std::max(64L * 1024, programAlone + 32L * 1024);

  const MeasuredRun check = runMeasured({"check", dir / "empty.uddf"}, dir);
  EXPECT_EQ(check.status, 1);
  EXPECT_LT(check.peakKilobytes, kBoundKilobytes);
  EXPECT_NE(check.out.find("more problems not listed (only the first 1000 are listed)\n"),
            std::string::npos);
  // 1000 problem lines and the count of the rest.
  EXPECT_EQ(std::count(check.out.begin(), check.out.end(), '\n'), 1001);

  const MeasuredRun refused = runMeasured({"import", dir / "store", dir / "empty.uddf"}, dir);
  EXPECT_EQ(refused.status, 2);
  EXPECT_EQ(refused.err, "Sorry, the file must be UDDF Version 1.07\n");
  EXPECT_LT(refused.peakKilobytes, kBoundKilobytes);

  const MeasuredRun imported = runMeasured({"import", dir / "store", dir / "headed.uddf"}, dir);
  EXPECT_EQ(imported.status, 0) << imported.err;
  EXPECT_LT(imported.peakKilobytes, kBoundKilobytes);

  // One line of 3 MB: no line end to stop at, so the reading stops itself.
  std::ofstream(dir / "one-line.uddf", std::ios::binary) << std::string(3 << 20, 'x');
  const MeasuredRun longLine = runMeasured({"check", dir / "one-line.uddf"}, dir);
  EXPECT_EQ(longLine.status, 2);
  EXPECT_EQ(longLine.out, "");
  EXPECT_NE(
      longLine.err.find(": line 1 is longer than 1048576 bytes, far too long for a UDDF file"),
      std::string::npos)
      << longLine.err;
  EXPECT_LT(longLine.peakKilobytes, kBoundKilobytes);
}

}  // namespace
}  // namespace survey
