#pragma once

class QDialog;
class QWidget;

namespace ui {

// Shows the teacher's guide (docs/teacher-guide.md, built into the program
// and installed in /usr/share/doc/lesko/) in a window of its own beside the
// parent; a second call brings the same window forward.
QDialog* openGuide(QWidget* parent);

}  // namespace ui
