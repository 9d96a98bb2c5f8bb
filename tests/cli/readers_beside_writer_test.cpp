// Only the store's writer completes or discards an interrupted save: every reading command,
// and a window opened read-only, leaves the commit record and the temporary files alone.
#include <signal.h>

#include <fstream>

#include "cli/tool_run.h"
#include "store/store_commit.h"
#include "store/store_files.h"
#include "store/store_lock.h"
#include "support/program_fixture.h"

namespace survey::testing {
namespace {

class ReadersBesideWriter : public ToolTest {
 protected:
  // A child process takes the store's lock and waits, as a running program does.
  void holdLockInChild() {
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    holder_ = ::fork();
    ASSERT_GE(holder_, 0);
    if (holder_ == 0) {
      LockHolder holder;
      std::string error;
      const auto lock = StoreLock::acquire(dir(), holder, error);
      const char done = lock ? 'y' : 'n';
      if (::write(ready[1], &done, 1) != 1) ::_exit(1);
      ::pause();
      ::_exit(0);
    }
    char done = 0;
    ASSERT_EQ(::read(ready[0], &done, 1), 1);
    ::close(ready[0]);
    ::close(ready[1]);
    ASSERT_EQ(done, 'y');
  }
  ~ReadersBesideWriter() override {
    if (holder_ > 0) {
      ::kill(holder_, SIGKILL);
      ::waitpid(holder_, nullptr, 0);
    }
  }
  pid_t holder_ = 0;
};

TEST_F(ReadersBesideWriter, LeaveTheWritersCommitRecordAndTemporaryFileAsTheyAre) {
  SurveyStore store;
  store.appendAirport(
      {{1, "Abc Field"}, {3, "ABC"}, {10, "40-12-34.5600N"}, {11, "095-30-12.3400W"}});
  store.airports().setCell(1, 41, "CERTIFIED");
  ASSERT_TRUE(saveStore(store, dir()).ok());
  // The writer's save, caught between its commit record and its renames.
  const auto temporary = dir() / "survey_apt.txt.saving-123456";
  const auto record = dir() / kCommitRecordName;
  std::ofstream(temporary, std::ios::binary) << "0 : 3.7\r\n";
  std::ofstream(record, std::ios::binary)
      << "survey store commit\n"
      << temporary.string() << '\t' << (dir() / "survey_apt.txt").string() << "\nend\n";
  std::ofstream(dir() / "other.f77") << "not an exchange file\r\n";
  const std::string temporaryBytes = readWholeFile(temporary).bytes;
  const std::string recordBytes = readWholeFile(record).bytes;
  holdLockInChild();

  const std::string d = quoted(dir());
  const std::string readers[] = {"list " + d,
                                 "export " + d + " ABC " + quoted(dir() / "out.f77"),
                                 "review " + d + " ABC",
                                 "gis " + d + " ABC " + quoted(dir() / "out.geojson"),
                                 "check " + quoted(dir() / "other.f77"),
                                 "window"};
  for (const std::string& reader : readers) {
    SCOPED_TRACE(reader);
    if (reader == "window") {
      FakePlatform platform(dir());
      NextRun copy(platform, {Button::Yes});  // open read-only
      EXPECT_TRUE(copy.program.session.readOnly);
    } else {
      const ToolRun run = tool(reader);
      EXPECT_NE(run.status, -1) << run.err;
    }
    EXPECT_EQ(readWholeFile(temporary).bytes, temporaryBytes);
    EXPECT_EQ(readWholeFile(record).bytes, recordBytes);
  }
}

}  // namespace
}  // namespace survey::testing
