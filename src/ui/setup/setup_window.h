#pragma once

#include "content/class_settings.h"
#include "setup/class_configuration.h"
#include "setup/config_store.h"
#include "configuration/lesson_facts.h"

#include <QMainWindow>
#include <functional>

class QApplication;
class QLabel;
class QListWidget;
class QPushButton;
class QStackedWidget;

namespace ui {

namespace setup_pages {
class Page;
}

// The file the setup edits.
struct SetupTarget {
    QString path;         // a plain name in the working folder, or a path
    bool shared = false;  // the computer's shared file
};

// The setup mode: the class configuration file and the class settings beside
// it, edited page by page and written back with "Запис" or "Запис като…". The
// window says which file it writes and which one the lesson will read.
class SetupWindow : public QMainWindow {
    Q_OBJECT
public:
    SetupWindow(const setup::LessonFacts& lesson, const SetupTarget& target, QWidget* parent = nullptr);
    ~SetupWindow() override;

    // Asks a yes/no question; tests answer it themselves.
    std::function<bool(const QString& question)> confirm;
    // Reports a failure.
    std::function<void(const QString& message)> warn;
    // Asks where "Запис като…" writes; empty when the user cancels.
    std::function<QString()> chooseFile;

    bool hasChanges() const { return !(configuration_ == saved_) || !(classSettings_ == savedSettings_); }
    const setup::ClassConfiguration& configuration() const { return configuration_; }
    const content::ClassSettings& classSettings() const { return classSettings_; }
    const SetupTarget& target() const { return target_; }
    // Writes the file and its class settings; false when they were not written.
    bool save();
    // Writes them to a file the user chooses, which the window edits from then on.
    bool saveAs();
    // Opens the teacher's guide.
    void showGuide();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void load();
    void buildMenus();
    QWidget* buildPages();
    QWidget* buildButtons();
    void addPage(const QString& title, setup_pages::Page* page);
    void refresh();
    void showPaths();
    void showRefusal(const QString& reason);
    bool mayWrite(bool newFile);
    bool writeTo(bool newFile);

    const setup::LessonFacts& lesson_;
    SetupTarget target_;
    setup::LoadedConfiguration::State loadState_ = setup::LoadedConfiguration::State::Missing;
    bool settingsUnusable_ = false;
    bool settingsFileExisted_ = false;
    setup::ClassConfiguration configuration_;
    setup::ClassConfiguration saved_;
    content::ClassSettings classSettings_;
    content::ClassSettings savedSettings_;
    QString loadNote_;
    QList<setup_pages::Page*> pages_;
    QListWidget* pageList_ = nullptr;
    QStackedWidget* stack_ = nullptr;
    QLabel* writesTo_ = nullptr;
    QLabel* lessonReads_ = nullptr;
    QLabel* fileNote_ = nullptr;
    QLabel* problems_ = nullptr;
    QLabel* status_ = nullptr;
    QPushButton* save_ = nullptr;
};

// Runs the setup window until it is closed: on the working folder's file, on
// the one in the lesson's folder under documents (fromMenu), or on the
// computer's shared file (shared).
int runSetup(QApplication& application, bool fromMenu, bool shared);

}  // namespace ui
