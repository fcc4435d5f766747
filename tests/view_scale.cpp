// The lesson and the workbench at one scale factor (QT_SCALE_FACTOR, set by
// ctest, one registration per factor): the layout in device-independent pixels
// is the twip layout, pictures carry the screen's device pixels and keep their
// twip size (a stretch box's shrunk into the box), fonts keep their point
// sizes, and the window fits the screen or scrolls.
#include "support/workbench_lesson.h"
#include "ui/form_view.h"
#include "ui/program_view.h"

#include <QLabel>
#include <QMainWindow>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

using namespace testing_support;
using namespace testing_support::workbench_lesson;

namespace {

// Twips per device-independent pixel: 1440 twips an inch at 96 pixels an inch.
constexpr double TwipsPerPixel = 15.0;

qreal expectedFactor() { return qEnvironmentVariable("QT_SCALE_FACTOR", u"1"_s).toDouble(); }

QRect twipRect(const forms::Control& c)
{
    return {qRound(c.Left() / TwipsPerPixel), qRound(c.Top() / TwipsPerPixel), qRound(c.Width() / TwipsPerPixel),
            qRound(c.Height() / TwipsPerPixel)};
}

}  // namespace

class ViewScale : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void theScreenHasTheFactor();
    void widgetsSitOnTheirTwips_data();
    void widgetsSitOnTheirTwips();
    void picturesAreSharpAndFitTheirBox_data();
    void picturesAreSharpAndFitTheirBox();
    void fontsKeepTheirPointSizes_data();
    void fontsKeepTheirPointSizes();
    void theWindowFitsTheScreenOrScrolls_data();
    void theWindowFitsTheScreenOrScrolls();

private:
    std::unique_ptr<TestLesson> lesson_;
    std::unique_ptr<ui::ProgramView> view_;
    void addWindows();
    // The window of that name with a picture on it: the lesson at the authors' page,
    // the workbench with task 1 loaded.
    ui::FormView* shown(const QString& name)
    {
        app::Program& program = lesson_->program();
        forms::Form* form = &program.lesko();
        if (name == u"Lesko_n") {
            program.lesko().mnu_Wyprosi_Click();
            form = &program.lesko_n();
        } else {
            form->Show();
            program.lesko().awtori_Click(1);  // the authors' page shows a picture
        }
        ui::FormView* v = view_->viewOf(*form);
        return v && v->window() && QTest::qWaitForWindowExposed(v->window()) ? v : nullptr;
    }
};

void ViewScale::init()
{
    lesson_ = std::make_unique<TestLesson>();
    view_ = std::make_unique<ui::ProgramView>(lesson_->program());
    startWorkbenchLesson(*lesson_);
}

void ViewScale::cleanup()
{
    view_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    lesson_.reset();
}

void ViewScale::addWindows()
{
    QTest::addColumn<QString>("window");
    QTest::addRow("lesson") << u"Lesko"_s;
    QTest::addRow("workbench") << u"Lesko_n"_s;
}

void ViewScale::theScreenHasTheFactor()
{
    QCOMPARE(QGuiApplication::primaryScreen()->devicePixelRatio(), expectedFactor());
    // Twips go through the logical resolution, which the factor leaves alone.
    QCOMPARE(ui::FormView::toPixels(1440), 96);
}

void ViewScale::widgetsSitOnTheirTwips_data() { addWindows(); }

void ViewScale::widgetsSitOnTheirTwips()
{
    QFETCH(QString, window);
    ui::FormView* v = shown(window);
    QVERIFY(v);
    int checked = 0;
    for (forms::Control* c : v->form().controls()) {
        QWidget* w = v->widgetFor(*c);
        if (!w || !c->Visible())
            continue;
        ++checked;
        const QRect expected = twipRect(*c);
        const QRect actual = w->geometry();
        const bool near = qAbs(actual.x() - expected.x()) <= 1 && qAbs(actual.y() - expected.y()) <= 1 &&
                          qAbs(actual.width() - expected.width()) <= 1 &&
                          qAbs(actual.height() - expected.height()) <= 1;
        QVERIFY2(near, qPrintable(c->qualifiedName() + u": "_s + QString::number(actual.x()) + u',' +
                                  QString::number(actual.y()) + u' ' + QString::number(actual.width()) + u'x' +
                                  QString::number(actual.height())));
    }
    QVERIFY(checked > 5);
}

void ViewScale::picturesAreSharpAndFitTheirBox_data() { addWindows(); }

void ViewScale::picturesAreSharpAndFitTheirBox()
{
    QFETCH(QString, window);
    ui::FormView* v = shown(window);
    QVERIFY(v);
    int pictures = 0;
    for (forms::Control* c : v->form().controls()) {
        auto* label = qobject_cast<QLabel*>(v->widgetFor(*c));
        if (c->kind() != forms::Kind::PictureBox || !label || label->pixmap().isNull())
            continue;
        ++pictures;
        const QPixmap pixmap = label->pixmap();
        QCOMPARE(pixmap.devicePixelRatio(), expectedFactor());
        // A stretch box shrinks its picture into the box; any other box draws
        // it at its own size in twips and clips it.
        const auto& box = static_cast<const forms::PictureBox&>(*c);
        const QSizeF logical = pixmap.deviceIndependentSize();
        QSizeF room = QSizeF(box.Picture().image().size()) * forms::TwipsPerPicturePixel / TwipsPerPixel;
        const QSizeF boxSize = QSizeF(box.Width(), box.Height()) / TwipsPerPixel;
        if (box.stretch && (room.width() > boxSize.width() || room.height() > boxSize.height()))
            room = room.scaled(boxSize, Qt::KeepAspectRatio);
        QVERIFY2(logical.width() <= room.width() + 1 && logical.height() <= room.height() + 1 &&
                     (logical.width() >= room.width() - 1 || logical.height() >= room.height() - 1),
                 qPrintable(c->qualifiedName() + u": "_s + QString::number(logical.width()) + u'x' +
                            QString::number(logical.height()) + u" for "_s + QString::number(room.width()) + u'x' +
                            QString::number(room.height())));
        // Every device pixel of the screen carries a pixel of the pixmap.
        QCOMPARE(QSizeF(pixmap.size()), logical * expectedFactor());
    }
    QVERIFY(pictures > 0);
}

void ViewScale::fontsKeepTheirPointSizes_data() { addWindows(); }

void ViewScale::fontsKeepTheirPointSizes()
{
    QFETCH(QString, window);
    ui::FormView* v = shown(window);
    QVERIFY(v);
    for (forms::Control* c : v->form().controls()) {
        QWidget* w = v->widgetFor(*c);
        if (w && c->kind() != forms::Kind::PictureBox && c->kind() != forms::Kind::Shape)
            QCOMPARE(w->font().pointSizeF(), c->FontSize());
    }
}

void ViewScale::theWindowFitsTheScreenOrScrolls_data() { addWindows(); }

void ViewScale::theWindowFitsTheScreenOrScrolls()
{
    QFETCH(QString, window);
    ui::FormView* v = shown(window);
    QVERIFY(v);
    QMainWindow* w = v->window();
    const QRect screen = w->screen()->availableGeometry();
    QVERIFY2(w->width() <= screen.width() && w->height() <= screen.height(),
             qPrintable(QString::number(w->width()) + u'x' + QString::number(w->height())));
    auto* scroller = qobject_cast<QScrollArea*>(w->centralWidget());
    QVERIFY(scroller);
    // What the viewport cannot show can be scrolled to.
    const QSize hidden = v->surface()->size() - scroller->viewport()->size();
    QVERIFY(hidden.width() <= 0 || scroller->horizontalScrollBar()->maximum() >= hidden.width());
    QVERIFY(hidden.height() <= 0 || scroller->verticalScrollBar()->maximum() >= hidden.height());
}

QTEST_MAIN(ViewScale)
#include "view_scale.moc"
