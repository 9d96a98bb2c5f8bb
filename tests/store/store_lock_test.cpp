#include "store/store_lock.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>

#include "support/fakes.h"

namespace survey {
namespace {

using testing::TempDir;

TEST(StoreLock, OneWriterAtATimeAndALockWhoseProcessIsGoneIsTakenOver) {
  TempDir dir;
  LockHolder holder;
  std::string error;
  {
    auto first = StoreLock::acquire(dir.path(), holder, error);
    ASSERT_TRUE(first) << error;
    auto second = StoreLock::acquire(dir.path(), holder, error);
    EXPECT_FALSE(second);
    EXPECT_EQ(error, "");
    EXPECT_EQ(holder.process, ::getpid());
    EXPECT_NE(storeInUseMessage(dir.path(), holder).find("process " + std::to_string(::getpid())),
              std::string::npos);
  }
  EXPECT_FALSE(std::filesystem::exists(dir.path() / kLockFileName)) << "released on leaving";

  // A lock file left by a process that is gone, and one held by a process then killed.
  std::ofstream(dir.path() / kLockFileName) << "999999\nanother-machine\n";
  EXPECT_TRUE(StoreLock::acquire(dir.path(), holder, error)) << error;

  int ready[2];
  ASSERT_EQ(::pipe(ready), 0);
  const pid_t child = ::fork();
  if (child == 0) {
    auto held = StoreLock::acquire(dir.path(), holder, error);
    const char ok = held ? 'y' : 'n';
    if (::write(ready[1], &ok, 1) != 1) ::_exit(1);
    ::pause();
    ::_exit(0);
  }
  char ok = 0;
  ASSERT_EQ(::read(ready[0], &ok, 1), 1);
  ASSERT_EQ(ok, 'y');
  holder = {};
  EXPECT_FALSE(StoreLock::acquire(dir.path(), holder, error));
  EXPECT_EQ(holder.process, child);
  ::kill(child, SIGKILL);
  ::waitpid(child, nullptr, 0);
  EXPECT_TRUE(StoreLock::acquire(dir.path(), holder, error)) << error;
}

}  // namespace
}  // namespace survey
