#include "entry/file_chooser_screen.h"

#include <filesystem>

#include "shell/program.h"
#include "uddf/export/uddf_export.h"

namespace survey {

FileChooserScreen::FileChooserScreen(Program& program, std::string name, std::string caption,
                                     ControlName<Frame> frameName, std::string frameCaption,
                                     ControlName<ListBox> fileListName)
    : Screen(program, std::move(name), std::move(caption)),
      frame_(add(frameName, nullptr)),
      drives_(add(kDriveList, &frame_, std::vector<std::string>{"/"})),
      directory_(add(kDirectoryList, &frame_)),
      files_(add(fileListName, &frame_)) {
  frame_.setCaption(std::move(frameCaption));
  drives_.setCaption("Drive");
  auto& driveLabel = add(kDriveLabel, &frame_);
  driveLabel.setCaption("Drive");
  driveLabel.setLabelled(&drives_);
  directory_.setCaption("Directory");
  files_.setCaption("Files");
  drives_.onChange = [this] { changeDrive(); };
  directory_.onChange = [this] { refreshFiles(); };
  auto& okButton = add(kOkButton, &frame_);
  okButton.setCaption("OK");
  okButton.onClick = [this] { ok(); };
}

void FileChooserScreen::load() {
  directory_.setPath(program().platform.programDirectory().string());
  refreshFiles();
}

void FileChooserScreen::changeDrive() {
  std::error_code ec;
  if (!std::filesystem::is_directory(drives_.drive(), ec)) {
    program().tell(std::string(uddf::kInvalidDriveMessage));
    return;
  }
  directory_.setPath(drives_.drive());
}

void FileChooserScreen::refreshFiles() {
  files_.clear();
  std::error_code ec;
  int listed = 0;
  for (std::filesystem::directory_iterator it(directory_.path(), ec), end;
       !ec && it != end && listed < kMaxListedFiles; it.increment(ec)) {
    std::error_code typeError;
    if (!it->is_regular_file(typeError)) continue;
    const std::string name = it->path().filename().string();
    if (!this->listed(name)) continue;
    files_.add(name);
    ++listed;
  }
}

}  // namespace survey
