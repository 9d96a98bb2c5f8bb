// "Create UDDF" checks, the output file name, and writing the file.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "export_fixture.h"
#include "store/file_io.h"
#include "support/fakes.h"
#include "support/survey_rows.h"
#include "uddf/export/uddf_export.h"

namespace survey::uddf::testing {
namespace {

namespace fs = std::filesystem;

const Clock kClock = [] { return kExportMoment; };

class WriteUddfFile : public ::testing::Test {
 protected:
  const survey::testing::TempDir scratch_;
  const fs::path& dir = scratch_.path();
};

TEST(CreateUddf, ExtensionBySurveyType) {
  for (const auto& c : survey::testing::caseTable("export/uddf_extensions.cases", 2)) {
    SurveyStore store;
    addSurvey(store, "K", c[0], true, true);
    const CreateUddfCheck check = checkCreateUddf(store, "K", ".cmb");
    EXPECT_TRUE(check) << c[0];
    EXPECT_EQ(check.extension, c[1]) << c[0];
  }
}

TEST(CreateUddf, RefusesWithoutACertifiedSurvey) {
  SurveyStore store;
  addSurvey(store, "KNEW", "AOC", true, true);
  store.airports().setCell(1, 41, "NEW");
  addSurvey(store, "KCERT", "AOC", true, true);
  addSurvey(store, "KTWO", "AOC", true, true);
  addSurvey(store, "KTWO", "SPECIAL", true, true);
  store.airports().setCell(3, 41, "CERTIFIED2");

  EXPECT_EQ(checkCreateUddf(store, "", "").refusal, kSelectAirportMessage);
  EXPECT_EQ(checkCreateUddf(store, "KNEW", "").refusal, kCertifyFirstMessage);
  EXPECT_EQ(checkCreateUddf(store, "KNEW", "").extension, ".f77");
  EXPECT_EQ(checkCreateUddf(store, "KNONE", "").refusal,
            "No survey with the identifier \"KNONE\" is held.");
  EXPECT_TRUE(checkCreateUddf(store, "KCERT", ""));
  // every row with the identifier must be certified; the first refusal stops the check
  const CreateUddfCheck two = checkCreateUddf(store, "KTWO", "");
  EXPECT_EQ(two.refusal, kCertifyFirstMessage);
  EXPECT_EQ(two.extension, ".f77");

  // Writing the file keeps the same rule, whoever calls it.
  const survey::testing::TempDir scratch;
  for (const char* key : {"", "KNEW", "KNONE", "KTWO", "KCERT"}) {
    const fs::path file = scratch.path() / (std::string(key) + ".f77");
    const ExportResult result = writeUddfFile(store, key, file, kClock);
    const CreateUddfCheck check = checkCreateUddf(store, key, "");
    EXPECT_EQ(result.ok, bool(check)) << key;
    EXPECT_EQ(fs::exists(file), bool(check)) << key;
    EXPECT_EQ(result.message, check ? uddfSuccessMessage(file) : check.refusal) << key;
  }
}

TEST(CreateUddf, OutputPath) {
  for (const auto& c : survey::testing::caseTable("export/uddf_output_paths.cases", 3)) {
    EXPECT_EQ(uddfOutputPath(c[0], c[1], ".f77"), c[2]);
  }
  EXPECT_EQ(uddfSuccessMessage("/data/out/site1.f77"), "/data/out/site1.f77 Successfully created");
}

TEST_F(WriteUddfFile, WritesTheComposedFileOverAnOldOne) {
  SurveyStore store;
  addSurvey(store, "KSEA", "AOC", false, false, {{7, "47"}, {8, "26"}, {9, "59.4"}});
  const fs::path file = dir / "site1.f77";
  ASSERT_TRUE(writeFileAtomically(file, "old contents").empty());

  const ExportResult result = writeUddfFile(store, "KSEA", file, kClock);
  ASSERT_TRUE(result.ok) << result.message;
  EXPECT_EQ(result.message, file.string() + " Successfully created");
  EXPECT_TRUE(result.shortened.empty());
  const ReadResult written = readWholeFile(file);
  EXPECT_EQ(written.bytes, composeUddf(store, "KSEA", kExportMoment).bytes);
  EXPECT_EQ(written.bytes.substr(7 * 202, 11), "|-472659.4|");
  // the export takes the hemispheres of the survey it writes
  EXPECT_EQ(store.current.latitudeHemisphere, "S");
  EXPECT_EQ(store.current.longitudeHemisphere, "W");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

TEST_F(WriteUddfFile, AFileThatCannotBeWrittenIsReportedWithItsPath) {
  SurveyStore store;
  addSurvey(store, "K", "AOC", true, true);
  const fs::path missing = dir / "no such directory" / "site1.f77";
  const ExportResult result = writeUddfFile(store, "K", missing, kClock);
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.message.find("The UDDF file " + missing.string() + " could not be written: "),
            0u)
      << result.message;
  EXPECT_EQ(result.message.find("Successfully"), std::string::npos);

  fs::create_directories(dir / "taken.f77");  // a directory where the file should go
  EXPECT_FALSE(writeUddfFile(store, "K", dir / "taken.f77", kClock).ok);
  EXPECT_TRUE(fs::is_directory(dir / "taken.f77"));
  // A FIFO (as a device would be) is told and stays what it was, not replaced by a file.
  ASSERT_EQ(::mkfifo((dir / "pipe.f77").c_str(), 0600), 0);
  const ExportResult fifo = writeUddfFile(store, "K", dir / "pipe.f77", kClock);
  EXPECT_NE(fifo.message.find("it is a FIFO (named pipe), not a regular file"), std::string::npos)
      << fifo.message;
  EXPECT_TRUE(fs::is_fifo(dir / "pipe.f77"));
  // A link to nowhere is told too, and stays a link.
  fs::create_symlink(dir / "gone" / "x.f77", dir / "link.f77");
  EXPECT_NE(writeUddfFile(store, "K", dir / "link.f77", kClock).message.find("cannot be reached"),
            std::string::npos);
  EXPECT_TRUE(fs::is_symlink(dir / "link.f77"));
}

TEST_F(WriteUddfFile, ASurveyOfMoreThan20001LinesIsRefused) {
  SurveyStore store;
  addSurvey(store, "K", "AOC", true, true);
  // 14 rows before the obstructions, 3 + EOF after them: 19,983 obstructions fill the file.
  for (int i = 0; i < 19983; ++i) addObstruction(store, "K", {{2, "Tree"}});
  const ComposedUddf fits = composeUddf(store, "K", kExportMoment);
  ASSERT_TRUE(fits.ok) << fits.error;
  EXPECT_EQ(fits.lines, 20001);

  addObstruction(store, "K", {{2, "Tree"}});
  const ExportResult result = writeUddfFile(store, "K", dir / "big.f77", kClock);
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.message,
            "The UDDF file was not written: the survey needs 20002 lines, more than the 20001 "
            "lines a UDDF file can hold.");
  EXPECT_TRUE(fs::is_empty(dir));
}

TEST_F(WriteUddfFile, ShortenedValuesAreListedForTheUser) {
  SurveyStore store;
  addSurvey(store, "K", "AOC", true, true, {{22, "LCLTDL (Local Tidal)"}});
  const ExportResult result = writeUddfFile(store, "K", dir / "a.f77", kClock);
  ASSERT_TRUE(result.ok);
  ASSERT_EQ(result.shortened.size(), 1u);
  EXPECT_EQ(shortenedValuesMessage(result.shortened),
            "These values were too long for their places in the UDDF file and were shortened:\n"
            "airport K, Vertical Datum: \"LCLTDL (Local Tidal)\" written as \"LCLTDL (Lo\"");
  EXPECT_EQ(shortenedValuesMessage({}), "");
}

}  // namespace
}  // namespace survey::uddf::testing
