#pragma once

#include "content/result.h"

#include <QString>
#include <QTemporaryDir>
#include <memory>

// The private folders of checks and their precompiled headers, all under the
// checker's cache folder: <cache>/jobs/job-<pid>-XXXXXX for each check (gone
// when the check ends, whatever way it ends; a killed lesson's are removed by
// the next check) and <cache>/pch/<key>/ for the headers, at most a set size
// in all, the least recently used going first.
namespace checker {

class JobFolder {
public:
    // Creates the folder, open to the sandbox's user (nobody for an
    // administrator), and removes the folders of lessons no longer running.
    static content::Result<std::shared_ptr<JobFolder>> create(const QString& cacheFolder);

    QString path() const { return dir_.path(); }
    QString filePath(const QString& name) const { return dir_.filePath(name); }
    // Free bytes on the folder's disk.
    qint64 freeBytes() const;

private:
    explicit JobFolder(const QString& pattern) : dir_(pattern) {}
    QTemporaryDir dir_;
};

// Writes bytes to a new file of the folder; false when any step failed.
bool writeJobFile(const QString& path, const QByteArray& bytes);

// Moves a precompiled header built in a job's folder into its cache folder,
// with the header text beside it. Another lesson building the same header
// at the same time is no harm: the rename replaces a whole file.
bool installHeader(const QString& built, const QString& text, const QString& headerFolder);
// Notes that the header folder was used now.
void markHeaderUsed(const QString& headerFolder);
// Removes the least recently used header folders of the cache until the rest
// take at most maxBytes; keep is never removed.
void trimHeaderCache(const QString& cacheFolder, qint64 maxBytes, const QString& keep);

}  // namespace checker
