// survey-tool check and import read an exchange file line by line: a file of
// a million empty lines must not cost memory line by line.
#include <algorithm>
#include <fstream>

#include "cli/tool_run.h"

namespace survey::testing {
namespace {

class ExchangeFileMemory : public ToolTest {};

TEST_F(ExchangeFileMemory, AMillionEmptyLinesAreCheckedAndImportedInLittleMemory) {
  namespace fs = std::filesystem;
  const std::string store = quoted(dir() / "store");
  fs::create_directories(dir() / "store");
  const std::string emptyLines(1000000, '\n');
  std::ofstream(dir() / "empty.uddf", std::ios::binary) << emptyLines;
  std::ofstream(dir() / "headed.uddf", std::ios::binary) << "|BIG| | |1.07|\n" + emptyLines;
  // Holding every line took over 250 MB here; one line at a time needs the
  // program and a buffer. The program alone (its libraries, and the address
  // sanitizer's shadow in that build) is measured on a file of one line.
  std::ofstream(dir() / "tiny.uddf", std::ios::binary) << "\n";
  const long programAlone = tool("check " + quoted(dir() / "tiny.uddf")).peakKilobytes;
  const long kBoundKilobytes = std::max(64L * 1024, programAlone + 32L * 1024);

  const ToolRun check = tool("check " + quoted(dir() / "empty.uddf"));
  EXPECT_EQ(check.status, 1);
  EXPECT_LT(check.peakKilobytes, kBoundKilobytes);
  EXPECT_NE(check.out.find("more problems not listed (only the first 1000 are listed)\n"),
            std::string::npos);
  // 1000 problem lines and the count of the rest.
  EXPECT_EQ(std::count(check.out.begin(), check.out.end(), '\n'), 1001);

  const ToolRun refused = tool("import " + store + " " + quoted(dir() / "empty.uddf"));
  EXPECT_EQ(refused.status, 2);
  EXPECT_EQ(refused.err, "Sorry, the file must be UDDF Version 1.07\n");
  EXPECT_LT(refused.peakKilobytes, kBoundKilobytes);

  const ToolRun imported = tool("import " + store + " " + quoted(dir() / "headed.uddf"));
  EXPECT_EQ(imported.status, 0) << imported.err;
  EXPECT_LT(imported.peakKilobytes, kBoundKilobytes);

  // One line of 3 MB: no line end to stop at, so the reading stops itself.
  std::ofstream(dir() / "one-line.uddf", std::ios::binary) << std::string(3 << 20, 'x');
  const ToolRun longLine = tool("check " + quoted(dir() / "one-line.uddf"));
  EXPECT_EQ(longLine.status, 2);
  EXPECT_EQ(longLine.out, "");
  EXPECT_NE(
      longLine.err.find(": line 1 is longer than 1048576 bytes, far too long for a UDDF file"),
      std::string::npos)
      << longLine.err;
  EXPECT_LT(longLine.peakKilobytes, kBoundKilobytes);
}

}  // namespace
}  // namespace survey::testing
