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

std::string changesText(int n) {
  return std::to_string(n) + (n == 1 ? " change" : " changes");
}

// Offers the changes a run cut short left in the journal, when they apply to
// the store as loaded. Empty text, or why the journal cannot be used in this run.
std::string offerRestore(Program& program) {
  using Verdict = JournalFinding::Verdict;
  const auto directory = program.platform.storeDirectory();
  const JournalFinding found = examineJournal(directory, program.loadReport.generation);
  switch (found.verdict) {
    case Verdict::Absent:
      return {};
    case Verdict::Refused:
      return "the recovery journal " + (directory / kJournalName).string() + " cannot be used (" +
             found.refusal + "); it was left as it is";
    case Verdict::NothingToRestore:
      // Saved already, or nothing whole in it: a torn start must not hide the entries that follow.
      if (std::string why = removeJournal(directory); !why.empty()) {
        return "the recovery journal " + (directory / kJournalName).string() +
               " cannot be removed (" + why + ")";
      }
      return {};
    case Verdict::StoreChanged: {
      const std::string aside = setJournalAside(directory);
      if (aside.empty()) {
        return "the recovery journal " + (directory / kJournalName).string() +
               " belongs to another state of the survey store and cannot be set aside";
      }
      program.tell(
          "The program was not closed properly, but the survey store has changed since then, so "
          "the " +
          changesText(found.changes) +
          " made in that session cannot be restored safely. They were kept in " + aside + ".");
      return {};
    }
    case Verdict::Restorable:
      break;
  }
  if (program.askYesNo("The program was not closed properly. Restore the " +
                           changesText(found.changes) + " made in that session?",
                       "Restore?")) {
    BusyPointer busy(program.platform);
    restoreFromJournal(program.store, directory, found.restoreFrom);
  } else if (setJournalAside(directory).empty()) {
    // Continuing it would offer the declined changes again after the next cut.
    return "the recovery journal " + (directory / kJournalName).string() + " cannot be set aside";
  }
  return {};
}

}  // namespace

bool openStore(Program& program) {
  if (!lockOrAsk(program)) return false;
  const auto directory = program.platform.storeDirectory();
  {
    BusyPointer busy(program.platform);
    program.loadReport =
        program.session.readOnly
            ? loadStore(program.store, directory, StoreAccess::Reader)
            : loadStore(program.store, directory, StoreAccess::Writer, /*withGeneration=*/true);
  }
  if (const std::string told = program.loadReport.message(); !told.empty()) program.tell(told);
  if (program.session.readOnly) return true;
  std::string error = offerRestore(program);
  if (error.empty()) {
    program.session.journal =
        RecoveryJournal::open(program.store, directory, program.loadReport.generation, error);
  }
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

StoreSaveReport saveAtExit(Program& program) {
  // The journal first notes what the store is about to become: a journal
  // left behind by a cut after the save is then known to be in it.
  return saveStore(program.store, program.platform.storeDirectory(),
                   program.loadReport.unreadTables, [&program](std::uint64_t generation) {
                     if (program.session.journal) program.session.journal->markSaving(generation);
                   });
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
