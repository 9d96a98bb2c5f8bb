// The store as one run of the program holds it: the lock that makes this copy
// the only writer, and the recovery journal of the changes made in the run.
#pragma once

#include <memory>
#include <string>

#include "shell/dialogs.h"
#include "store/recovery_journal.h"
#include "store/store_files.h"
#include "store/store_lock.h"

namespace survey {

class Program;

struct StoreSession {
  std::unique_ptr<StoreLock> lock;
  std::unique_ptr<RecoveryJournal> journal;
  bool readOnly = false;           // another copy holds the store: nothing is saved
  LockHolder holder;               // who holds it, when known
  std::string lockError;           // else why it could not be locked
  std::string lastJournalTrouble;  // told once, not before every message
};

// At start: locks the store (when another copy holds it, asks whether to open
// it read-only or quit), loads it, and offers to restore the changes a run cut
// short left in its journal. False when the user chose to quit.
bool openStore(Program& program);
// Makes the changes of the action in progress durable in the journal.
void makeChangesDurable(Program& program);
// Why a change is refused in a copy opened read-only, and the status line that says so.
std::string readOnlyRefusal(const StoreSession& session);
std::string readOnlyStatus(const StoreSession& session);
// Saves the store at Exit, the journal knowing the generation the save makes.
StoreSaveReport saveAtExit(Program& program);
// At Exit, saved or not: the journal has served its purpose and the lock is released.
void closeStore(Program& program);

// The message boxes of the program: each change is made durable before the
// message that follows it is shown.
class DurableDialogs : public Dialogs {
 public:
  DurableDialogs(Dialogs& shown, Program& program) : shown_(shown), program_(program) {}
  Button show(const Message& message) override;

 private:
  Dialogs& shown_;
  Program& program_;
};

}  // namespace survey
