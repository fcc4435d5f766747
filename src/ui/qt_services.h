#pragma once

#include "program/services.h"

namespace ui {

class QtMessages : public app::MessageService {
public:
    bool show(const QString& text, int flags, const QString& title) override;
};

class QtClipboard : public app::ClipboardService {
public:
    void clear() override;
};

class WorkingFolderDrive : public app::DriveService {
public:
    quint8 driveType() override;
    bool workingFolderWritable() override;
};

class QtFonts : public app::FontService {
public:
    QStringList screenFonts() override;
    bool showsCyrillic(const QString& family) override;
};

class QtEnd : public app::EndService {
public:
    void endProgram() override;
};

class SystemClock : public app::ClockService {
public:
    QDateTime now() override;
};

class Dispatcher;

// Work put off until the event loop is back: it runs through the dispatcher,
// as every handler does, and not at all once the program has ended.
class EventLoopLater : public app::LaterService {
public:
    void runLater(std::function<void()> work) override;
    Dispatcher* dispatcher = nullptr;  // set once the view exists
};

}  // namespace ui
