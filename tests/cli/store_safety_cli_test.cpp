// survey-tool on stores that are hostile or damaged: store files far larger
// than any store, a planted commit record, exports aimed at the store's files.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>

#include "cli/tool_run.h"
#include "store/store_commit.h"
#include "store/store_files.h"

namespace survey::testing {
namespace {

namespace fs = std::filesystem;

class StoreSafety : public ToolTest {
 protected:
  fs::path store() const { return dir() / "store"; }
  std::string s() const { return quoted(store()); }
  void SetUp() override {
    fs::create_directories(store());
    SurveyStore surveys;
    applyChanges(surveys, "add airport 3=KCRT, 41=CERTIFIED");
    ASSERT_TRUE(saveStore(surveys, store()).ok());
  }
};

// A sparse file of 40 GB under a store file's name: refused with its name and
// size before anything is read, the file left as it is.
TEST_F(StoreSafety, AStoreFileLargerThanAnyStoreIsRefusedBeforeItIsRead) {
  constexpr std::uintmax_t kHuge = std::uintmax_t{40} << 30;
  const std::string sample = quoted(std::string(SURVEY_TEST_DATA) + "/import/two_runways.uddf");
  for (const char* name : {"survey_apt.txt", "survey_rwy.txt", "survey_gs.txt", "survey_obs.txt"}) {
    for (const std::string command : {"list", "resave", "import"}) {
      SCOPED_TRACE(std::string(name) + " " + command);
      std::ofstream(store() / name).close();
      fs::resize_file(store() / name, kHuge);
      const ToolRun run = tool(command + " " + s() + (command == "import" ? " " + sample : ""));
      EXPECT_EQ(run.status, 2);
      EXPECT_NE(run.err.find(std::string(name) + " line 1: it is 42949672960 bytes"),
                std::string::npos)
          << run.err;
      EXPECT_LT(run.peakKilobytes, 200 * 1024) << "the file was read";
      EXPECT_EQ(fs::file_size(store() / name), kHuge);
      EXPECT_FALSE(fs::exists(store() / (std::string(name) + ".unread-backup")));
      fs::remove(store() / name);
    }
  }
}

// Should memory give out all the same (here under a limit smaller than a
// store file within the size rule), survey-tool says so and exits with 2.
TEST_F(StoreSafety, RunningOutOfMemoryIsToldNotAnAbort) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "the address sanitizer needs more address space than the limit leaves";
#else
  std::ofstream(store() / "survey_obs.txt").close();
  fs::resize_file(store() / "survey_obs.txt", 200 << 20);
  const fs::path err = dir() / "memory-err.txt";
  const pid_t pid = ::fork();
  if (pid == 0) {
    const rlimit limit{100 << 20, 100 << 20};
    ::setrlimit(RLIMIT_AS, &limit);
    const int fd = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ::dup2(fd, 2);
    ::execl(SURVEY_TOOL, SURVEY_TOOL, "list", store().c_str(), nullptr);
    ::_exit(127);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(pid, &status, 0), pid);
  ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
  EXPECT_EQ(WEXITSTATUS(status), 2);
  EXPECT_EQ(readWholeFile(err).bytes,
            "survey-tool: list ran out of memory and stopped; nothing more was written.\n");
#endif
}

// Anyone who may write into the store folder can plant a commit record; even a
// list must not rename the user's files by it.
TEST_F(StoreSafety, APlantedCommitRecordRenamesNothingAndIsToldOf) {
  const fs::path sentinel = dir() / "sentinel.txt";
  std::ofstream(sentinel) << "the user's own file";
  std::ofstream(dir() / "planted.txt") << "planted";
  std::ofstream(store() / kCommitRecordName)
      << "survey store commit\n"
      << (dir() / "planted.txt").string() << '\t' << sentinel.string() << "\nend\n";
  const ToolRun run = tool("list " + s());
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out.substr(0, 5), "KCRT\t");
  EXPECT_EQ(readWholeFile(sentinel).bytes, "the user's own file");
  EXPECT_NE(run.err.find("survey_store.commit was set aside as survey_store.commit.set-aside1"),
            std::string::npos)
      << run.err;
  EXPECT_TRUE(fs::exists(store() / "survey_store.commit.set-aside1"));
}

// An export never writes over one of the store's own files, by whatever name.
TEST_F(StoreSafety, AnExportOverAStoreFileIsRefused) {
  fs::create_symlink(store() / "survey_apt.txt", dir() / "link.f77");
  fs::create_hard_link(store() / "survey_rwy.txt", dir() / "hard.f77");
  const std::string airports = readWholeFile(store() / "survey_apt.txt").bytes;
  expectAnswers("store files");
  EXPECT_EQ(readWholeFile(store() / "survey_apt.txt").bytes, airports);
  EXPECT_FALSE(fs::exists(store() / "survey_store.journal"));
}

// The lock file that cannot be made: the refusal is a sentence of its own.
TEST_F(StoreSafety, ALockFileThatIsALinkStopsASaveWithItsReason) {
  fs::create_symlink(dir() / "elsewhere", store() / "survey_store.lock");
  const ToolRun run = tool("resave " + s());
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("survey_store.lock is refused: it is a symbolic link; nothing was "
                         "written to it. Nothing was saved"),
            std::string::npos)
      << run.err;
  EXPECT_FALSE(fs::exists(dir() / "elsewhere"));
}

}  // namespace
}  // namespace survey::testing
