// A computer lab: the computer's shared configuration and its binding mark,
// the folders the lesson runs in (read-only, on a drive that keeps no work),
// and how the drive type of a file system is told.
#include "configuration/configuration_source.h"
#include "files/drive_type.h"
#include "files/working_folder.h"
#include "main_window/lesko.h"
#include "program/exit.h"
#include "program/messages.h"
#include "support/lesson_files.h"
#include "support/scripted_services.h"
#include "workbench/lesko_n.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace testing_support;

namespace {

// A configuration whose version, shown in the main window's caption, tells
// which file the lesson read.
QByteArray configurationOfVersion(TestLesson& t, int hundredths)
{
    content::ConfigRecords records = app::openLessonConfig(t.program());
    records[2].Count = hundredths;
    return content::serialiseConfig(records);
}

QString captionVersion(TestLesson& t)
{
    const QString caption = t.program().lesko().Caption();
    return caption.mid(caption.indexOf(u"Версия"_s)).section(u" от "_s, 0, 0);
}

// The computer's shared configuration folder, in XDG_CONFIG_DIRS for the test.
class SharedFolder {
public:
    SharedFolder() : previous_(qgetenv("XDG_CONFIG_DIRS"))
    {
        QDir().mkpath(root_.filePath(u"lesko"_s));
        qputenv("XDG_CONFIG_DIRS", QFile::encodeName(missing_.path() + u":"_s + root_.path()));
    }
    ~SharedFolder() { qputenv("XDG_CONFIG_DIRS", previous_); }
    QString path(const QString& name) const { return root_.filePath(u"lesko/"_s + name); }

private:
    QByteArray previous_;
    QTemporaryDir missing_;  // searched first, holds nothing
    QTemporaryDir root_;
};

QStringList messageCodes(const TestLesson& t)
{
    QStringList codes;
    for (const ShownMessage& m : t.services.shown)
        codes << m.text.section(u"\r\n"_s, 0, 0);
    return codes;
}

}  // namespace

class TestLabConfiguration : public QObject {
    Q_OBJECT
private slots:
    void sharedFoldersFollowXdgConfigDirs_data();
    void sharedFoldersFollowXdgConfigDirs();
    void whereTheConfigurationComesFrom_data();
    void whereTheConfigurationComesFrom();
    void aBindingSharedFileIsSaidOnceAndIgnoresTheStudentsSettings();
    void aDamagedSharedSettingsFileIsReportedAndBindsNothing();
    void theSaveRuleTurnsSavingOffAndSaysWhy_data();
    void theSaveRuleTurnsSavingOffAndSaysWhy();
    void fileSystemsAndTheirDriveTypes_data();
    void fileSystemsAndTheirDriveTypes();
    void theMountTypeIsFoundByDevice();
};

void TestLabConfiguration::sharedFoldersFollowXdgConfigDirs_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QStringList>("folders");
    QTest::addRow("unset: /etc/xdg") << QString() << QStringList{u"/etc/xdg/lesko"_s};
    QTest::addRow("two folders in order")
        << u"/opt/klas:/etc/xdg/"_s << QStringList{u"/opt/klas/lesko"_s, u"/etc/xdg/lesko"_s};
    QTest::addRow("relative and empty entries skipped") << u"::etc:/srv/a"_s << QStringList{u"/srv/a/lesko"_s};
    QTest::addRow("only relative entries: the default") << u"xdg"_s << QStringList{u"/etc/xdg/lesko"_s};
}

void TestLabConfiguration::sharedFoldersFollowXdgConfigDirs()
{
    QFETCH(QString, value);
    QTEST(app::sharedConfigurationFolders(value), "folders");
}

void TestLabConfiguration::whereTheConfigurationComesFrom_data()
{
    QTest::addColumn<bool>("own");
    QTest::addColumn<bool>("shared");
    QTest::addColumn<bool>("binding");
    QTest::addColumn<QString>("version");
    QTest::addColumn<QStringList>("codes");
    QTest::addColumn<bool>("askName");
    QTest::addRow("the working folder's own file")
        << true << false << false << u"Версия  1.11"_s << QStringList() << true;
    QTest::addRow("without one, the shared file and its settings")
        << false << true << false << u"Версия  2.22"_s << QStringList() << false;
    QTest::addRow("the own file before a shared one that does not bind")
        << true << true << false << u"Версия  1.11"_s << QStringList() << true;
    QTest::addRow("a binding shared file wins")
        << true << true << true << u"Версия  2.22"_s << QStringList{u"50"_s} << false;
    QTest::addRow("neither: message 1") << false << false << false << u"Версия  .96"_s << QStringList{u"1"_s} << true;
}

// The working folder's settings ask for names, the shared ones do not: which
// settings were read tells beside which file they were.
void TestLabConfiguration::whereTheConfigurationComesFrom()
{
    QFETCH(bool, own);
    QFETCH(bool, shared);
    QFETCH(bool, binding);
    SharedFolder folder;
    TestLesson t;
    QVERIFY(writeFile(t.path(u"FUNKR_klas.ini"_s), "[class]\nask-name = yes\n"));
    if (own)
        QVERIFY(writeFile(t.path(u"FUNKR.UFG"_s), configurationOfVersion(t, 111)));
    if (shared) {
        QVERIFY(writeFile(folder.path(u"FUNKR.UFG"_s), configurationOfVersion(t, 222)));
        QVERIFY(writeFile(folder.path(u"FUNKR_klas.ini"_s),
                          binding ? "[class]\nbinding = yes\n" : "[class]\nask-name = no\n"));
    }
    t.program().start();
    QTEST(captionVersion(t), "version");
    QTEST(messageCodes(t), "codes");
    QTEST(t.program().classSettings().askStudentName, "askName");
    QCOMPARE(t.program().classSettings().binding, binding);
}

void TestLabConfiguration::aBindingSharedFileIsSaidOnceAndIgnoresTheStudentsSettings()
{
    SharedFolder folder;
    TestLesson t;
    QVERIFY(writeFile(folder.path(u"FUNKR.UFG"_s), configurationOfVersion(t, 222)));
    QTemporaryDir handIn;
    QVERIFY(writeFile(folder.path(u"FUNKR_klas.ini"_s),
                      "[class]\nbinding = yes\nhand-in-folder = " + QFile::encodeName(handIn.path()) + "\n"));
    QVERIFY(writeFile(t.path(u"FUNKR.UFG"_s), configurationOfVersion(t, 111)));
    QVERIFY(writeFile(t.path(u"FUNKR_klas.ini"_s), "[class]\nhand-in-folder = /tmp/moi\n"));
    t.program().start();
    QCOMPARE(t.services.shown.size(), 1);
    const ShownMessage& said = t.services.shown.first();
    QCOMPARE(said.text, u"50\r\nНа този компютър настройките на урока са общи и задължителни:\r\n"_s +
                            folder.path(u"FUNKR.UFG"_s) +
                            u"\r\nКонфигурационният файл в папката на урока не се чете."_s);
    QCOMPARE(said.flags, app::box::OkOnly);
    QCOMPARE(t.program().classSettings().handInFolder, handIn.path());
    // The lesson goes on: a save and the exit say nothing more about it.
    t.program().lesko().mnu_Wyprosi_Click();
    t.program().lesko_n().mnu_ZapReshen_Click(Lesko_n::SaveAnswerOnly);
    QCOMPARE(t.services.shown.size(), 1);
}

void TestLabConfiguration::aDamagedSharedSettingsFileIsReportedAndBindsNothing()
{
    SharedFolder folder;
    TestLesson t;
    QVERIFY(writeFile(folder.path(u"FUNKR.UFG"_s), configurationOfVersion(t, 222)));
    QVERIFY(writeFile(folder.path(u"FUNKR_klas.ini"_s), "[class]\nbinding = может\n"));
    QVERIFY(writeFile(t.path(u"FUNKR.UFG"_s), configurationOfVersion(t, 111)));
    t.program().start();
    QCOMPARE(messageCodes(t), QStringList{u"43"_s});
    QVERIFY(t.services.shown.first().text.contains(folder.path(u"FUNKR_klas.ini"_s) +
                                                   u": Ред 2: binding: очаква се yes или no."_s));
    QCOMPARE(captionVersion(t), u"Версия  1.11"_s);
}

void TestLabConfiguration::theSaveRuleTurnsSavingOffAndSaysWhy_data()
{
    QTest::addColumn<int>("drive");
    QTest::addColumn<bool>("writable");
    QTest::addColumn<QString>("toolTip");
    QTest::addColumn<QStringList>("codes");
    const QString driveRule =
        u"Записът е изключен: урокът е стартиран от мрежов диск, компактдиск или диск в паметта."_s;
    QTest::addRow("a fixed drive saves") << int(app::DriveFixed) << true << QString() << QStringList();
    QTest::addRow("a network drive: no message, the tool tip says why")
        << int(app::DriveNetwork) << true << driveRule << QStringList();
    QTest::addRow("a CD-ROM") << int(app::DriveCdRom) << false << driveRule << QStringList();
    QTest::addRow("a read-only folder on a fixed drive is told once")
        << int(app::DriveFixed) << false << u"Записът е изключен: папката на урока е само за четене."_s
        << QStringList{u"51"_s};
}

void TestLabConfiguration::theSaveRuleTurnsSavingOffAndSaysWhy()
{
    QFETCH(int, drive);
    QFETCH(bool, writable);
    QFETCH(QString, toolTip);
    QFETCH(QStringList, codes);
    TestLesson t;
    t.services.drive = quint8(drive);
    t.services.writable = writable;
    startOpenLesson(t);
    Lesko_n& bench = t.program().lesko_n();
    QCOMPARE(bench.zap_resheshenie.Enabled(), toolTip.isEmpty());
    QCOMPARE(bench.zap_resheshenie.ToolTipText(), toolTip);
    QCOMPARE(messageCodes(t), codes);
    if (!codes.isEmpty())
        QVERIFY(t.services.shown.first().text.contains(app::currentFolderPath()));
    QCOMPARE(app::recordsMayBeWritten(t.program()), toolTip.isEmpty());
    // Opening tasks and leaving asks nothing more and writes nothing.
    t.program().lesko().mnu_Wyprosi_Click();
    bench.Text_Un[Lesko_n::AnswerBox].userEdited(u"отговор на задачата"_s);
    bench.mnu_IzhodN_Click();
    t.services.answers = {true};
    t.program().lesko().Izhod_Click();
    QCOMPARE(messageCodes(t), codes + QStringList{u"Желаете ли изход от урока?"_s});
    // The configuration, and where saving is allowed the answer record, the
    // attempt log and the answers kept for a restart.
    QCOMPARE(QDir(t.folder()).entryList(QDir::Files).size(), toolTip.isEmpty() ? 4 : 1);
}

void TestLabConfiguration::fileSystemsAndTheirDriveTypes_data()
{
    QTest::addColumn<qulonglong>("magic");
    QTest::addColumn<bool>("removable");
    QTest::addColumn<QString>("mountType");
    QTest::addColumn<int>("drive");
    QTest::addRow("ext4") << 0xEF53ull << false << u"ext4"_s << int(app::DriveFixed);
    QTest::addRow("a USB stick") << 0x4d44ull << true << u"vfat"_s << int(app::DriveRemovable);
    QTest::addRow("NFS") << 0x6969ull << false << u"nfs4"_s << int(app::DriveNetwork);
    QTest::addRow("SMB 3") << 0xFE534D42ull << false << u"cifs"_s << int(app::DriveNetwork);
    QTest::addRow("Ceph") << 0x00C36400ull << false << u"ceph"_s << int(app::DriveNetwork);
    QTest::addRow("a CD") << 0x9660ull << true << u"iso9660"_s << int(app::DriveCdRom);
    QTest::addRow("tmpfs") << 0x01021994ull << false << u"tmpfs"_s << int(app::DriveRam);
    QTest::addRow("sshfs through FUSE") << 0x65735546ull << false << u"fuse.sshfs"_s << int(app::DriveNetwork);
    QTest::addRow("a share through GVfs") << 0x65735546ull << false << u"fuse.gvfsd-fuse"_s << int(app::DriveNetwork);
    QTest::addRow("NTFS on a USB disk through FUSE")
        << 0x65735546ull << true << u"fuseblk"_s << int(app::DriveRemovable);
    QTest::addRow("a local FUSE folder") << 0x65735546ull << false << u"fuse.bindfs"_s << int(app::DriveFixed);
}

void TestLabConfiguration::fileSystemsAndTheirDriveTypes()
{
    QFETCH(qulonglong, magic);
    QFETCH(bool, removable);
    QFETCH(QString, mountType);
    QTEST(int(app::driveTypeForFileSystem((unsigned long)(magic), removable, mountType)), "drive");
}

void TestLabConfiguration::theMountTypeIsFoundByDevice()
{
    const QByteArray mountInfo =
        "22 1 254:1 / / rw,relatime shared:1 - ext4 /dev/vda1 rw\n"
        "40 22 0:48 / /home/ana rw,nosuid shared:20 - fuse.sshfs ana@server:/home/ana rw,user_id=1000\n"
        "41 22 0:49 / /media/cd ro - iso9660 /dev/sr0 ro\n";
    QCOMPARE(app::mountTypeOf(mountInfo, 0, 48), u"fuse.sshfs"_s);
    QCOMPARE(app::mountTypeOf(mountInfo, 254, 1), u"ext4"_s);
    QCOMPARE(app::mountTypeOf(mountInfo, 0, 4), QString());
    QCOMPARE(app::mountTypeOf("broken line\n0 0 0:48 /\n", 0, 48), QString());
}

QTEST_GUILESS_MAIN(TestLabConfiguration)
#include "test_lab_configuration.moc"
