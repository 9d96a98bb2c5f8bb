// survey-tool import-obstructions: the preview, the exit status and what the store holds after.
#include <fstream>

#include "cli/tool_run.h"
#include "store/store_files.h"

namespace survey::testing {
namespace {

namespace fs = std::filesystem;

class ImportObstructionsCommand : public ToolTest {
 protected:
  void SetUp() override {
    SurveyStore store;
    store.current.surveyType = "AOC";
    store.appendAirport({{3, "PAE"}, {39, "True"}, {40, "False"}});
    ASSERT_TRUE(saveStore(store, dir()).ok());
    write("good.csv", "name,y,x,z\nTREE,47.5,-122.25,612\nPOLE,47.51,-122.26,655\n");
    write("mixed.csv", "name,y,x,z\nTREE,47.5,-122.25,612\nMAST,47.52,-122.27,99.5\n");
    write("bad.csv", "name,y,x,z\nMAST,47.52,-122.27,99.5\n");
    write("tabs.csv", "name,y,x,z\n\"MAST\tA\",47.53,-122.28,\"9\t9\"\n");
  }
  void write(const std::string& name, const std::string& text) const {
    std::ofstream(dir() / name) << text;
  }
  int obstructionsSaved() const {
    SurveyStore store;
    EXPECT_FALSE(loadStore(store, dir()).failed);
    return store.obstructions().count();
  }
};

TEST_F(ImportObstructionsCommand, ImportsTellsAndExitsByWhatWasTaken) {
  const std::string map = " --map object=name,lat=y,lon=x,top=z --srs EPSG:4269";
  const struct {
    std::string args;
    int status;
    std::string told;  // found in out for status 0 and 1, in err for 2
    int saved;         // obstructions in the store after
  } cases[] = {
      {"import-obstructions D PAE D/mixed.csv" + map + " --dry-run", 1,
       "row\toutcome\tobject\tlatitude\tlongitude\ttop elevation\tmessage\n"
       "1\taccepted\tTREE\t47°30'0\" N\t122°15'0\" W\t612\tobstruction 1\n"
       "2\trefused\tMAST\t47°31'12\" N\t122°16'12\" W\t99.5\t"
       "99.5:  Error (Only 0 decimal place allowed)\n",
       0},
      // A tab in a value stays inside its cell.
      {"import-obstructions D PAE D/tabs.csv" + map + " --dry-run", 2,
       "1\trefused\tMAST A\t47°31'48\" N\t122°16'48\" W\t9 9\t", 0},
      {"import-obstructions D PAE D/bad.csv" + map, 2,
       "row 1: refused: 99.5:  Error (Only 0 decimal place allowed)", 0},
      {"import-obstructions D PAE D/good.csv --map object=name,lat=y,lon=x,top=z", 2,
       "the file names no coordinate system", 0},
      {"import-obstructions D XXX D/good.csv" + map, 2, "no survey with the identifier \"XXX\"", 0},
      {"import-obstructions D PAE D/good.csv --map object" + map, 2, "--map wants KEY=COLUMN pairs",
       0},
      {"import-obstructions D PAE D/mixed.csv" + map, 1,
       "imported 1 obstructions into PAE; 1 rows refused or skipped", 1},
      // The same rows again are skipped; the store folder from --store.
      {"--store D import-obstructions PAE D/good.csv" + map, 1,
       "imported 1 obstructions into PAE; 1 rows refused or skipped", 2},
      {"import-obstructions D PAE D/good.csv" + map + " --dry-run", 2, "\tskipped\t", 2},
      // Repeats taken on request; a layer chosen by name.
      {"import-obstructions D PAE D/good.csv" + map + " --keep-repeats --dry-run", 0,
       "\tobstruction 4, repeating one already in the survey\n", 2},
      {"import-obstructions D PAE D/good.csv" + map + " --keep-repeats", 0,
       "imported 2 obstructions into PAE; 0 rows refused or skipped", 4},
      {"import-obstructions D PAE D/good.csv" + map + " --layer points", 2,
       "has no layer \"points\"", 4},
      {"import-obstructions D PAE D/good.csv" + map + " --layer good --dry-run", 2, "\tskipped\t",
       4},
  };
  for (auto c : cases) {
    for (std::size_t at = 0; (at = c.args.find(" D", at)) != std::string::npos; ++at) {
      c.args.replace(at + 1, 1, quoted(dir()));
    }
    const ToolRun run = tool(c.args);
    EXPECT_EQ(run.status, c.status) << c.args << "\n" << run.err;
    const std::string& told =
        c.status == 2 && c.told.find('\t') == std::string::npos ? run.err : run.out;
    EXPECT_NE(told.find(c.told), std::string::npos) << c.args << "\n" << told;
    EXPECT_EQ(obstructionsSaved(), c.saved) << c.args;
  }
}

}  // namespace
}  // namespace survey::testing
