// Brings screens into being when first touched and shows one working screen
// at a time; showing one discards the other working screens.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "shell/screen.h"

namespace survey {

class ScreensObserver {
 public:
  virtual ~ScreensObserver() = default;
  virtual void screenShown(Screen& screen) = 0;
  // Called before the screen's controls go away.
  virtual void screenDiscarded(Screen& screen) = 0;
};

class ScreenManager {
 public:
  using Factory = std::function<std::unique_ptr<Screen>(Program&)>;

  explicit ScreenManager(Program& program) : program_(program) {}
  ~ScreenManager();
  ScreenManager(const ScreenManager&) = delete;
  ScreenManager& operator=(const ScreenManager&) = delete;

  // Working screens are managed: one at a time. Others are windows beside them.
  void registerScreen(std::string name, Factory factory, bool managed = true);
  bool knows(const std::string& name) const { return factories_.count(name) > 0; }
  // A working screen (one at a time) rather than a window beside them.
  bool isManaged(const std::string& name) const {
    const auto it = factories_.find(name);
    return it != factories_.end() && it->second.managed;
  }

  // The screen if it exists now, without creating it.
  Screen* existing(const std::string& name) const;
  // The screen, created (and loaded) first when it does not exist.
  Screen& touch(const std::string& name);
  template <class S>
  S& touch() {
    return static_cast<S&>(touch(std::string(S::kName)));
  }
  // Shows the screen; a working screen discards the other working screens.
  Screen& show(const std::string& name);
  void discard(const std::string& name);
  // Discards every screen in the given order, then the rest.
  void discardAll(const std::vector<std::string>& order = {});

  bool isShown(const Screen& screen) const;
  bool isShown(const std::string& name) const { return shown_.count(name) > 0; }
  // The working screen shown now, if any.
  Screen* shownScreen() const;

  void setObserver(ScreensObserver* observer) { observer_ = observer; }

 private:
  struct Entry {
    Factory factory;
    bool managed;
  };
  Program& program_;
  std::map<std::string, Entry> factories_;
  std::map<std::string, std::unique_ptr<Screen>> screens_;
  std::set<std::string> shown_;
  ScreensObserver* observer_ = nullptr;
};

}  // namespace survey
