// Test doubles for the message boxes and the system around the program.
#pragma once

#include <unistd.h>

#include <deque>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "shell/dialogs.h"
#include "shell/platform.h"
#include "shell/screen.h"

namespace survey::testing {

// Records every message; answers questions from a script, OK otherwise.
class ScriptedDialogs : public Dialogs {
 public:
  Button show(const Message& message) override {
    shown.push_back(message);
    if (message.buttons == Buttons::Ok) return Button::Ok;
    if (answers.empty()) throw std::logic_error("unexpected question: " + message.text);
    const Button answer = answers.front();
    answers.pop_front();
    if (answer == Button::Cancel && message.buttons != Buttons::YesNoCancel) {
      throw std::logic_error("Cancel answered to a question without it: " + message.text);
    }
    return answer;
  }
  void answer(std::initializer_list<Button> buttons) { answers.insert(answers.end(), buttons); }
  std::vector<std::string> texts() const {
    std::vector<std::string> result;
    for (const auto& message : shown) result.push_back(message.text);
    return result;
  }
  std::string last() const { return shown.empty() ? std::string() : shown.back().text; }

  std::vector<Message> shown;
  std::deque<Button> answers;
};

class FakePlatform : public Platform {
 public:
  explicit FakePlatform(std::filesystem::path directory = {}) : directory(std::move(directory)) {}
  std::filesystem::path programDirectory() const override { return directory; }
  std::filesystem::path storeDirectory() const override {
    return store.empty() ? directory : store;
  }
  bool openDocument(const std::string& pathOrAddress) override {
    opened.push_back(pathOrAddress);
    return openSucceeds;
  }
  void printScreen(const Screen& screen) override { printed.push_back(screen.name()); }
  void setBusy(bool busy) override {
    busyDepth += busy ? 1 : -1;
    if (busy) ++busyCount;
  }
  void quit() override { quitCalled = true; }
  std::optional<std::filesystem::path> chooseSaveFile(const std::string&,
                                                      const std::filesystem::path& suggested,
                                                      const std::string&) override {
    suggestedFile = suggested;
    return saveAs;
  }
  std::optional<std::filesystem::path> chooseOpenFile(const std::string&,
                                                      const std::filesystem::path& folder,
                                                      const std::string&) override {
    openFolder = folder;
    return openFile;
  }
  std::string writePdf(const ReportDocument& document, const std::filesystem::path& file) override {
    pdfs.emplace_back(file, document);
    return pdfError;
  }

  std::filesystem::path directory;
  std::filesystem::path store;  // empty: the store is beside the program
  std::vector<std::string> opened;
  std::vector<std::string> printed;
  bool openSucceeds = true;
  int busyDepth = 0;
  int busyCount = 0;
  bool quitCalled = false;
  std::optional<std::filesystem::path> saveAs;  // the user's choice of file; none cancels
  std::filesystem::path suggestedFile;
  std::optional<std::filesystem::path> openFile;  // the file the user picks to read; none cancels
  std::filesystem::path openFolder;
  std::vector<std::pair<std::filesystem::path, ReportDocument>> pdfs;
  std::string pdfError;
};

// A fresh empty directory below the system's temporary directory, removed afterwards.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

inline TempDir::TempDir() {
  static int counter = 0;
  path_ = std::filesystem::temp_directory_path() /
          ("survey-test-" + std::to_string(::getpid()) + "-" + std::to_string(++counter));
  std::filesystem::remove_all(path_);
  std::filesystem::create_directories(path_);
}

inline TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ec);
  std::filesystem::remove_all(path_, ec);
}

}  // namespace survey::testing
