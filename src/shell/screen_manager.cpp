#include "shell/screen_manager.h"

#include <stdexcept>

namespace survey {

ScreenManager::~ScreenManager() {
  screens_.clear();
}

void ScreenManager::registerScreen(std::string name, Factory factory, bool managed) {
  factories_[std::move(name)] = Entry{std::move(factory), managed};
}

Screen* ScreenManager::existing(const std::string& name) const {
  const auto it = screens_.find(name);
  return it == screens_.end() ? nullptr : it->second.get();
}

Screen& ScreenManager::touch(const std::string& name) {
  if (Screen* screen = existing(name)) return *screen;
  const auto factory = factories_.find(name);
  if (factory == factories_.end()) throw std::logic_error("unknown screen " + name);
  auto created = factory->second.factory(program_);
  Screen& screen = *created;
  // Registered before its load, so that the load may touch the screen itself.
  screens_[name] = std::move(created);
  {
    EventScope scope;
    screen.load();
  }
  return screen;
}

Screen& ScreenManager::show(const std::string& name) {
  Screen& screen = touch(name);
  if (factories_.at(name).managed) {
    std::vector<std::string> others;
    for (const auto& [other, entry] : screens_) {
      if (other != name && factories_.at(other).managed) others.push_back(other);
    }
    for (const auto& other : others) discard(other);
  }
  shown_.insert(name);
  if (observer_) observer_->screenShown(screen);
  return screen;
}

void ScreenManager::discard(const std::string& name) {
  const auto it = screens_.find(name);
  if (it == screens_.end()) return;
  std::shared_ptr<Screen> screen(std::move(it->second));
  screens_.erase(it);
  shown_.erase(name);
  if (observer_) observer_->screenDiscarded(*screen);
  // A handler of this screen may still be running: destroy it afterwards.
  EventScope::whenIdle([screen]() mutable { screen.reset(); });
}

void ScreenManager::discardAll(const std::vector<std::string>& order) {
  for (const auto& name : order) discard(name);
  // A copy of the name: discarding erases the map entry that holds it.
  while (!screens_.empty()) discard(std::string(screens_.begin()->first));
}

bool ScreenManager::isShown(const Screen& screen) const {
  const auto it = screens_.find(screen.name());
  return it != screens_.end() && it->second.get() == &screen && shown_.count(screen.name()) > 0;
}

Screen* ScreenManager::shownScreen() const {
  for (const auto& name : shown_) {
    if (factories_.at(name).managed) return existing(name);
  }
  return nullptr;
}

}  // namespace survey
