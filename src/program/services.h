#pragma once

#include "files/drive_type.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <functional>

// What the windows need from the platform. The Qt build passes real
// implementations; tests pass scripted ones.
namespace app {

// Message box flags, as the catalogues use them.
namespace box {
constexpr int OkOnly = 0;
constexpr int YesNo = 4;
constexpr int Stop = 16;
constexpr int SecondButtonDefault = 256;
}  // namespace box

class MessageService {
public:
    virtual ~MessageService() = default;
    // Shows a modal box; true when the user answered Yes.
    virtual bool show(const QString& text, int flags, const QString& title) = 0;
};

class ClipboardService {
public:
    virtual ~ClipboardService() = default;
    virtual void clear() = 0;
};

class FontService {
public:
    virtual ~FontService() = default;
    // Every family the system offers, as it names them.
    virtual QStringList screenFonts() = 0;
    // Whether the family can show Cyrillic letters. A service that cannot tell
    // takes every family as able.
    virtual bool showsCyrillic(const QString& /*family*/) { return true; }
};

class EndService {
public:
    virtual ~EndService() = default;
    // Ends the program at once.
    virtual void endProgram() = 0;
};

class ClockService {
public:
    virtual ~ClockService() = default;
    // The local date and time now.
    virtual QDateTime now() = 0;
};

class LaterService {
public:
    virtual ~LaterService() = default;
    // Runs work once the handler now running has returned: a box shown from
    // a timer's tick is shown after the tick, so the timer goes on meanwhile.
    virtual void runLater(std::function<void()> work) = 0;
};

struct Services {
    MessageService& messages;
    ClipboardService& clipboard;
    DriveService& drive;
    FontService& fonts;
    EndService& end;
    ClockService& clock;
    LaterService& later;
};

}  // namespace app
