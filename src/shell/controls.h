// The controls of a screen as plain data with events. The windowing layer
// shows them and feeds the user's changes back through the same setters, so
// a change made by the program raises exactly the event a user's change does.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace survey {

class Control;
class Frame;

enum class ControlChange { Text, State, Items, Chosen, Caption, Cells, Selection, Style, Focus };

// The windowing layer's view of a control; one per control at most.
class ControlObserver {
 public:
  virtual ~ControlObserver() = default;
  virtual void controlChanged(Control& control, ControlChange change) = 0;
  virtual void controlDestroyed(Control& control) = 0;
};

// Counts running event handlers, so work that must not happen inside one
// (destroying the screen whose handler runs) waits until all have returned.
class EventScope {
 public:
  EventScope();
  ~EventScope();
  EventScope(const EventScope&) = delete;
  EventScope& operator=(const EventScope&) = delete;
  static bool idle();
  // Runs the task now when no handler runs, otherwise when the last one returns.
  static void whenIdle(std::function<void()> task);
};

// Runs a handler, if set, inside an EventScope.
void fire(const std::function<void()>& handler);

class Control {
 public:
  Control(std::string name, Frame* frame);
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const std::string& name() const { return name_; }
  Frame* frame() const { return frame_; }

  // Caption of a button, option, frame or label; the describing label of a box.
  const std::string& caption() const { return caption_; }
  void setCaption(std::string caption);
  const std::string& toolTip() const { return toolTip_; }
  void setToolTip(std::string tip);
  // What a screen reader announces when the caption alone is ambiguous ("New runway").
  const std::string& spokenName() const { return spokenName_.empty() ? caption_ : spokenName_; }
  void setSpokenName(std::string name) { spokenName_ = std::move(name); }
  // The caption's letter that Alt presses: the first unless set; none when negative.
  int mnemonicIndex() const { return mnemonicIndex_; }
  void setMnemonicIndex(int index) { mnemonicIndex_ = index; }

  // False when the control or any frame around it is disabled (hidden).
  bool enabled() const;
  bool visible() const;
  bool ownEnabled() const { return enabled_; }
  bool ownVisible() const { return visible_; }
  void setEnabled(bool enabled);
  void setVisible(bool visible);

  // Position and size in twips (1440 to the inch), relative to the frame the
  // control sits in, or to the screen's client area below its menus.
  struct Bounds {
    int left = 0, top = 0, width = 0, height = 0;
  };
  const Bounds& bounds() const { return bounds_; }
  Control& place(int left, int top, int width, int height) {
    bounds_ = {left, top, width, height};
    return *this;
  }

  void setObserver(ControlObserver* observer) { observer_ = observer; }
  // Asks the window to put the keyboard focus here.
  void requestFocus() { notify(ControlChange::Focus); }

 protected:
  void notify(ControlChange change);

 private:
  std::string name_;
  Frame* frame_;
  std::string caption_;
  std::string toolTip_;
  std::string spokenName_;
  int mnemonicIndex_ = 0;
  bool enabled_ = true;
  bool visible_ = true;
  Bounds bounds_;
  ControlObserver* observer_ = nullptr;
};

class Frame : public Control {
 public:
  using Control::Control;
};

class Label : public Control {
 public:
  using Control::Control;
  // The control this label names: a screen reader gives that control the label's caption.
  const Control* labelled() const { return labelled_; }
  void setLabelled(const Control* control) { labelled_ = control; }

 private:
  const Control* labelled_ = nullptr;
};

class TextBox : public Control {
 public:
  using Control::Control;
  const std::string& text() const { return text_; }
  // Raises onChange when the text really changes, whoever changes it.
  void setText(std::string text);
  bool locked() const { return locked_; }
  void setLocked(bool locked);
  bool bold() const { return bold_; }
  void setBold(bool bold);
  bool multiLine() const { return multiLine_; }
  void setMultiLine(bool multiLine) { multiLine_ = multiLine; }
  bool required() const { return required_; }
  void setRequired(bool required) { required_ = required; }
  std::function<void()> onChange;

 private:
  std::string text_;
  bool locked_ = false;
  bool bold_ = false;
  bool multiLine_ = false;
  bool required_ = false;
};

class ListBox : public Control {
 public:
  using Control::Control;
  // Emptying forgets the chosen item without raising onChosen.
  void clear();
  void add(std::string item);
  int count() const { return static_cast<int>(items_.size()); }
  const std::string& item(int index) const { return items_.at(static_cast<std::size_t>(index)); }
  const std::vector<std::string>& items() const { return items_; }
  std::optional<int> chosen() const { return chosen_; }
  // Raises onChosen when the choice really changes to an item.
  void choose(std::optional<int> index);
  std::string chosenText() const;
  int heightTwips() const { return heightTwips_; }
  void setHeightTwips(int twips);
  // The user scrolls through the items.
  void scroll() { fire(onScroll); }
  std::function<void()> onChosen;
  std::function<void()> onScroll;

 private:
  std::vector<std::string> items_;
  std::optional<int> chosen_;
  int heightTwips_ = 0;
};

// Options are grouped by the frame they sit in: choosing one clears the others.
class OptionButton : public Control {
 public:
  OptionButton(std::string name, Frame* frame, std::vector<OptionButton*>* group);
  bool value() const { return value_; }
  // Choosing raises onClick when the option was not chosen already.
  void setValue(bool value);
  std::function<void()> onClick;

 private:
  bool value_ = false;
  std::vector<OptionButton*>* group_;
};

class CommandButton : public Control {
 public:
  using Control::Control;
  // A click as the user makes it: nothing happens while the button is disabled or hidden.
  void click();
  std::function<void()> onClick;
};

class Picture : public Control {
 public:
  using Control::Control;
  void click();
  std::function<void()> onClick;
};

class StatusBar : public Control {
 public:
  using Control::Control;
  const std::string& panelText() const { return panelText_; }
  void setPanelText(std::string text);

 private:
  std::string panelText_;
};

class TabStrip : public Control {
 public:
  TabStrip(std::string name, Frame* frame, std::vector<std::string> tabs);
  const std::vector<std::string>& tabs() const { return tabs_; }
  int selected() const { return selected_; }
  const std::string& selectedCaption() const {
    return tabs_.at(static_cast<std::size_t>(selected_));
  }
  // Raises onClick whenever a tab is selected, also the one selected already.
  void select(int index);
  std::function<void()> onClick;

 private:
  std::vector<std::string> tabs_;
  int selected_ = 0;
};

// A grid of text cells; row 0 is the header row.
class Grid : public Control {
 public:
  Grid(std::string name, Frame* frame, int columns);
  int rows() const { return static_cast<int>(cells_.size()); }
  int columns() const { return columns_; }
  void setRows(int rows);
  const std::string& cell(int row, int column) const;
  void setCell(int row, int column, std::string text);
  int selectedRow() const { return selectedRow_; }
  void selectRow(int row);
  // The user's click on a row: selects it and raises onClick.
  void clickRow(int row);
  std::function<void()> onClick;
  // A double-click or Enter on a row: selects it and raises onActivate.
  void activateRow(int row);
  std::function<void()> onActivate;

  std::optional<int> hiddenColumn() const { return hiddenColumn_; }
  void setHiddenColumn(std::optional<int> column) { hiddenColumn_ = column; }
  const std::vector<int>& columnWidthsTwips() const { return widths_; }
  void setColumnWidthsTwips(std::vector<int> widths) { widths_ = std::move(widths); }
  // The column whose texts wrap within its width, each row as high as its text needs: a
  // column of sentences shown whole. It takes the room the other columns leave.
  std::optional<int> wrappedColumn() const { return wrappedColumn_; }
  void setWrappedColumn(std::optional<int> column) { wrappedColumn_ = column; }

  // Collects the changes of a refill into one notification.
  class Batch {
   public:
    explicit Batch(Grid& grid);
    ~Batch();
    Batch(const Batch&) = delete;
    Batch& operator=(const Batch&) = delete;

   private:
    Grid& grid_;
  };

 private:
  void changed(ControlChange change);

  int columns_;
  std::vector<std::vector<std::string>> cells_;
  int selectedRow_ = 0;
  std::optional<int> hiddenColumn_;
  std::optional<int> wrappedColumn_;
  std::vector<int> widths_;
  int batchDepth_ = 0;
  bool batchChanged_ = false;
};

// The drives a directory can be chosen from (a file system root on this platform).
class DriveList : public Control {
 public:
  DriveList(std::string name, Frame* frame, std::vector<std::string> drives);
  const std::vector<std::string>& drives() const { return drives_; }
  const std::string& drive() const { return drive_; }
  // Raises onChange when the drive really changes.
  void setDrive(std::string drive);
  std::function<void()> onChange;

 private:
  std::vector<std::string> drives_;
  std::string drive_;
};

// A directory of the file system, moved through its parent and subdirectories.
class DirectoryList : public Control {
 public:
  using Control::Control;
  const std::string& path() const { return path_; }
  // Raises onChange when the directory really changes.
  void setPath(std::string path);
  // The names of the directory's subdirectories, sorted; none when it cannot be read.
  std::vector<std::string> subdirectories() const;
  // What the list shows: the parent entry ".." (unless at a root), then the subdirectories.
  std::vector<std::string> entries() const;
  // Moves into the entry (".." is the parent): what Enter or a double-click on it does.
  void open(const std::string& entry);
  std::function<void()> onChange;

  static constexpr const char* kParentEntry = "..";

 private:
  std::string path_;
};

struct MenuItem {
  std::string name;     // MenuPrint, MenuExit, ...
  std::string caption;  // "Print"
  std::function<void()> onClick;
  void click() const { fire(onClick); }
};

struct Menu {
  std::string name;     // MenuFile
  std::string caption;  // "File"
  std::vector<MenuItem> items;
};

}  // namespace survey
