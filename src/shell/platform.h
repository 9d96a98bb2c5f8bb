// What the program needs from the system around it besides its screens.
#pragma once

#include <filesystem>
#include <string>

#include "store/store_location.h"

namespace survey {

class Screen;

class Platform {
 public:
  virtual ~Platform() = default;
  // The directory that holds the program, its store files and help.pdf.
  virtual std::filesystem::path programDirectory() const = 0;
  // The folder of the four store files: the program's own unless chosen otherwise.
  virtual std::filesystem::path storeDirectory() const { return programDirectory(); }
  virtual std::filesystem::path helpDocument() const {
    return findHelpDocument(programDirectory());
  }
  // Opens a document or web address with its associated application; false when it cannot.
  virtual bool openDocument(const std::string& pathOrAddress) = 0;
  // Prints an image of the screen as shown on the default printer, without a dialogue.
  virtual void printScreen(const Screen& screen) = 0;
  virtual void setBusy(bool busy) = 0;
  // Ends the program once the current event has finished.
  virtual void quit() = 0;
};

// Shows the busy pointer for as long as it lives.
class BusyPointer {
 public:
  explicit BusyPointer(Platform& platform) : platform_(platform) { platform_.setBusy(true); }
  ~BusyPointer() { platform_.setBusy(false); }
  BusyPointer(const BusyPointer&) = delete;
  BusyPointer& operator=(const BusyPointer&) = delete;

 private:
  Platform& platform_;
};

}  // namespace survey
