#pragma once
// Options > "Jezik (Language)": Srpski or English, one checked. A choice is
// kept in the settings and said to apply from the next start, in both
// languages, since the user may read only the one just chosen.
#include <QObject>

class CMainFrame;
class QMenu;

class CLanguageCommands : public QObject {
    Q_OBJECT
public:
    explicit CLanguageCommands(CMainFrame& frame);
    QMenu* Menu() const { return m_pMenu; }

private:
    QMenu* m_pMenu;
};
