#pragma once

#include "setup/class_configuration.h"
#include "setup/config_store.h"
#include "setup/lesson_facts.h"

#include <QWidget>
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

// The setup mode: the class configuration file of the working folder, edited
// page by page and written back with "Запис".
class SetupWindow : public QWidget {
    Q_OBJECT
public:
    SetupWindow(const setup::LessonFacts& lesson, const QString& path, QWidget* parent = nullptr);
    ~SetupWindow() override;

    // Asks a yes/no question; tests answer it themselves.
    std::function<bool(const QString& question)> confirm;
    // Reports a failure.
    std::function<void(const QString& message)> warn;

    bool hasChanges() const { return !(configuration_ == saved_); }
    const setup::ClassConfiguration& configuration() const { return configuration_; }
    // Writes the file; false when it was not written.
    bool save();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildPages();
    QWidget* buildButtons();
    void addPage(const QString& title, setup_pages::Page* page);
    void refresh();
    void showRefusal(const QString& reason);

    const setup::LessonFacts& lesson_;
    QString path_;
    setup::LoadedConfiguration::State loadState_;
    setup::ClassConfiguration configuration_;
    setup::ClassConfiguration saved_;
    QList<setup_pages::Page*> pages_;
    QListWidget* pageList_ = nullptr;
    QStackedWidget* stack_ = nullptr;
    QLabel* fileNote_ = nullptr;
    QLabel* problems_ = nullptr;
    QLabel* status_ = nullptr;
    QPushButton* save_ = nullptr;
};

// Runs the setup window on the working folder's file until it is closed.
int runSetup(QApplication& application);

}  // namespace ui
