// Encoded task lines: the encoder for lesson authors, the decoder and the
// workbench's Fn_Decrypt, which decodes only when option 31 is on.
#include "content/task_cipher.h"
#include "support/workbench_lesson.h"

#include <QTest>

using namespace testing_support;

namespace {

// A line of the given length cycling through the characters of alphabet.
QString lineOf(int length, const QString& alphabet)
{
    QString line;
    for (int i = 0; i < length; ++i)
        line += alphabet.at((i * 7) % alphabet.size());
    return line;
}

QString asciiCodes()
{
    QString all;
    for (char16_t c = 0; c < 128; ++c)
        all += QChar(c);
    return all;
}

QString cyrillicLetters()
{
    QString all;
    for (char16_t c = u'А'; c <= u'я'; ++c)
        all += QChar(c);
    return all;
}

}  // namespace

class TestTaskCipher : public QObject {
    Q_OBJECT
private slots:
    void decodingGivesBackWhatWasEncoded_data();
    void decodingGivesBackWhatWasEncoded();
    void keysCycleThroughTwelveValues();
    void storedLinesLoseTheirFiller_data();
    void storedLinesLoseTheirFiller();
    void fnDecryptFollowsOption31_data();
    void fnDecryptFollowsOption31();
};

void TestTaskCipher::decodingGivesBackWhatWasEncoded_data()
{
    QTest::addColumn<QString>("alphabet");
    QTest::addRow("codes 0 to 127") << asciiCodes();
    QTest::addRow("letters А to я") << cyrillicLetters();
    QTest::addRow("C++ with Bulgarian comments") << asciiCodes() + cyrillicLetters();
}

void TestTaskCipher::decodingGivesBackWhatWasEncoded()
{
    QFETCH(QString, alphabet);
    for (int length = 0; length <= 300; ++length) {
        const QString plain = lineOf(length, alphabet);
        const QString stored = content::encodeTaskLine(plain);
        QCOMPARE(stored.size(), length + 1);
        if (length > 0)
            QVERIFY(stored.mid(1) != plain);
        QCOMPARE(content::decodeTaskLine(stored), plain);
    }
}

// Thirteen equal characters: keys 0x5B … 0x65 for counters 1 to 11, then 0x5A
// for counter 0, then 0x5B again; the stored line is reversed behind a filler.
void TestTaskCipher::keysCycleThroughTwelveValues()
{
    const QList<quint8> keys{0x5B, 0x5C, 0x5D, 0x5E, 0x5F, 0x60, 0x61, 0x62, 0x63, 0x64, 0x65, 0x5A, 0x5B};
    QString expectedTail;
    for (quint8 key : keys)
        expectedTail.prepend(QChar(char16_t(u'a' ^ key)));
    const QString stored = content::encodeTaskLine(QString(13, u'a'));
    QCOMPARE(stored.mid(1), expectedTail);
    QCOMPARE(content::decodeTaskLine(u'#' + expectedTail), QString(13, u'a'));
}

void TestTaskCipher::storedLinesLoseTheirFiller_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("plainLength");
    QTest::addRow("empty stored line") << QString() << 0;
    QTest::addRow("one character") << u"Ж"_s << 0;
    QTest::addRow("five characters") << u"#abcd"_s << 4;
}

void TestTaskCipher::storedLinesLoseTheirFiller()
{
    QFETCH(QString, stored);
    QFETCH(int, plainLength);
    const QString once = content::decodeTaskLine(stored);
    QCOMPARE(once.size(), plainLength);
    QCOMPARE(content::decodeTaskLine(stored), once);  // the key restarts on every call
}

void TestTaskCipher::fnDecryptFollowsOption31_data()
{
    QTest::addColumn<int>("flag31");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("expected");
    const QString plain = u"cout << \"Здравей\";"_s;
    const QString stored = content::encodeTaskLine(plain);
    QTest::addRow("off: empty line unchanged") << 0 << QString() << QString();
    QTest::addRow("off: plain line unchanged") << 0 << plain << plain;
    QTest::addRow("off: stored line unchanged") << 0 << stored << stored;
    QTest::addRow("on: stored line decoded") << 1 << stored << plain;
    QTest::addRow("on: empty line stays empty") << 1 << QString() << QString();
}

void TestTaskCipher::fnDecryptFollowsOption31()
{
    QFETCH(int, flag31);
    QFETCH(QString, line);
    QFETCH(QString, expected);
    TestLesson t;
    Lesko_n& bench = t.program().lesko_n();
    bench.List_Un[Lesko_n::OptionCopyList].setList(31, QString::number(flag31));
    QCOMPARE(bench.Fn_Decrypt(line), expected);
}

QTEST_GUILESS_MAIN(TestTaskCipher)
#include "test_task_cipher.moc"
