#pragma once
// The four files opened or saved last, kept in the settings under
// "Recent File List" as File1 (newest) to File4. No menu shows them.
#include <QStringList>

class CRecentFileList {
public:
    static constexpr int kSize = 4;

    // Reads the list from the application's settings.
    CRecentFileList();

    void Add(const QString& path);
    QStringList Files() const { return m_files; }

private:
    void Save() const;

    QStringList m_files;
};
