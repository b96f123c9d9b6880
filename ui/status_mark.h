#pragma once
// A mark in the status bar that says a lasting condition (unsaved text, a
// recording, the data-sheet chip): a sunken pane, hidden until its owner
// shows it, so a bar without the condition looks as it always has.
#include <QString>

class QLabel;
class QStatusBar;

// Among the permanent panes at index (-1: after the others).
QLabel* AddStatusMark(QStatusBar* statusBar, const QString& text, const QString& toolTip,
                      int index = -1);
