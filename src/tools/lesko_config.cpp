// Writes the configuration file of the lesson into the working folder: the
// configuration that opens the lesson's features for a class.
#include "app/configuration.h"
#include "app/program.h"

#include <QCoreApplication>
#include <QFile>
#include <cstdio>

namespace {

struct Quiet : app::MessageService, app::ClipboardService, app::DriveService, app::FontService, app::EndService {
    bool show(const QString&, int, const QString&) override { return false; }
    void clear() override {}
    quint8 driveType() override { return app::DriveFixed; }
    QStringList screenFonts() override { return {}; }
    void endProgram() override {}
};

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    Quiet quiet;
    app::Program program({quiet, quiet, quiet, quiet, quiet});
    const QString name = app::lessonCode(program) + u".UFG";
    QFile file(name);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(content::serialiseConfig(app::openLessonConfig(program))) != content::ConfigFileSize) {
        std::fprintf(stderr, "Файлът %s не може да бъде записан.\n", qPrintable(name));
        return 1;
    }
    std::printf("%s\n", qPrintable(name));
    return 0;
}
