// A window beside the working screens where a file is named or chosen: a drive
// list, a directory list, a file list and "OK".
#pragma once

#include <string>

#include "shell/screen.h"

namespace survey {

class FileChooserScreen : public Screen {
 public:
  static constexpr int kMaxListedFiles = 100;

  static constexpr ControlName<DriveList> kDriveList{"Drive1"};
  static constexpr ControlName<Label> kDriveLabel{"LabelDrive"};
  static constexpr ControlName<DirectoryList> kDirectoryList{"Dir1"};
  static constexpr ControlName<CommandButton> kOkButton{"Command3"};

  FileChooserScreen(Program& program, std::string name, std::string caption,
                    ControlName<Frame> frameName, std::string frameCaption,
                    ControlName<ListBox> fileListName);
  void load() override;

  DriveList& drives() const { return drives_; }
  DirectoryList& directory() const { return directory_; }
  ListBox& files() const { return files_; }

 protected:
  // Whether a plain file of the directory belongs in the file list.
  virtual bool listed(const std::string& fileName) const = 0;
  virtual void ok() = 0;
  Frame& frame() const { return frame_; }

 private:
  void refreshFiles();
  void changeDrive();

  Frame& frame_;
  DriveList& drives_;
  DirectoryList& directory_;
  ListBox& files_;
};

}  // namespace survey
