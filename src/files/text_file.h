#pragma once

#include "content/result.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

namespace app {

// Replaces a file of the working folder with bytes, whole or not at all. The
// bytes go to a new temporary file in the same folder, which is flushed to the
// disk and then renamed over the name. The rename replaces the name itself: a
// symbolic link standing there is replaced, never followed, so a save never
// writes outside the working folder. On any failure the temporary file is
// removed and the previous file stays as it was. A failure's reason is the
// system's error in words (errorText), its error() the error number of the
// step that failed. The name must be a plain file name without a folder.
content::Done replaceFileInWorkingFolder(const QString& name, const QByteArray& bytes);

// The same for a file in any folder.
content::Done replaceFile(const QString& path, const QByteArray& bytes);

// The same for text, written in Windows-1251 (a character outside the code
// page is written as "?").
content::Done writeTextFile(const QString& name, const QString& text);

// The system's error number in words a teacher reads: "няма място на диска".
QString errorText(int error);
// The system's own words for it, in the system's language (strerror).
QString systemErrorText(int error);

// Writes bytes to a new file of the folder under the first of names that no
// file has yet, the same way (temporary file, checked writes, fsync). The
// name is taken in the same step that puts the bytes there, so two programs
// writing into one folder at once never take the same name, whatever the
// disk's speed. Returns the name taken; a failure as replaceFile's (EEXIST
// when every name was taken).
content::Result<QString> createNewFile(const QString& folder, const QStringList& names, const QByteArray& bytes);

// Removes from the folder the hidden temporary files of saves that never
// finished (a program killed half-way leaves ".NAME.<pid>.<n>"), for the
// NAMEs ours accepts. A temporary file a running save holds is locked and
// stays. Returns how many were removed.
int removeLeftoverTemporaries(const QString& folder, const std::function<bool(const QString& name)>& ours);

// Reads a regular file of at most maxBytes. A folder, a pipe, a device or a
// socket is refused without waiting for it, and so is a longer file; the
// reason names the file.
content::Result<QByteArray> readRegularFile(const QString& path, qsizetype maxBytes);

}  // namespace app
