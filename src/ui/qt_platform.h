// The system around the program, through Qt: documents, printing, the busy pointer.
#pragma once

#include <QWidget>
#include <functional>

#include "shell/dialogs.h"
#include "shell/platform.h"

namespace survey::ui {

class QtPlatform : public Platform {
 public:
  // Its messages go through the program's dialogs, like every other message.
  QtPlatform(std::filesystem::path programDirectory, Dialogs& dialogs);
  std::filesystem::path programDirectory() const override { return directory_; }
  std::filesystem::path storeDirectory() const override {
    return storeDirectory_.empty() ? directory_ : storeDirectory_;
  }
  void setStoreDirectory(std::filesystem::path folder) { storeDirectory_ = std::move(folder); }
  bool openDocument(const std::string& pathOrAddress) override;
  void printScreen(const Screen& screen) override;
  void setBusy(bool busy) override;
  void quit() override;
  std::optional<std::filesystem::path> chooseSaveFile(const std::string& title,
                                                      const std::filesystem::path& suggested,
                                                      const std::string& filter) override;
  std::optional<std::filesystem::path> chooseOpenFile(const std::string& title,
                                                      const std::filesystem::path& folder,
                                                      const std::string& filter) override;
  std::string writePdf(const ReportDocument& document, const std::filesystem::path& file) override;

  // The widget that shows a screen, for printing its image.
  void setScreenWidgetProvider(std::function<QWidget*(const Screen&)> provider) {
    screenWidget_ = std::move(provider);
  }

 private:
  std::filesystem::path directory_;
  std::filesystem::path storeDirectory_;
  Dialogs& dialogs_;
  std::function<QWidget*(const Screen&)> screenWidget_;
};

// A file name typed without an extension the filters know ("PDF document (*.pdf);;CSV file
// (*.csv)") takes the chosen filter's, which says what kind of file is written.
QString withChosenExtension(const QString& file, const QString& filters,
                            const QString& chosenFilter);

}  // namespace survey::ui
