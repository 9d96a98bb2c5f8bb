// What the program needs from the system around it besides its screens.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "store/store_location.h"

namespace survey {

class Screen;

// A document of a title, lines that identify it, a summary and a table, as a report for
// the surveyor's file is laid out.
struct ReportDocument {
  std::string title;
  std::vector<std::string> heading;            // identification lines under the title
  std::vector<std::string> columns;            // table header
  std::vector<std::vector<std::string>> rows;  // table body, a cell per column
  std::string summary;                         // above the table: what the reader needs first
  std::vector<bool> rightAligned;  // per column, for numbers; columns beyond it are left
};

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

  // Asks where to save a file; nothing when the user cancels. `filter` is like
  // "PDF documents (*.pdf)".
  virtual std::optional<std::filesystem::path> chooseSaveFile(
      const std::string& /*title*/, const std::filesystem::path& /*suggested*/,
      const std::string& /*filter*/) {
    return std::nullopt;
  }
  // Asks which existing file to read, starting in `folder`; nothing when the user cancels.
  virtual std::optional<std::filesystem::path> chooseOpenFile(
      const std::string& /*title*/, const std::filesystem::path& /*folder*/,
      const std::string& /*filter*/) {
    return std::nullopt;
  }
  // Writes the document as a PDF file; an empty text on success, otherwise why not.
  virtual std::string writePdf(const ReportDocument& /*document*/,
                               const std::filesystem::path& /*file*/) {
    return "this system cannot write PDF files";
  }
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
