#pragma once
// The help document, shown in a window of its own that no other window owns:
// it stays open beside the main window and does not keep the program alive
// when the main window closes.
#include <QString>

class QTextBrowser;

// Where the document is read from; by default the shipped one in the
// window's language.
QString HelpDocumentPath();
// Points the help command at another document (an empty path restores the
// shipped one).
void SetHelpDocumentPath(const QString& path);

// The "&Pomoc" command (F1). Opens the window, or brings it forward; does
// nothing at all when the document cannot be found.
void OnHelp();

// The help window while it is open, else nullptr.
QTextBrowser* OpenHelpWindow();
