#pragma once

#include <iconv.h>
#include <QByteArray>
#include <QDir>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QSysInfo>

using namespace Qt::StringLiterals;

// What the files the lesson leaves on disk should hold, built without the
// program's own code: the tests compare the bytes on disk with these.
namespace testing_support {

// The Windows-1251 bytes of a text, made by the C library's converter instead
// of the program's own encoder: every character the code page lacks becomes
// one "?", whatever its length in UTF-16.
inline QByteArray referenceWindows1251(const QString& text)
{
    const iconv_t converter = iconv_open("WINDOWS-1251", "UTF-32LE");
    if (converter == iconv_t(-1))
        return QByteArrayLiteral("<no Windows-1251 converter in the C library>");
    QByteArray out;
    out.reserve(text.size());
    for (char32_t codePoint : text.toUcs4()) {
        char in[4] = {char(codePoint & 0xFF), char((codePoint >> 8) & 0xFF), char((codePoint >> 16) & 0xFF),
                      char((codePoint >> 24) & 0xFF)};
        char byte = 0;
        char* inAt = in;
        char* outAt = &byte;
        size_t inLeft = sizeof in;
        size_t outLeft = 1;
        const bool converted = iconv(converter, &inAt, &inLeft, &outAt, &outLeft) != size_t(-1) && outLeft == 0;
        out += converted ? byte : '?';
        iconv(converter, nullptr, nullptr, nullptr, nullptr);  // a failed character leaves no state behind
    }
    iconv_close(converter);
    return out;
}

// The number of characters a student typed: a character outside the Basic
// Multilingual Plane counts once, not as its two UTF-16 halves.
inline qsizetype characterCount(const QString& text) { return text.toUcs4().size(); }

// The solution file of task 0 to 99 of the lesson FUNKR.
inline QString solutionFileName(int task)
{
    return u"FUNKR_"_s + QString::number(task).rightJustified(2, u'0') + u".TXT"_s;
}

// The answer record's text for the answers in the store, by task: a task is
// listed when its answer has more than 5 characters.
inline QString answerRecordText(const QMap<int, QString>& answers)
{
    QString text = u"Има въведен текст по следните задачи:\r\n"_s;
    for (auto answer = answers.cbegin(); answer != answers.cend(); ++answer) {
        if (characterCount(answer.value()) > 5)
            text += u"Задача  "_s + QString::number(answer.key()) + u"\r\n"_s + answer.value() + u"\r\n"_s;
    }
    return text;
}

// The attempt log's name for a run started at the scripted clock's first
// time on this computer: the host name with every character but ASCII
// letters, digits and "-" turned into "-".
inline QString attemptLogName()
{
    QString host = QSysInfo::machineHostName().left(40);
    for (QChar& c : host)
        if (!(c.unicode() < 128 && c.isLetterOrNumber()))
            c = u'-';
    return u"FUNKR_opiti_"_s + (host.isEmpty() ? u"pc"_s : host) + u"_20250310-090000.csv"_s;
}

// The file of the same run that keeps the typed answers for a restart.
inline QString keptAnswersName() { return attemptLogName().replace(u"_opiti_"_s, u"_otgowori_"_s); }

// Every entry of a folder, hidden ones too, sorted by name.
inline QStringList folderEntries(const QString& path)
{
    QStringList entries = QDir(path).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    entries.sort();
    return entries;
}

}  // namespace testing_support
