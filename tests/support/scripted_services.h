#pragma once

#include "program/program.h"
#include "program/services.h"

#include <QDir>
#include <QList>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <memory>

namespace testing_support {

struct ShownMessage {
    QString text;
    int flags;
    QString title;
};

// Scripted platform services: queued answers for message boxes (No when the
// queue is empty), a record of every box shown, a fixed drive type, whether
// the working folder can be written, a font
// list (with the families that show no Cyrillic), counters for clipboard clears
// and program ends, a clock set by the test, and the work put off for later,
// which runs when the test calls runDeferred().
struct ScriptedServices : app::MessageService,
                          app::ClipboardService,
                          app::DriveService,
                          app::FontService,
                          app::EndService,
                          app::ClockService,
                          app::LaterService {
    std::deque<bool> answers;
    QList<ShownMessage> shown;
    quint8 drive = app::DriveFixed;
    bool writable = true;  // whether the working folder can be written
    QStringList fonts{QStringLiteral("Arial"), QStringLiteral("Courier New"), QStringLiteral("Times New Roman")};
    QStringList latinOnlyFonts;  // families in fonts that show no Cyrillic
    int clipboardClears = 0;
    int ends = 0;
    // The clock stands still unless a test moves it.
    QDateTime clock{QDate(2025, 3, 10), QTime(9, 0)};

    bool show(const QString& text, int flags, const QString& title) override
    {
        shown.append({text, flags, title});
        if (answers.empty())
            return false;
        const bool yes = answers.front();
        answers.pop_front();
        return yes;
    }
    void clear() override { ++clipboardClears; }
    quint8 driveType() override { return drive; }
    bool workingFolderWritable() override { return writable; }
    QStringList screenFonts() override { return fonts; }
    bool showsCyrillic(const QString& family) override { return !latinOnlyFonts.contains(family); }
    void endProgram() override { ++ends; }
    QDateTime now() override { return clock; }
    void runLater(std::function<void()> work) override { deferred.push_back(std::move(work)); }
    // Runs the work put off so far, as the event loop would after a handler.
    void runDeferred()
    {
        while (!deferred.empty()) {
            const std::function<void()> work = std::move(deferred.front());
            deferred.pop_front();
            work();
        }
    }
    std::deque<std::function<void()>> deferred;

    app::Services services() { return {*this, *this, *this, *this, *this, *this, *this}; }
};

// A program in a fresh temporary working folder, with scripted services.
// Write a configuration file into folder() before calling start().
class TestLesson {
public:
    explicit TestLesson(const content::Lesson& lesson = content::Lesson::embedded()) : previous_(QDir::currentPath())
    {
        QDir::setCurrent(folder_.path());
        program_ = std::make_unique<app::Program>(services.services(), lesson);
    }
    ~TestLesson()
    {
        program_.reset();
        QDir::setCurrent(previous_);
    }

    ScriptedServices services;
    app::Program& program() { return *program_; }
    QString folder() const { return folder_.path(); }
    QString path(const QString& name) const { return folder_.filePath(name); }

private:
    QTemporaryDir folder_;
    QString previous_;
    std::unique_ptr<app::Program> program_;
};

}  // namespace testing_support
