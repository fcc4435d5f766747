#pragma once

#include "results/class_results.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QRectF>

// The results on screen and on paper: the bar chart of how many students
// solved each task, and the report of the table and the chart that the
// results window prints or saves as PDF. Painted with QPainter, so the same
// code draws on a widget, a printer and a PDF file.
namespace results {

// The bar chart into area: one bar per task, its height the share of the
// students who solved the task, the number above it, the task below; line is
// the height of a line of text.
void paintSolvedChart(QPainter& painter, const QRectF& area, const ClassResults& results, double line);

// The report on a paged device: a title, the table (rows go on to further
// pages, each with the column titles again) and the chart.
void paintReport(QPagedPaintDevice& device, const ClassResults& results);

// The words of the chart for a screen reader: "Задача 1: 3 от 5; …".
QString solvedChartText(const ClassResults& results);

// The summary (as lesko_report writes it) and the report as PDF, saved to
// path through the safe replace; a student's log is never replaced
// (tableMayReplace). The reason of a failure names the file.
content::Done saveSummaryTable(const ClassResults& results, const QString& path);
content::Done saveReportPdf(const ClassResults& results, const QString& path);

}  // namespace results
