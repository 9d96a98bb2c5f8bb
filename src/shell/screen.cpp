#include "shell/screen.h"

#include "shell/navigation.h"

namespace survey {

Screen::Screen(Program& program, std::string name, std::string caption)
    : program_(program), name_(std::move(name)), caption_(std::move(caption)) {}

Screen::~Screen() {
  // Controls go in reverse order, so a frame outlives the controls inside it.
  while (!controls_.empty()) controls_.pop_back();
}

Control* Screen::find(std::string_view name) const {
  const auto it = index_.find(name);
  return it == index_.end() ? nullptr : it->second;
}

Menu& Screen::addMenu(std::string name, std::string caption) {
  menus_.push_back(Menu{std::move(name), std::move(caption), {}});
  return menus_.back();
}

Menu& Screen::menu(std::string_view name) {
  for (auto& menu : menus_) {
    if (menu.name == name) return menu;
  }
  throw std::logic_error("screen " + name_ + " has no menu " + std::string(name));
}

const MenuItem& Screen::menuItem(std::string_view name) const {
  for (const auto& menu : menus_) {
    for (const auto& item : menu.items) {
      if (item.name == name) return item;
    }
  }
  throw std::logic_error("screen " + name_ + " has no menu item " + std::string(name));
}

void Screen::focus(std::string_view name) {
  if (Control* control = find(name)) {
    focused_ = control->name();
    control->requestFocus();
  }
}

TabStrip& Screen::addSurveyTabs(int width) {
  auto& tabs =
      add(kTabStrip, nullptr, std::vector<std::string>{"List of Surveys", "Current Airport"});
  tabs.setCaption("Screens");
  tabs.place(120, 60, width, 375);
  tabs.onClick = [this] { handleTabClick(*this); };
  return tabs;
}

OptionButton& Screen::addOption(ControlName<OptionButton> name, Frame* frame, std::string caption) {
  auto& option = add(name, frame, &optionGroups_[frame]);
  option.setCaption(std::move(caption));
  return option;
}

}  // namespace survey
