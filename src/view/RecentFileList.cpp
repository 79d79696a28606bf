#include "view/RecentFileList.h"

#include <QSettings>

namespace {

// $XDG_CONFIG_HOME/sorvat/Sorvat.conf; the list of earlier versions lay in
// the framework's default place and is read from there once.
constexpr const char* Organisation = "sorvat";
constexpr const char* EarlierOrganisation = "Local AppWizard-Generated Applications";
constexpr const char* Application = "Sorvat";
constexpr const char* Group = "Recent File List";

QString KeyOf(int index) {
    return QStringLiteral("File%1").arg(index + 1);
}

} // namespace

CRecentFileList::CRecentFileList(int size) : m_size(size) {}

void CRecentFileList::Add(const QString& path) {
    if (path.isEmpty())
        return;
    m_files.removeAll(path);
    m_files.prepend(path);
    while (m_files.size() > m_size)
        m_files.removeLast();
}

void CRecentFileList::Remove(int index) {
    if (index >= 0 && index < m_files.size())
        m_files.removeAt(index);
}

void CRecentFileList::ReadList() {
    QSettings store(Organisation, Application);
    if (!store.childGroups().contains(QLatin1String(Group))) {
        // The first start of this version: the list moves over (an empty
        // first entry marks it moved when there was none).
        QSettings earlier(EarlierOrganisation, Application);
        earlier.beginGroup(Group);
        store.beginGroup(Group);
        store.setValue(KeyOf(0), QString());
        for (const QString& key : earlier.childKeys()) store.setValue(key, earlier.value(key));
        store.endGroup();
    }
    store.beginGroup(Group);
    m_files.clear();
    for (int i = 0; i < m_size; ++i) {
        const QString path = store.value(KeyOf(i)).toString();
        if (!path.isEmpty() && !m_files.contains(path))
            m_files.append(path);
    }
}

void CRecentFileList::WriteList() const {
    QSettings store(Organisation, Application);
    store.beginGroup(Group);
    for (int i = 0; i < m_size; ++i) {
        if (i < m_files.size())
            store.setValue(KeyOf(i), m_files.at(i));
        else
            store.remove(KeyOf(i));
    }
}
