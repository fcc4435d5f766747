// The number rules the lesson reads and writes its lists with.
#include "content/codepage.h"
#include "content/numbers.h"

#include <QTest>

using namespace content;
using namespace Qt::StringLiterals;

class TestNumbers : public QObject {
    Q_OBJECT
private slots:
    void leadingNumberReadsThePrefix_data();
    void leadingNumberReadsThePrefix();
    void strictNumberNeedsTheWholeText_data();
    void strictNumberNeedsTheWholeText();
    void flagIsTheFirstDigit_data();
    void flagIsTheFirstDigit();
    void basicStrWritesLikeBasic_data();
    void basicStrWritesLikeBasic();
    void roundingIsToEvenAndStaysInRange_data();
    void roundingIsToEvenAndStaysInRange();
    void codePageKeepsCyrillicAndMarksTheRest();
};

void TestNumbers::leadingNumberReadsThePrefix_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::addRow("plain") << u"86"_s << 86.0;
    QTest::addRow("leading blanks") << u"   12"_s << 12.0;
    QTest::addRow("stops at a letter") << u"15 задачи"_s << 15.0;
    QTest::addRow("point fraction") << u"2987.6"_s << 2987.6;
    QTest::addRow("sign") << u"-3"_s << -3.0;
    QTest::addRow("heading is zero") << u" В"_s << 0.0;
    QTest::addRow("empty is zero") << QString() << 0.0;
    QTest::addRow("lone sign is zero") << u"-"_s << 0.0;
    QTest::addRow("comma ends the number") << u"9,75"_s << 9.0;
    QTest::addRow("exponent") << u"1E3x"_s << 1000.0;
    QTest::addRow("dangling exponent ignored") << u"7e"_s << 7.0;
    QTest::addRow("blank inside ends it") << u"1 2"_s << 1.0;
    QTest::addRow("huge stays finite") << u"1e999"_s << 0.0;
}

void TestNumbers::leadingNumberReadsThePrefix()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(leadingNumber(text), value);
}

void TestNumbers::strictNumberNeedsTheWholeText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<double>("value");
    QTest::addRow("number") << u"16"_s << true << 16.0;
    QTest::addRow("blanks around") << u" 0 "_s << true << 0.0;
    QTest::addRow("trailing text") << u"16a"_s << false << 0.0;
    QTest::addRow("empty") << QString() << false << 0.0;
    QTest::addRow("word") << u"задача"_s << false << 0.0;
}

void TestNumbers::strictNumberNeedsTheWholeText()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(double, value);
    const auto n = strictNumber(text);
    QCOMPARE(n.has_value(), valid);
    if (valid)
        QCOMPARE(*n, value);
}

void TestNumbers::flagIsTheFirstDigit_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("flag");
    QTest::addRow("on") << u"1 - няма"_s << 1;
    QTest::addRow("off") << u"0 - "_s << 0;
    QTest::addRow("digit 7") << u"7"_s << 7;
    QTest::addRow("minus one") << u"-1"_s << 0;
    QTest::addRow("blank first") << u" 1"_s << 0;
    QTest::addRow("letter") << u"копие"_s << 0;
    QTest::addRow("missing") << QString() << 0;
}

void TestNumbers::flagIsTheFirstDigit()
{
    QFETCH(QString, text);
    QFETCH(int, flag);
    QCOMPARE(flagValue(text), flag);
}

void TestNumbers::basicStrWritesLikeBasic_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::addRow("version below one") << 0.96 << u" .96"_s;
    QTest::addRow("whole") << 12.0 << u" 12"_s;
    QTest::addRow("zero") << 0.0 << u" 0"_s;
    QTest::addRow("negative") << -1.0 << u"-1"_s;
    QTest::addRow("negative fraction") << -0.5 << u"-.5"_s;
    QTest::addRow("fraction") << 767.5 << u" 767.5"_s;
    QTest::addRow("date as number") << 20091028.0 << u" 20091028"_s;
}

void TestNumbers::basicStrWritesLikeBasic()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(basicStr(value), text);
}

void TestNumbers::roundingIsToEvenAndStaysInRange_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("int16");
    QTest::addRow("half down to even") << 2.5 << 2;
    QTest::addRow("half up to even") << 3.5 << 4;
    QTest::addRow("negative half") << -2.5 << -2;
    QTest::addRow("too big") << 1e9 << 32767;
    QTest::addRow("too small") << -1e9 << -32768;
    QTest::addRow("not a number") << std::nan("") << 0;
}

void TestNumbers::roundingIsToEvenAndStaysInRange()
{
    QFETCH(double, value);
    QFETCH(int, int16);
    QCOMPARE(int(roundToInt16(value)), int16);
}

void TestNumbers::codePageKeepsCyrillicAndMarksTheRest()
{
    const QString text = u"Задача №1 ☺ ok 😀"_s;
    const QByteArray bytes = toWindows1251(text);
    QCOMPARE(bytes.size(), 16);  // one byte per character, the emoji pair becomes one "?"
    QCOMPARE(fromWindows1251(bytes), u"Задача №1 ? ok ?"_s);
    QVERIFY(fitsWindows1251(u"Задача №1"_s));
    QVERIFY(!fitsWindows1251(text));
}

QTEST_GUILESS_MAIN(TestNumbers)
#include "test_numbers.moc"
