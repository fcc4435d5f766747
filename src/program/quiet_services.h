#pragma once

#include "program/services.h"

namespace app {

// Services for a program that only reads or computes (tools, fuzzers,
// benchmarks): every box is answered No, nothing reaches a screen, nothing ends,
// work put off for later runs at once.
struct QuietServices : MessageService,
                       ClipboardService,
                       DriveService,
                       FontService,
                       EndService,
                       ClockService,
                       LaterService {
    bool show(const QString&, int, const QString&) override { return false; }
    void clear() override {}
    quint8 driveType() override { return DriveFixed; }
    QStringList screenFonts() override { return {QStringLiteral("Times New Roman")}; }
    void endProgram() override {}
    QDateTime now() override { return QDateTime(QDate(2025, 1, 1), QTime(8, 0)); }
    void runLater(std::function<void()> work) override { work(); }
    Services services() { return {*this, *this, *this, *this, *this, *this, *this}; }
};

}  // namespace app
