// The settings window's font list: plain family names, each once, and only
// families that can show Bulgarian text.
#include "support/scripted_services.h"

#include "settings/appearance_record.h"
#include "settings/cwiat.h"
#include "settings/font_names.h"
#include "workbench/lesko_n.h"

#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

class FontNamesTest : public QObject {
    Q_OBJECT

private slots:
    void plainFamilyName_data();
    void plainFamilyName();
    void bulgarianFontNames_data();
    void bulgarianFontNames();
    void settingsWindowListsOnlyBulgarianFonts();
    void storedFontThatIsNotListedKeepsWorking();
};

void FontNamesTest::plainFamilyName_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<QString>("plain");
    QTest::addRow("foundry tag") << u"C059 [UKWN]"_s << u"C059"_s;
    QTest::addRow("tag padded with blanks") << u"D050000L [URW ]"_s << u"D050000L"_s;
    QTest::addRow("no tag") << u"Liberation Serif"_s << u"Liberation Serif"_s;
    QTest::addRow("bracket inside the name") << u"Font [X] Sans"_s << u"Font [X] Sans"_s;
    QTest::addRow("Cyrillic name with tag") << u"Шрифт [ABC]"_s << u"Шрифт"_s;
    QTest::addRow("only a tag") << u"[URW ]"_s << QString();
}

void FontNamesTest::plainFamilyName()
{
    QFETCH(QString, family);
    QFETCH(QString, plain);
    QCOMPARE(appearance::plainFamilyName(family), plain);
}

void FontNamesTest::bulgarianFontNames_data()
{
    QTest::addColumn<QStringList>("families");
    QTest::addColumn<QStringList>("latinOnly");
    QTest::addColumn<QStringList>("listed");
    QTest::addRow("tags stripped, each family once")
        << QStringList{u"C059 [UKWN]"_s, u"C059 [URW ]"_s, u"DejaVu Sans"_s} << QStringList{}
        << QStringList{u"C059"_s, u"DejaVu Sans"_s};
    QTest::addRow("symbol fonts left out")
        << QStringList{u"D050000L [URW ]"_s, u"Standard Symbols PS"_s, u"Liberation Serif"_s}
        << QStringList{u"D050000L [URW ]"_s, u"Standard Symbols PS"_s} << QStringList{u"Liberation Serif"_s};
    QTest::addRow("listed when one foundry shows Cyrillic")
        << QStringList{u"Nimbus Sans [UKWN]"_s, u"Nimbus Sans [URW ]"_s} << QStringList{u"Nimbus Sans [UKWN]"_s}
        << QStringList{u"Nimbus Sans"_s};
    QTest::addRow("plain and tagged name of one family")
        << QStringList{u"Arial"_s, u"Arial [Monotype]"_s} << QStringList{} << QStringList{u"Arial"_s};
    QTest::addRow("order first met kept")
        << QStringList{u"Times New Roman"_s, u"Arial"_s, u"Courier New"_s} << QStringList{}
        << QStringList{u"Times New Roman"_s, u"Arial"_s, u"Courier New"_s};
    QTest::addRow("nothing can show Cyrillic") << QStringList{u"Symbol"_s, u"Dingbats [URW ]"_s}
                                               << QStringList{u"Symbol"_s, u"Dingbats [URW ]"_s} << QStringList{};
    QTest::addRow("nameless family left out")
        << QStringList{u"[URW ]"_s, u"Liberation Mono"_s} << QStringList{} << QStringList{u"Liberation Mono"_s};
}

void FontNamesTest::bulgarianFontNames()
{
    QFETCH(QStringList, families);
    QFETCH(QStringList, latinOnly);
    QFETCH(QStringList, listed);
    const QSet<QString> noCyrillic(latinOnly.begin(), latinOnly.end());
    const auto showsCyrillic = [&](const QString& family) { return !noCyrillic.contains(family); };
    QCOMPARE(appearance::bulgarianFontNames(families, showsCyrillic), listed);
}

void FontNamesTest::settingsWindowListsOnlyBulgarianFonts()
{
    testing_support::TestLesson lesson;
    lesson.services.fonts = {u"Times New Roman"_s, u"C059 [UKWN]"_s, u"C059 [URW ]"_s, u"Standard Symbols PS"_s};
    lesson.services.latinOnlyFonts = {u"Standard Symbols PS"_s};
    Cwiat& w = lesson.program().cwiat();
    QCOMPARE(w.List_font[Cwiat::FontNameList].items(), (QStringList{u"C059"_s, u"Times New Roman"_s}));
    QCOMPARE(w.List_font[Cwiat::FontNameList].Text(), u"Times New Roman"_s);

    w.List_font[Cwiat::FontNameList].userClick(0);
    QCOMPARE(w.Text_Cv[0].FontName(), u"C059"_s);
    QCOMPARE(lesson.program().lesko_n().List_Un[Lesko_n::AppearanceRecordList].List(appearance::FontNameItem),
             u"C059"_s);
}

void FontNamesTest::storedFontThatIsNotListedKeepsWorking()
{
    testing_support::TestLesson lesson;
    lesson.services.fonts = {u"Standard Symbols PS"_s, u"Liberation Serif"_s};
    lesson.services.latinOnlyFonts = {u"Standard Symbols PS"_s};
    forms::ListBox& record = lesson.program().lesko_n().List_Un[Lesko_n::AppearanceRecordList];
    record.setList(1, u"Standard Symbols PS"_s);

    Cwiat& w = lesson.program().cwiat();
    QCOMPARE(w.List_font[Cwiat::FontNameList].items(), QStringList{u"Liberation Serif"_s});
    QCOMPARE(w.List_font[Cwiat::FontNameList].ListIndex(), -1);
    QCOMPARE(w.FontName(), u"Standard Symbols PS"_s);
    QCOMPARE(record.List(1), u"Standard Symbols PS"_s);
    w.mnu_Otkaz.userClick();
    QVERIFY(!lesson.program().isLoaded(u"Cwiat"_s));
    QCOMPARE(record.List(1), u"Standard Symbols PS"_s);
}

}  // namespace

QTEST_GUILESS_MAIN(FontNamesTest)
#include "test_font_names.moc"
