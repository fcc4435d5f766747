// The workbench's picture of a term, statement or solution, its full-size
// view in the picture store window, and the focus view of a text box.
#include "support/workbench_lesson.h"

#include <QImage>
#include <QTest>

using namespace testing_support;
using namespace testing_support::workbench_lesson;

namespace {

constexpr int TwipsPerPixel = forms::TwipsPerPicturePixel;

forms::Picture pictureOf(int widthPx, int heightPx)
{
    QImage image(widthPx, heightPx, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    return forms::Picture::fromImage(image);
}

// Puts a picture into the store as Grafika_G(n).
void storePicture(TestLesson& t, int n, const forms::Picture& picture)
{
    t.program().lesko_Gra().Grafika_G[std::size_t(n)].setPicture(picture);
}

void setPictureNumber(TestLesson& t, int context, int item, const QString& number)
{
    t.program().lesko_Gra().Spi_GR[std::size_t(context)].setList(item, number);
}

}  // namespace

class TestWorkbenchPictures : public QObject {
    Q_OBJECT
private slots:
    void theFullViewOpensOnlyForPicturesTheBoxCuts_data();
    void theFullViewOpensOnlyForPicturesTheBoxCuts();
    void termPictures_data();
    void termPictures();
    void theSolutionShowsItsOwnPicture_data();
    void theSolutionShowsItsOwnPicture();
    void oddPictureNumbersShowNoPicture_data();
    void oddPictureNumbersShowNoPicture();
    void focusViewShowsTheFocusedBox_data();
    void focusViewShowsTheFocusedBox();
    void theAnswerViewIsEditableAfterAReadOnlyOne();
};

void TestWorkbenchPictures::theFullViewOpensOnlyForPicturesTheBoxCuts_data()
{
    QTest::addColumn<int>("widthPx");
    QTest::addColumn<int>("heightPx");
    QTest::addColumn<bool>("opens");
    QTest::addRow("smaller both ways stays in the workbench") << 219 << 171 << false;
    QTest::addRow("as wide as the box opens the full view") << 220 << 100 << true;
    QTest::addRow("taller than the box opens the full view") << 50 << 300 << true;
}

void TestWorkbenchPictures::theFullViewOpensOnlyForPicturesTheBoxCuts()
{
    QFETCH(int, widthPx);
    QFETCH(int, heightPx);
    QFETCH(bool, opens);
    TestLesson t;
    const forms::Picture picture = pictureOf(widthPx, heightPx);
    storePicture(t, 5, picture);
    setPictureNumber(t, 1, 1, u"5"_s);
    startWorkbenchLesson(t);
    Lesko_n& bench = openWorkbench(t);
    QVERIFY(bench.Picture_Un[Lesko_n::ItemPicture].Picture().sameAs(picture));

    bench.Picture_Un[Lesko_n::ItemPicture].userClick();

    Lesko_Gra& store = t.program().lesko_Gra();
    QCOMPARE(store.Visible(), opens);
    if (!opens)
        return;
    const double w = widthPx * TwipsPerPixel;
    const double h = heightPx * TwipsPerPixel;
    QCOMPARE(store.Width(), w + 100);
    QCOMPARE(store.Height(), h + 150);
    QCOMPARE(store.Grafika_G[0].Width(), w);
    QCOMPARE(store.Grafika_G[0].Height(), h);
    QVERIFY(store.Grafika_G[0].Picture().sameAs(picture));
}

void TestWorkbenchPictures::termPictures_data()
{
    QTest::addColumn<int>("term");
    QTest::addColumn<bool>("opens");
    QTest::addRow("a term with a large picture opens it") << 2 << true;
    QTest::addRow("a term without a picture does nothing") << 1 << false;
}

void TestWorkbenchPictures::termPictures()
{
    QFETCH(int, term);
    QFETCH(bool, opens);
    TestLesson t;
    t.program().glossaryTables().glos_All[0].setItems({u"речник"_s, u"функция"_s, u"аргумент"_s});
    const forms::Picture picture = pictureOf(300, 200);
    storePicture(t, 6, picture);
    setPictureNumber(t, 0, 1, u"0"_s);
    setPictureNumber(t, 0, 2, u"6"_s);
    startWorkbenchLesson(t);
    Lesko_n& bench = t.program().lesko_n();

    bench.List_Un[Lesko_n::TermList].userClick(term - 1);
    QCOMPARE(int(bench.TermIndex), term);
    QCOMPARE(bench.Picture_Un[Lesko_n::ItemPicture].Picture().isNull(), !opens);
    bench.Picture_Un[Lesko_n::ItemPicture].userClick();

    Lesko_Gra& store = t.program().lesko_Gra();
    QCOMPARE(store.Visible(), opens);
    if (opens)
        QCOMPARE(store.Width(), 300.0 * TwipsPerPixel + 100);
}

void TestWorkbenchPictures::theSolutionShowsItsOwnPicture_data()
{
    QTest::addColumn<QString>("solutionPicture");
    QTest::addColumn<bool>("opens");
    QTest::addRow("solution picture 0: empty box, a click does nothing") << u"0"_s << false;
    QTest::addRow("solution picture 7 replaces the statement's") << u"7"_s << true;
}

void TestWorkbenchPictures::theSolutionShowsItsOwnPicture()
{
    QFETCH(QString, solutionPicture);
    QFETCH(bool, opens);
    TestLesson t;
    storePicture(t, 5, pictureOf(400, 400));
    const forms::Picture solutionPic = pictureOf(230, 100);
    storePicture(t, 7, solutionPic);
    setPictureNumber(t, 1, 1, u"5"_s);
    setPictureNumber(t, 2, 1, solutionPicture);
    startWorkbenchLesson(t);
    Lesko_n& bench = openWorkbench(t);
    tick(bench, 201);
    QCOMPARE(int(bench.PictureContext), 2);

    bench.Picture_Un[Lesko_n::ItemPicture].userClick();

    Lesko_Gra& store = t.program().lesko_Gra();
    QCOMPARE(store.Visible(), opens);
    if (opens)
        QVERIFY(store.Grafika_G[0].Picture().sameAs(solutionPic));
}

void TestWorkbenchPictures::oddPictureNumbersShowNoPicture_data()
{
    QTest::addColumn<QString>("number");
    QTest::addRow("beyond the store") << u"40"_s;
    QTest::addRow("just beyond the store") << u"18"_s;
    QTest::addRow("huge") << u"1e300"_s;
    QTest::addRow("negative") << u"-3"_s;
    QTest::addRow("not a number") << u"пет"_s;
}

void TestWorkbenchPictures::oddPictureNumbersShowNoPicture()
{
    QFETCH(QString, number);
    TestLesson t;
    setPictureNumber(t, 1, 1, number);
    startWorkbenchLesson(t);
    Lesko_n& bench = openWorkbench(t);
    QVERIFY(bench.Picture_Un[Lesko_n::ItemPicture].Picture().isNull());
    bench.Picture_Un[Lesko_n::ItemPicture].userClick();
    QVERIFY(!t.program().lesko_Gra().Visible());
}

void TestWorkbenchPictures::focusViewShowsTheFocusedBox_data()
{
    QTest::addColumn<int>("box");
    QTest::addColumn<bool>("readOnly");
    QTest::addRow("the answer box is editable") << 0 << false;
    QTest::addRow("the statement box is read-only") << 2 << true;
    QTest::addRow("the solution box is read-only") << 3 << true;
}

void TestWorkbenchPictures::focusViewShowsTheFocusedBox()
{
    QFETCH(int, box);
    QFETCH(bool, readOnly);
    TestLesson t;
    startWorkbenchLesson(t);
    Lesko_n& bench = openWorkbench(t);
    bench.Text_Un[Lesko_n::AnswerBox].userEdited(u"отговорът ми"_s);
    bench.Text_Un[Lesko_n::SolutionBox].setText(u"решение"_s);
    Lesko_Zad& view = t.program().lesko_Zad();
    view.List_font.setItems({u"10"_s, u"12"_s, u"14"_s, u"16"_s});
    t.program().lesko().List_Ur[Lesko::ChoiceList].setList(Lesko::FocusFontPositionItem, u"2"_s);
    bench.Text_Un[std::size_t(box)].userFocused();

    bench.mnu_Pylen_Ekran.userClick();

    QVERIFY(view.Visible());
    QCOMPARE(view.Obsho_Pole.Text(), bench.Text_Un[std::size_t(box)].Text());
    QVERIFY(!view.Obsho_Pole.Text().isEmpty());
    QCOMPARE(view.Obsho_Pole.Locked(), readOnly);
    QCOMPARE(view.List_font.ListIndex(), 2);
    view.Obsho_Pole.userEdited(u"написано в голямото поле"_s);
    QCOMPARE(bench.Text_Un[Lesko_n::AnswerBox].Text(), u"отговорът ми"_s);
}

void TestWorkbenchPictures::theAnswerViewIsEditableAfterAReadOnlyOne()
{
    TestLesson t;
    startWorkbenchLesson(t);
    Lesko_n& bench = openWorkbench(t);
    Lesko_Zad& view = t.program().lesko_Zad();
    bench.Text_Un[Lesko_n::StatementBox].userFocused();
    bench.mnu_Pylen_Ekran.userClick();
    QVERIFY(view.Obsho_Pole.Locked());
    bench.Text_Un[Lesko_n::AnswerBox].userFocused();
    bench.mnu_Pylen_Ekran.userClick();
    QVERIFY(!view.Obsho_Pole.Locked());
}

QTEST_GUILESS_MAIN(TestWorkbenchPictures)
#include "test_workbench_pictures.moc"
