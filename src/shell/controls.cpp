#include "shell/controls.h"

#include <algorithm>
#include <filesystem>

namespace survey {

namespace {
int gDepth = 0;
std::vector<std::function<void()>>& idleTasks() {
  static std::vector<std::function<void()>> tasks;
  return tasks;
}
}  // namespace

EventScope::EventScope() {
  ++gDepth;
}

EventScope::~EventScope() {
  if (--gDepth > 0) return;
  // Tasks may raise events of their own; take them out first.
  while (!idleTasks().empty()) {
    auto tasks = std::move(idleTasks());
    idleTasks().clear();
    for (auto& task : tasks) task();
  }
}

bool EventScope::idle() {
  return gDepth == 0;
}

void EventScope::whenIdle(std::function<void()> task) {
  if (idle()) {
    task();
  } else {
    idleTasks().push_back(std::move(task));
  }
}

void fire(const std::function<void()>& handler) {
  if (!handler) return;
  EventScope scope;
  auto copy = handler;  // the handler may replace itself or destroy its control
  copy();
}

Control::Control(std::string name, Frame* frame) : name_(std::move(name)), frame_(frame) {}

Control::~Control() {
  if (observer_) observer_->controlDestroyed(*this);
}

void Control::notify(ControlChange change) {
  if (observer_) observer_->controlChanged(*this, change);
}

void Control::setCaption(std::string caption) {
  if (caption == caption_) return;
  caption_ = std::move(caption);
  notify(ControlChange::Caption);
}

void Control::setToolTip(std::string tip) {
  if (tip == toolTip_) return;
  toolTip_ = std::move(tip);
  notify(ControlChange::Caption);
}

bool Control::enabled() const {
  if (!enabled_) return false;
  return frame_ == nullptr || frame_->enabled();
}

bool Control::visible() const {
  if (!visible_) return false;
  return frame_ == nullptr || frame_->visible();
}

void Control::setEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  notify(ControlChange::State);
}

void Control::setVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  notify(ControlChange::State);
}

void TextBox::setText(std::string text) {
  if (text == text_) return;
  text_ = std::move(text);
  notify(ControlChange::Text);
  fire(onChange);
}

void TextBox::setLocked(bool locked) {
  if (locked == locked_) return;
  locked_ = locked;
  notify(ControlChange::State);
}

void TextBox::setBold(bool bold) {
  if (bold == bold_) return;
  bold_ = bold;
  notify(ControlChange::Style);
}

void ListBox::clear() {
  items_.clear();
  chosen_.reset();
  notify(ControlChange::Items);
}

void ListBox::add(std::string item) {
  items_.push_back(std::move(item));
  notify(ControlChange::Items);
}

void ListBox::choose(std::optional<int> index) {
  if (index && (*index < 0 || *index >= count())) index.reset();
  if (index == chosen_) return;
  chosen_ = index;
  notify(ControlChange::Chosen);
  if (chosen_) fire(onChosen);
}

std::string ListBox::chosenText() const {
  return chosen_ ? items_[*chosen_] : std::string();
}

void ListBox::setHeightTwips(int twips) {
  if (twips == heightTwips_) return;
  heightTwips_ = twips;
  notify(ControlChange::Style);
}

OptionButton::OptionButton(std::string name, Frame* frame, std::vector<OptionButton*>* group)
    : Control(std::move(name), frame), group_(group) {
  if (group_) group_->push_back(this);
}

void OptionButton::setValue(bool value) {
  if (value == value_) return;
  value_ = value;
  if (value && group_) {
    for (OptionButton* other : *group_) {
      if (other != this && other->value_) {
        other->value_ = false;
        other->notify(ControlChange::Chosen);
      }
    }
  }
  notify(ControlChange::Chosen);
  if (value) fire(onClick);
}

void CommandButton::click() {
  if (!enabled() || !visible()) return;
  fire(onClick);
}

void Picture::click() {
  if (!enabled() || !visible()) return;
  fire(onClick);
}

void StatusBar::setPanelText(std::string text) {
  if (text == panelText_) return;
  panelText_ = std::move(text);
  notify(ControlChange::Text);
}

TabStrip::TabStrip(std::string name, Frame* frame, std::vector<std::string> tabs)
    : Control(std::move(name), frame), tabs_(std::move(tabs)) {}

void TabStrip::select(int index) {
  if (index < 0 || index >= static_cast<int>(tabs_.size())) return;
  if (index != selected_) {
    selected_ = index;
    notify(ControlChange::Selection);
  }
  fire(onClick);
}

Grid::Grid(std::string name, Frame* frame, int columns)
    : Control(std::move(name), frame), columns_(columns), cells_(1) {
  cells_[0].resize(static_cast<std::size_t>(columns));
}

void Grid::changed(ControlChange change) {
  if (batchDepth_ > 0) {
    batchChanged_ = true;
  } else {
    notify(change);
  }
}

void Grid::setRows(int rows) {
  rows = std::max(rows, 1);
  if (rows == this->rows()) return;
  cells_.resize(static_cast<std::size_t>(rows));
  for (auto& row : cells_) row.resize(static_cast<std::size_t>(columns_));
  if (selectedRow_ >= rows) selectedRow_ = 0;
  changed(ControlChange::Cells);
}

const std::string& Grid::cell(int row, int column) const {
  return cells_.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(column));
}

void Grid::setCell(int row, int column, std::string text) {
  auto& target = cells_.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(column));
  if (target == text) return;
  target = std::move(text);
  changed(ControlChange::Cells);
}

void Grid::selectRow(int row) {
  if (row < 0 || row >= rows()) row = 0;
  if (row == selectedRow_) return;
  selectedRow_ = row;
  changed(ControlChange::Selection);
}

void Grid::clickRow(int row) {
  if (!enabled()) return;
  selectRow(row);
  fire(onClick);
}

void Grid::activateRow(int row) {
  if (!enabled()) return;
  selectRow(row);
  fire(onActivate);
}

Grid::Batch::Batch(Grid& grid) : grid_(grid) {
  ++grid_.batchDepth_;
}

Grid::Batch::~Batch() {
  if (--grid_.batchDepth_ == 0 && grid_.batchChanged_) {
    grid_.batchChanged_ = false;
    grid_.notify(ControlChange::Cells);
  }
}

DriveList::DriveList(std::string name, Frame* frame, std::vector<std::string> drives)
    : Control(std::move(name), frame), drives_(std::move(drives)) {
  if (!drives_.empty()) drive_ = drives_.front();
}

void DriveList::setDrive(std::string drive) {
  if (drive == drive_) return;
  drive_ = std::move(drive);
  notify(ControlChange::Chosen);
  fire(onChange);
}

void DirectoryList::setPath(std::string path) {
  if (path == path_) return;
  path_ = std::move(path);
  notify(ControlChange::Items);
  fire(onChange);
}

std::vector<std::string> DirectoryList::subdirectories() const {
  std::vector<std::string> names;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(path_, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code typeError;
    if (it->is_directory(typeError)) names.push_back(it->path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::vector<std::string> DirectoryList::entries() const {
  std::vector<std::string> entries = subdirectories();
  if (std::filesystem::path(path_).has_relative_path())
    entries.insert(entries.begin(), kParentEntry);
  return entries;
}

void DirectoryList::open(const std::string& entry) {
  const std::filesystem::path current(path_);
  const auto next = entry == kParentEntry ? current.parent_path() : current / entry;
  setPath(next.lexically_normal().string());
}

}  // namespace survey
