#include "results/results_report.h"

#include "files/text_file.h"

#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QPdfWriter>

using namespace Qt::StringLiterals;

namespace results {

namespace {

const QColor BarColour(0x4c, 0x9a, 0x3f);
const QColor GridColour(0x80, 0x80, 0x80);

void setTextSize(QPainter& painter, double pixels, bool bold = false)
{
    QFont font = painter.font();
    font.setPixelSize(std::max(1, int(pixels)));
    font.setBold(bold);
    painter.setFont(font);
}

// The report's table, one row at a time, starting a new page (with the
// column titles again) where a row no longer fits.
class TablePainter {
public:
    TablePainter(QPagedPaintDevice& device, QPainter& painter, const ClassResults& results, double mm)
        : device_(device), painter_(painter), results_(results), mm_(mm)
    {
        const double fixed = NameWidth + ClassWidth + TotalWidth;
        taskWidth_ = results.taskCount > 0 ? std::max(6.0, (pageWidth() - fixed) / results.taskCount) : 0;
    }

    // Paints from top; returns where the table ends.
    double paint(double top)
    {
        y_ = top;
        titles();
        for (int s = 0; s < results_.students.size(); ++s) {
            if (y_ + RowHeight * mm_ > device_.height() - Margin * mm_) {
                device_.newPage();
                y_ = Margin * mm_;
                titles();
            }
            row(s);
        }
        return y_;
    }

private:
    static constexpr double Margin = 10, RowHeight = 6, NameWidth = 48, ClassWidth = 14, TotalWidth = 16;

    double pageWidth() const { return device_.width() / mm_ - 2 * Margin; }

    void cell(double& x, double width, const QString& text, const QColor& fill, bool bold = false)
    {
        const QRectF r(x, y_, width * mm_, RowHeight * mm_);
        painter_.fillRect(r, fill);
        painter_.setPen(GridColour);
        painter_.drawRect(r);
        painter_.setPen(Qt::black);
        setTextSize(painter_, 3.2 * mm_, bold);
        painter_.drawText(r.adjusted(mm_, 0, -mm_, 0), Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine, text);
        x += width * mm_;
    }

    void titles()
    {
        double x = Margin * mm_;
        const QColor head(0xe8, 0xe8, 0xf0);
        cell(x, NameWidth, u"Ученик"_s, head, true);
        cell(x, ClassWidth, u"Клас"_s, head, true);
        for (int k = 1; k <= results_.taskCount; ++k)
            cell(x, taskWidth_, QString::number(k), head, true);
        cell(x, TotalWidth, u"Решени"_s, head, true);
        y_ += RowHeight * mm_;
    }

    void row(int s)
    {
        const StudentResults& student = results_.students.at(s);
        double x = Margin * mm_;
        cell(x, NameWidth, student.name, Qt::white);
        cell(x, ClassWidth, student.className, Qt::white);
        for (int k = 1; k <= results_.taskCount; ++k) {
            const ResultCell c = results_.cell(s, k);
            cell(x, taskWidth_, c.text, standingColour(c.standing));
        }
        cell(x, TotalWidth, QString::number(student.solved), Qt::white);
        y_ += RowHeight * mm_;
    }

    QPagedPaintDevice& device_;
    QPainter& painter_;
    const ClassResults& results_;
    const double mm_;
    double taskWidth_ = 0;
    double y_ = 0;
};

content::Done save(const ClassResults& results, const QString& path, const QByteArray& bytes)
{
    const QString shown = QDir::toNativeSeparators(QDir::current().absoluteFilePath(path));
    if (const content::Done allowed = tableMayReplace(path, results.folder); !allowed)
        return content::Done::failure(shown + u' ' + allowed.reason() + u'.');
    if (const content::Done saved = app::replaceFile(path, bytes); !saved)
        return content::Done::failure(shown + u": "_s + app::systemErrorText(saved.error()) + u'.', saved.error());
    return {};
}

}  // namespace

void paintSolvedChart(QPainter& painter, const QRectF& area, const ClassResults& results, double line)
{
    painter.save();
    setTextSize(painter, line * 0.8, true);
    painter.setPen(Qt::black);
    const int students = int(results.students.size());
    painter.drawText(QRectF(area.left(), area.top(), area.width(), line), Qt::AlignLeft | Qt::AlignVCenter,
                     u"Решили задачата (общо ученици: "_s + QString::number(students) + u")"_s);
    const QRectF plot(area.left(), area.top() + 2.2 * line, area.width(), area.height() - 3.4 * line);
    setTextSize(painter, line * 0.7);
    if (results.taskCount == 0) {
        painter.drawText(plot, Qt::AlignCenter, u"Няма отворени задачи."_s);
        painter.restore();
        return;
    }
    painter.setPen(GridColour);
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    const double slot = std::min(plot.width() / results.taskCount, 8 * line);
    for (int k = 1; k <= results.taskCount; ++k) {
        const int solved = results.solvedBy(k);
        const double height = students > 0 ? plot.height() * solved / students : 0;
        const QRectF bar(plot.left() + (k - 1) * slot + slot * 0.15, plot.bottom() - height, slot * 0.7, height);
        painter.fillRect(bar, BarColour);
        painter.setPen(Qt::black);
        painter.drawText(QRectF(bar.left() - slot * 0.15, bar.top() - line * 1.1, slot, line), Qt::AlignCenter,
                         QString::number(solved));
        painter.drawText(QRectF(bar.left() - slot * 0.15, plot.bottom() + line * 0.1, slot, line), Qt::AlignCenter,
                         QString::number(k));
    }
    painter.restore();
}

void paintReport(QPagedPaintDevice& device, const ClassResults& results)
{
    QPainter painter(&device);
    const double mm = device.logicalDpiY() / 25.4;
    double y = 10 * mm;
    setTextSize(painter, 5 * mm, true);
    painter.drawText(QPointF(10 * mm, y + 5 * mm), u"Резултати на класа"_s);
    setTextSize(painter, 3.2 * mm);
    painter.drawText(QPointF(10 * mm, y + 11 * mm), QDir::toNativeSeparators(results.folder) + u" · "_s +
                                                        summaryCounts(results.summary) + u" · "_s +
                                                        QDateTime::currentDateTime().toString(u"dd.MM.yyyy HH:mm"_s));
    y = TablePainter(device, painter, results, mm).paint(y + 15 * mm) + 8 * mm;
    const double chartHeight = 70 * mm;
    if (y + chartHeight > device.height() - 10 * mm) {
        device.newPage();
        y = 10 * mm;
    }
    paintSolvedChart(painter, QRectF(10 * mm, y, device.width() - 20 * mm, chartHeight), results, 5 * mm);
}

QString solvedChartText(const ClassResults& results)
{
    QStringList parts;
    for (int k = 1; k <= results.taskCount; ++k)
        parts << u"Задача "_s + QString::number(k) + u": "_s + QString::number(results.solvedBy(k)) + u" от "_s +
                     QString::number(results.students.size());
    return parts.isEmpty() ? u"Няма отворени задачи."_s : parts.join(u"; "_s);
}

content::Done saveSummaryTable(const ClassResults& results, const QString& path)
{
    return save(results, path, summaryDocument(results.summary));
}

content::Done saveReportPdf(const ClassResults& results, const QString& path)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setTitle(u"Резултати на класа"_s);
        pdf.setCreator(u"lesko"_s);
        pdf.setResolution(300);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageOrientation(QPageLayout::Landscape);
        paintReport(pdf, results);
    }
    return save(results, path, buffer.data());
}

}  // namespace results
