#pragma once

#include "program/program.h"
#include "ui/program_view.h"
#include "ui/qt_services.h"

#include <QTranslator>

class QApplication;

namespace ui {

// Bulgarian number formats and the toolkit's own texts in Bulgarian.
void installBulgarian(QApplication& application, QTranslator& translator);

// The lesson as the executable runs it: Bulgarian standard texts, the Qt
// services, the program and its view.
class LessonApplication {
public:
    explicit LessonApplication(QApplication& application);
    ~LessonApplication();

    // Runs the start-up and shows the main window.
    void start();
    app::Program& program() { return program_; }
    ProgramView& view() { return view_; }

private:
    QTranslator translator_;
    QtMessages messages_;
    QtClipboard clipboard_;
    WorkingFolderDrive drive_;
    QtFonts fonts_;
    QtEnd end_;
    SystemClock clock_;
    EventLoopLater later_;
    app::Program program_;
    ProgramView view_;
};

}  // namespace ui
