#pragma once

#include "app/services.h"

// Services for fuzzing: every box is answered No, nothing reaches a screen.
struct QuietServices : app::MessageService,
                       app::ClipboardService,
                       app::DriveService,
                       app::FontService,
                       app::EndService {
    bool show(const QString&, int, const QString&) override { return false; }
    void clear() override {}
    quint8 driveType() override { return app::DriveFixed; }
    QStringList screenFonts() override { return {QStringLiteral("Times New Roman")}; }
    void endProgram() override {}
    app::Services services() { return {*this, *this, *this, *this, *this}; }
};
