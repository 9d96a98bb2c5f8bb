#include "shell/program_options.h"

#include <gtest/gtest.h>

#include <sstream>

namespace survey {
namespace {

// Words of a command line, split at single spaces; "" is no word at all.
std::vector<std::string> words(const std::string& line) {
  std::vector<std::string> result;
  std::istringstream in(line);
  for (std::string word; std::getline(in, word, ' ');) result.push_back(word);
  return result;
}

struct OptionsCase {
  const char* name;
  const char* args;
  bool stopAtOperand;
  const char* store;  // nullptr: none given
  bool version;
  bool help;
  const char* rest;
  const char* error;  // part of it; empty: none
};

class ProgramOptionsTest : public ::testing::TestWithParam<OptionsCase> {};

TEST_P(ProgramOptionsTest, ReadsOptions) {
  const OptionsCase& c = GetParam();
  const ProgramOptions options = parseProgramOptions(words(c.args), c.stopAtOperand);
  if (*c.error) {
    EXPECT_NE(options.error.find(c.error), std::string::npos) << options.error;
    return;
  }
  EXPECT_EQ(options.error, "");
  EXPECT_EQ(options.store, c.store ? std::optional<std::string>(c.store) : std::nullopt);
  EXPECT_EQ(options.showVersion, c.version);
  EXPECT_EQ(options.showHelp, c.help);
  EXPECT_EQ(options.rest, words(c.rest));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProgramOptionsTest,
    ::testing::Values(
        OptionsCase{"Nothing", "", false, nullptr, false, false, "", ""},
        OptionsCase{"StoreSeparate", "--store /d", false, "/d", false, false, "", ""},
        OptionsCase{"StoreJoined", "--store=/d", false, "/d", false, false, "", ""},
        OptionsCase{"QtOptionsPassThrough", "-platform xcb --store /d", false, "/d", false, false,
                    "-platform xcb", ""},
        OptionsCase{"CommandEndsOptions", "--store /d list --store x", true, "/d", false, false,
                    "list --store x", ""},
        OptionsCase{"DoubleDashEndsOptions", "-- --version", false, nullptr, false, false,
                    "--version", ""},
        OptionsCase{"VersionAndHelp", "--version -h", true, nullptr, true, true, "", ""},
        OptionsCase{"SameStoreTwiceIsFine", "--store=/d --store /d", false, "/d", false, false, "",
                    ""},
        OptionsCase{"StoreWithoutFolder", "--store", false, nullptr, false, false, "",
                    "needs a folder"},
        OptionsCase{"EmptyStore", "--store=", false, nullptr, false, false, "", "needs a folder"},
        OptionsCase{"TwoDifferentStores", "--store=/a --store=/b", false, nullptr, false, false, "",
                    "twice"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace survey
