#include "ui/results/solved_chart.h"

#include "results/results_report.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPainter>

using namespace Qt::StringLiterals;

namespace ui {

namespace {

QAccessibleInterface* chartFactory(const QString&, QObject* object)
{
    if (auto* chart = qobject_cast<SolvedChart*>(object))
        return new QAccessibleWidget(chart, QAccessible::Chart);
    return nullptr;
}

}  // namespace

SolvedChart::SolvedChart(QWidget* parent) : QWidget(parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(chartFactory);
        return true;
    }();
    Q_UNUSED(installed);
    setObjectName(u"solvedChart"_s);
    setAccessibleName(u"Решили задачата"_s);
    setMinimumHeight(180);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
}

void SolvedChart::setResults(const results::ClassResults* results)
{
    results_ = results;
    setAccessibleDescription(results ? results::solvedChartText(*results) : QString());
    update();
}

void SolvedChart::paintEvent(QPaintEvent*)
{
    if (!results_)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(font());
    results::paintSolvedChart(painter, QRectF(rect()).adjusted(12, 8, -12, -4), *results_,
                              fontMetrics().height() * 1.3);
}

}  // namespace ui
