#pragma once
#include "view/RecentFileList.h"

#include <QObject>
#include <QString>

#include <cstdio>
#include <optional>
#include <string>

class CSorvatView;

// The single document of the main window. It holds no puzzle state: its
// serialisation hands the open file to the view's LoadFrom or SaveTo, and its
// title always names the current puzzle file. Besides, it carries the file
// commands of the window (new, open, save, save as, recent files) with their
// dialogs and error messages.
//
// Start-up: after the main frame has published itself, call OnFileNew()
// without a file argument, or OpenDocumentFile(first argument) with one.
// Connect titleChanged to the window title and recentFilesChanged to the menu.
class CSorvatDoc : public QObject {
    Q_OBJECT

public:
    // An open file being loaded from or stored to.
    struct Archive {
        bool storing = false;
        std::FILE* file = nullptr;
        std::string path;  // the full path of the file
        bool IsStoring() const { return storing; }
    };

    explicit CSorvatDoc(QObject* parent = nullptr);

    // Makes `view` the document's view (and the view's document).
    void SetView(CSorvatView* view);
    CSorvatView* FirstView() const { return m_pView; }

    void Serialize(Archive& archive);
    // The title rule: once the main frame exists, the file name of
    // currentPath; before that the given title, or "無題" without one.
    void SetTitle(const std::optional<QString>& title = std::nullopt);
    const QString& GetTitle() const { return m_strTitle; }

    const QString& GetPathName() const { return m_strPathName; }
    // Records the document's path, adds it to the recent files and retitles.
    void SetPathName(const QString& path, bool addToRecentFiles = true);
    bool IsModified() const { return m_bModified; }
    void SetModifiedFlag(bool modified = true) { m_bModified = modified; }

    // The document's lifecycle steps, as the file commands run them.
    bool OnNewDocument();
    bool OnOpenDocument(const QString& path);
    bool OnSaveDocument(const QString& path);
    // Never asks: clears the modified flag and lets the document go.
    bool SaveModified();

    // ---- File commands ----
    // Ctrl+N: the document loses its path; entries, boards and currentPath stay.
    void OnFileNew();
    // Ctrl+O: asks for a file (all files listed) and opens it.
    void OnFileOpen();
    // Ctrl+S: saves to the document's path, asking for a name without one.
    void OnFileSave();
    // Save as: always asks for a name.
    void OnFileSaveAs();
    // Opens `path` as the document; the open document's own file is read
    // again from disk. Reports failures in a message box.
    bool OpenDocumentFile(const QString& path);
    // Opens entry `index` of the recent files; a file that cannot be opened
    // leaves the list.
    bool OpenRecentFile(int index);
    CRecentFileList& RecentFiles() { return m_recentFiles; }

signals:
    void titleChanged(const QString& title);
    void recentFilesChanged(const QStringList& files);

private:
    bool DoSave(const QString& path, bool replacePath);
    void ReportFileError(const QString& path, bool saving, int error) const;
    void ApplyTitle(const QString& title);

    CSorvatView* m_pView = nullptr;
    QString m_strTitle;
    QString m_strPathName;
    bool m_bModified = false;
    CRecentFileList m_recentFiles;
};
