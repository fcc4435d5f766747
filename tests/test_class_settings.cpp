// The class settings file beside the configuration: its text, what it
// refuses, and the lesson reading it at start-up.
#include "content/class_settings.h"
#include "main_window/lesko.h"
#include "program/messages.h"
#include "support/lesson_files.h"
#include "support/scripted_services.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace testing_support;

class TestClassSettings : public QObject {
    Q_OBJECT
private slots:
    void writtenTextReadsBack();
    void readsWhatATeacherWrites_data();
    void readsWhatATeacherWrites();
    void refusesDamagedOrForeignFiles_data();
    void refusesDamagedOrForeignFiles();
    void lessonReadsTheFileBesideTheConfiguration();
    void lessonReportsADamagedFileAndGoesOn();
};

void TestClassSettings::writtenTextReadsBack()
{
    const content::ClassSettings settings{true, true, u"/mnt/клас 7а; смяна"_s};
    const auto read = content::parseClassSettings(content::serialiseClassSettings(settings, u"FUNKR"_s));
    QVERIFY2(read.ok(), qPrintable(read.reason()));
    QCOMPARE(*read, settings);
    QVERIFY(content::parseClassSettings({}).ok());
    QCOMPARE(*content::parseClassSettings({}), content::ClassSettings{});
}

void TestClassSettings::readsWhatATeacherWrites_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("askName");
    QTest::addColumn<QString>("folder");
    QTest::addRow("Bulgarian yes, CR LF, byte-order mark")
        << QByteArray("\xEF\xBB\xBF[class]\r\nask-name = да\r\n") << true << QString();
    QTest::addRow("comments and blanks") << QByteArray("; бележка\n\n# още\n[ class ]\n  ask-name=0  \n") << false
                                         << QString();
    QTest::addRow("folder keeps inner blanks")
        << QByteArray("[class]\nhand-in-folder =  /srv/a b  \n") << false << u"/srv/a b"_s;
}

void TestClassSettings::readsWhatATeacherWrites()
{
    QFETCH(QByteArray, text);
    const auto read = content::parseClassSettings(text);
    QVERIFY2(read.ok(), qPrintable(read.reason()));
    QTEST(read->askStudentName, "askName");
    QTEST(read->handInFolder, "folder");
}

void TestClassSettings::refusesDamagedOrForeignFiles_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("reason");
    QTest::addRow("another section") << QByteArray("[lesson]\ntasks-kept = 20\n")
                                     << u"Ред 1: непознат раздел [lesson]; очаква се [class]."_s;
    QTest::addRow("unknown key") << QByteArray("[class]\nask = yes\n") << u"Ред 2: непознато име „ask“."_s;
    QTest::addRow("not yes or no") << QByteArray("[class]\nbinding = maybe\n")
                                   << u"Ред 2: binding: очаква се yes или no."_s;
    QTest::addRow("line without a value")
        << QByteArray("[class]\nask-name\n") << u"Ред 2: очаква се „име = стойност“ или „[раздел]“."_s;
    QTest::addRow("value before the section")
        << QByteArray("ask-name = yes\n") << u"Ред 1: стойност извън раздела [class]."_s;
    QTest::addRow("not UTF-8") << QByteArray("[class]\nhand-in-folder = \xFF\n") << u"файлът не е текст в UTF-8."_s;
    QTest::addRow("binary") << QByteArray("[class]\0\0", 9) << u"файлът не е текст в UTF-8."_s;
    QTest::addRow("too long") << QByteArray(content::MaxClassSettingsBytes + 1, ';')
                              << u"файлът е по-дълъг от 65536 байта и не е файл с настройки на класа."_s;
}

void TestClassSettings::refusesDamagedOrForeignFiles()
{
    QFETCH(QByteArray, text);
    const auto read = content::parseClassSettings(text);
    QVERIFY(!read.ok());
    QTEST(read.reason(), "reason");
}

void TestClassSettings::lessonReadsTheFileBesideTheConfiguration()
{
    TestLesson t;
    QVERIFY(writeFile(t.path(u"FUNKR_klas.ini"_s), "[class]\nask-name = yes\nhand-in-folder = /srv/klas\n"));
    startOpenLesson(t);
    QVERIFY(t.program().classSettings().askStudentName);
    QCOMPARE(t.program().classSettings().handInFolder, u"/srv/klas"_s);
    QVERIFY(t.services.shown.isEmpty());
}

void TestClassSettings::lessonReportsADamagedFileAndGoesOn()
{
    TestLesson t;
    QVERIFY(writeFile(t.path(u"FUNKR_klas.ini"_s), "[class]\nask-name = maybe\n"));
    startOpenLesson(t);
    QVERIFY(!t.program().classSettings().askStudentName);
    QCOMPARE(t.services.shown.size(), 1);
    const QString text = t.services.shown.first().text;
    QVERIFY2(text.startsWith(u"43\r\nНастройките на класа не могат да бъдат прочетени:\r\n"_s), qPrintable(text));
    QVERIFY(text.contains(u"FUNKR_klas.ini: Ред 2: ask-name: очаква се yes или no."_s));
    QVERIFY(text.endsWith(u"Урокът продължава без тях."_s));
    QVERIFY(t.program().lesko().Visible());
}

QTEST_GUILESS_MAIN(TestClassSettings)
#include "test_class_settings.moc"
