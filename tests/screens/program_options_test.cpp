#include "shell/program_options.h"

#include <gtest/gtest.h>

namespace survey {
namespace {

struct OptionsCase {
  const char* name;
  std::vector<std::string> args;
  bool stopAtOperand;
  std::optional<std::string> store;
  bool version;
  bool help;
  std::vector<std::string> rest;
  std::string error;  // part of it; empty: none
};

class ProgramOptionsTest : public ::testing::TestWithParam<OptionsCase> {};

TEST_P(ProgramOptionsTest, ReadsOptions) {
  const OptionsCase& c = GetParam();
  const ProgramOptions options = parseProgramOptions(c.args, c.stopAtOperand);
  if (!c.error.empty()) {
    EXPECT_NE(options.error.find(c.error), std::string::npos) << options.error;
    return;
  }
  EXPECT_EQ(options.error, "");
  EXPECT_EQ(options.store, c.store);
  EXPECT_EQ(options.showVersion, c.version);
  EXPECT_EQ(options.showHelp, c.help);
  EXPECT_EQ(options.rest, c.rest);
}

using V = std::vector<std::string>;
INSTANTIATE_TEST_SUITE_P(
    Cases, ProgramOptionsTest,
    ::testing::Values(
        OptionsCase{"Nothing", {}, false, {}, false, false, {}, ""},
        OptionsCase{"StoreSeparate", {"--store", "/d"}, false, "/d", false, false, {}, ""},
        OptionsCase{"StoreJoined", {"--store=/d"}, false, "/d", false, false, {}, ""},
        OptionsCase{"QtOptionsPassThrough",
                    {"-platform", "xcb", "--store", "/d"},
                    false,
                    "/d",
                    false,
                    false,
                    V{"-platform", "xcb"},
                    ""},
        OptionsCase{"CommandEndsOptions",
                    {"--store", "/d", "list", "--store", "x"},
                    true,
                    "/d",
                    false,
                    false,
                    V{"list", "--store", "x"},
                    ""},
        OptionsCase{"DoubleDashEndsOptions",
                    {"--", "--version"},
                    false,
                    {},
                    false,
                    false,
                    V{"--version"},
                    ""},
        OptionsCase{"VersionAndHelp", {"--version", "-h"}, true, {}, true, true, {}, ""},
        OptionsCase{"SameStoreTwiceIsFine",
                    {"--store=/d", "--store", "/d"},
                    false,
                    "/d",
                    false,
                    false,
                    {},
                    ""},
        OptionsCase{
            "StoreWithoutFolder", {"--store"}, false, {}, false, false, {}, "needs a folder"},
        OptionsCase{"EmptyStore", {"--store="}, false, {}, false, false, {}, "needs a folder"},
        OptionsCase{"TwoDifferentStores",
                    {"--store=/a", "--store=/b"},
                    false,
                    {},
                    false,
                    false,
                    {},
                    "twice"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace survey
