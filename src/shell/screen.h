// A screen: its controls, found by name, and the hooks the screen switcher calls.
#pragma once

#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "shell/controls.h"

namespace survey {

class Program;

// How a screen is prepared before it is shown: for a new record, or reached through the tabs.
enum class Preparation { Load, Tab };

// A control's name bound to its kind, declared once by its screen: a misspelt name or a
// lookup of the wrong kind does not compile.
template <class C>
struct ControlName {
  std::string_view text;
};

class Screen {
 public:
  Screen(Program& program, std::string name, std::string caption);
  virtual ~Screen();
  Screen(const Screen&) = delete;
  Screen& operator=(const Screen&) = delete;

  // The controls every working screen has.
  static constexpr ControlName<TabStrip> kTabStrip{"TabStrip1"};
  static constexpr ControlName<StatusBar> kStatusBar{"StatusBar1"};

  const std::string& name() const { return name_; }
  const std::string& caption() const { return caption_; }
  // Client area in twips.
  int widthTwips() const { return widthTwips_; }
  int heightTwips() const { return heightTwips_; }
  void setSizeTwips(int width, int height) {
    widthTwips_ = width;
    heightTwips_ = height;
  }
  Program& program() const { return program_; }

  // Runs once, when the screen comes into being.
  virtual void load() {}
  // Screen-specific steps of the shared preparation.
  virtual void prepare(Preparation /*mode*/) {}
  virtual void beforeShow() {}
  virtual void afterShow() {}

  template <class C>
  C& get(std::string_view name) const {
    auto* control = dynamic_cast<C*>(find(name));
    if (!control)
      throw std::logic_error("screen " + name_ + " has no control " + std::string(name));
    return *control;
  }
  template <class C>
  C& get(ControlName<C> name) const {
    return get<C>(name.text);
  }
  Control* find(std::string_view name) const;
  // Every control in the order it was added (the order of the keyboard's tab key).
  const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }
  const std::vector<Menu>& menus() const { return menus_; }
  Menu& addMenu(std::string name, std::string caption);
  Menu& menu(std::string_view name);
  // Puts the keyboard focus on the named control, when the screen has it.
  void focus(std::string_view name);
  const std::string& focusedControl() const { return focused_; }
  const MenuItem& menuItem(std::string_view name) const;

 protected:
  template <class C, class... Args>
  C& add(std::string name, Frame* frame, Args&&... args) {
    auto control = std::make_unique<C>(std::move(name), frame, std::forward<Args>(args)...);
    C& ref = *control;
    index_[ref.name()] = &ref;
    controls_.push_back(std::move(control));
    return ref;
  }
  template <class C, class... Args>
  C& add(ControlName<C> name, Frame* frame, Args&&... args) {
    return add<C>(std::string(name.text), frame, std::forward<Args>(args)...);
  }
  // "TabStrip1" with the tabs "List of Surveys" and "Current Airport" across the top,
  // switching screens as every working screen's tab strip does.
  TabStrip& addSurveyTabs(int width);
  // An option in the group of the options that share its frame.
  OptionButton& addOption(ControlName<OptionButton> name, Frame* frame, std::string caption);

 private:
  Program& program_;
  std::string name_;
  std::string caption_;
  int widthTwips_ = 9600;
  int heightTwips_ = 7200;
  std::vector<std::unique_ptr<Control>> controls_;
  std::map<std::string, Control*, std::less<>> index_;
  std::map<const Frame*, std::vector<OptionButton*>> optionGroups_;
  std::vector<Menu> menus_;
  std::string focused_;
};

}  // namespace survey
