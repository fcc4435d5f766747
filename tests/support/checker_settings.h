#pragma once

#include "checker/commands.h"

#include <QFile>

// The checker's settings for a test: the build's own sandbox runner (tests
// live in another folder than the lesson) and a cache folder of the test's.
namespace testing_support {

inline checker::CheckSettings testCheckSettings(const QString& cacheFolder)
{
    checker::CheckSettings settings;
    settings.toolchain.runner = QStringLiteral(LESKO_RUNNER);
    settings.cacheFolder = cacheFolder;
    settings.limits.cpuMs = 1000;
    return settings;
}

// Writes a script others may run.
inline bool writeExecutable(const QString& path, const QByteArray& text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.flush() &&
           file.setPermissions(QFileDevice::Permissions(0x7755));
}

}  // namespace testing_support
