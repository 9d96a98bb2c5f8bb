#include "shell/store_session.h"

#include <filesystem>

#include "shell/controls.h"
#include "shell/program.h"
#include "store/store_location.h"

namespace survey {

namespace {

// Yes: open read-only; No: quit.
bool lockOrAsk(Program& program) {
  StoreSession& session = program.session;
  const auto directory = program.platform.storeDirectory();
  std::error_code ec;  // a new user's data folder: the lock needs it before the first save
  createStoreFolder(directory, ec);
  LockHolder holder;
  std::string error;
  session.lock = StoreLock::acquire(directory, holder, error);
  if (session.lock) return true;
  const std::string why = error.empty()
                              ? storeInUseMessage(directory, holder)
                              : "The survey store cannot be locked for saving (" + error + ").";
  const bool readOnly = program.askYesNo(why +
                                             "\nOpen it read-only? You can look at the surveys but "
                                             "not change them. Choose No to quit.",
                                         "Store in use");
  session.readOnly = readOnly;
  session.holder = holder;
  session.lockError = error;
  return readOnly;
}

void offerRestore(Program& program) {
  const auto directory = program.platform.storeDirectory();
  if (!journalExists(directory)) return;
  const JournalContents contents = inspectJournal(directory);
  if (contents.entries == 0) {
    // Nothing whole in it; a torn start must not hide the entries that follow.
    std::error_code ec;
    std::filesystem::resize_file(directory / kJournalName, 0, ec);
    return;
  }
  const std::string n = std::to_string(contents.entries);
  if (program.askYesNo("The program was not closed properly. Restore the " + n +
                           " changes made in that session?",
                       "Restore?")) {
    BusyPointer busy(program.platform);
    restoreFromJournal(program.store, directory);
  } else {
    setJournalAside(directory);
  }
}

}  // namespace

bool openStore(Program& program) {
  if (!lockOrAsk(program)) return false;
  const auto directory = program.platform.storeDirectory();
  {
    BusyPointer busy(program.platform);
    program.loadReport =
        loadStore(program.store, directory,
                  program.session.readOnly ? StoreAccess::Reader : StoreAccess::Writer);
  }
  if (const std::string told = program.loadReport.message(); !told.empty()) program.tell(told);
  if (program.session.readOnly) return true;
  offerRestore(program);
  std::string error;
  program.session.journal = RecoveryJournal::open(program.store, directory, error);
  if (program.session.journal) {
    // Changes no message follows (a certification, a profile point) are made
    // durable once the event that made them is over.
    program.session.journal->onFirstChange = [&program] {
      EventScope::whenIdle([&program] { makeChangesDurable(program); });
    };
  }
  if (!error.empty()) {
    program.tell("Changes cannot be protected against a crash in this run: " + error +
                 ". They are kept until you save them at Exit.");
  }
  return true;
}

void makeChangesDurable(Program& program) {
  StoreSession& session = program.session;
  if (!session.journal) return;
  const std::string error = session.journal->flush();
  if (error.empty() || error == session.lastJournalTrouble) {
    session.lastJournalTrouble = error;
    return;
  }
  session.lastJournalTrouble = error;
  program.tell("The last change could not be protected against a crash: " + error +
               ". It is kept until you save at Exit.");
}

namespace {
// "process 1234 on machine surveyor-pc holds it" or why the lock could not be taken.
std::string whyReadOnly(const StoreSession& session) {
  if (session.lockError.empty()) return session.holder.describe() + " holds it";
  return "it could not be locked for saving (" + session.lockError + ")";
}
}  // namespace

std::string readOnlyRefusal(const StoreSession& session) {
  return "This survey store is open read-only: " + whyReadOnly(session) + ".";
}

std::string readOnlyStatus(const StoreSession& session) {
  return "Read-only: " + whyReadOnly(session);
}

void closeStore(Program& program) {
  if (program.session.journal) program.session.journal->remove();
  program.session.journal.reset();
  program.session.lock.reset();  // the program ends: another copy may take the store
}

Button DurableDialogs::show(const Message& message) {
  makeChangesDurable(program_);
  return shown_.show(message);
}

}  // namespace survey
