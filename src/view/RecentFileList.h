#pragma once
#include <QString>
#include <QStringList>

// The most recently opened or saved documents, newest first, kept per user
// in QSettings (organisation "Local AppWizard-Generated Applications",
// application "Sorvat", group "Recent File List", keys File1..File4).
class CRecentFileList {
public:
    static constexpr int DefaultSize = 4;

    explicit CRecentFileList(int size = DefaultSize);

    const QStringList& Files() const { return m_files; }
    // Puts `path` first, dropping an older copy and the oldest beyond the size.
    void Add(const QString& path);
    void Remove(int index);

    void ReadList();
    void WriteList() const;

private:
    int m_size;
    QStringList m_files;
};
