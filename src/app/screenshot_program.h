// What the screenshot tools run a program with: questions answered No, nothing
// opened or printed, the store and files kept in a folder of their own.
#pragma once

#include <filesystem>
#include <string>
#include <utility>

#include "shell/dialogs.h"
#include "shell/platform.h"

namespace survey::screenshots {

class SilentDialogs : public Dialogs {
 public:
  Button show(const Message&) override { return Button::No; }
};

class QuietPlatform : public Platform {
 public:
  explicit QuietPlatform(std::filesystem::path dir = std::filesystem::temp_directory_path())
      : dir_(std::move(dir)) {}
  std::filesystem::path programDirectory() const override { return dir_; }
  bool openDocument(const std::string&) override { return true; }
  void printScreen(const Screen&) override {}
  void setBusy(bool) override {}
  void quit() override {}

 private:
  std::filesystem::path dir_;
};

}  // namespace survey::screenshots
