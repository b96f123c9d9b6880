#include "ui/recent_file_list.h"

#include <QFileInfo>
#include <QSettings>

namespace {
const QString kGroup = QStringLiteral("Recent File List");
QString Key(int index) {
    return QStringLiteral("File%1").arg(index + 1);
}
}  // namespace

CRecentFileList::CRecentFileList() {
    QSettings settings;
    settings.beginGroup(kGroup);
    for (int i = 0; i < kSize; ++i) {
        const QString path = settings.value(Key(i)).toString();
        if (!path.isEmpty()) m_files.append(path);
    }
}

void CRecentFileList::Add(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    m_files.removeAll(absolute);
    m_files.prepend(absolute);
    while (m_files.size() > kSize) m_files.removeLast();
    Save();
}

void CRecentFileList::Save() const {
    QSettings settings;
    settings.beginGroup(kGroup);
    for (int i = 0; i < kSize; ++i) {
        if (i < m_files.size()) {
            settings.setValue(Key(i), m_files[i]);
        } else {
            settings.remove(Key(i));
        }
    }
}
