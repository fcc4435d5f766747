#pragma once

#include "program/services.h"

#include <QString>

// Every message and question box of the lesson, by code. Callers pass a code;
// the catalogue builds the text and chooses buttons and icon.
namespace app {

struct Message {
    QString text;
    int flags = box::OkOnly;
};

extern const QString MessageTitle;  // "Електронен урок"

// Codes of the main window. Codes 40, 41 and 42 report work that could not be
// saved; detail names the file. Code 43: the class settings file could not be
// read; detail names the file and the reason. Code 50: the computer's shared
// configuration is binding and the working folder's own is not read; detail
// names the shared file. Code 51: the working folder is read-only; detail names
// it. Codes 60 to 63: below.
Message mainWindowMessage(quint8 code, const QString& detail = {});
// Codes of the task workbench.
Message workbenchMessage(quint8 code, const QString& detail = {});

namespace message_code {
constexpr quint8 ConfigMissing = 1;
constexpr quint8 ExitQuestion = 2;
constexpr quint8 ConfigFaulty = 3;
constexpr quint8 SwitchTask = 2;
constexpr quint8 HardTask = 3;
constexpr quint8 SaveFailed = 40;
constexpr quint8 RecordFailed = 41;
constexpr quint8 AttemptLogFailed = 42;
constexpr quint8 ClassSettingsUnusable = 43;
constexpr quint8 SharedConfigurationBinding = 50;
constexpr quint8 ReadOnlyFolder = 51;
// The results of a run: answers of a run that did not end, offered back
// (detail: when and whose); the hand-in folder cannot be used (detail: the
// folder and why); the author's solution is not saved over the student's
// answer (workbench, detail: the file); an export of the results window
// failed (detail: the file and why).
constexpr quint8 AnswersKept = 60;
constexpr quint8 HandInUnusable = 61;
constexpr quint8 AuthorSolutionNotSaved = 62;
constexpr quint8 ResultsNotSaved = 63;
}  // namespace message_code

// Shows the box and returns "Yes" exactly when the user answered Yes, else "No".
QString showMessage(MessageService& messages, const Message& message);

}  // namespace app
