#pragma once

#include "results/class_results.h"

#include <QWidget>

namespace ui {

// The bar chart of how many students solved each task, painted by the core
// (results::paintSolvedChart). A screen reader finds it as a chart whose
// description gives every bar in words.
class SolvedChart : public QWidget {
    Q_OBJECT
public:
    explicit SolvedChart(QWidget* parent = nullptr);
    void setResults(const results::ClassResults* results);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const results::ClassResults* results_ = nullptr;
};

}  // namespace ui
