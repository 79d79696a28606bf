#pragma once
#include "game/GameSession.h"
#include "view/RecentFileList.h"

#include <QObject>
#include <QString>

#include <cstdio>
#include <optional>
#include <string>

class CSorvatView;

// The single document of the main window. It holds the game session; its
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
    // The game the document holds; its view paints it.
    sorvat::GameSession& Session() { return m_session; }

    // False when a load read nothing (a text without a puzzle, a question
    // cancelled).
    bool Serialize(Archive& archive);
    // The title rule: once the main frame exists, the file name of
    // currentPath; before that the given title, or "無題" without one.
    void SetTitle(const std::optional<QString>& title = std::nullopt);
    const QString& GetTitle() const { return m_strTitle; }

    const QString& GetPathName() const { return m_strPathName; }
    // Records the document's path, adds it to the recent files and retitles.
    void SetPathName(const QString& path, bool addToRecentFiles = true);

    // The document's lifecycle steps, as the file commands run them. A path
    // given as std::string is the system's bytes of the name.
    bool OnOpenDocument(const QString& path);
    bool OnOpenDocument(const std::string& name);
    bool OnSaveDocument(const QString& path);
    bool OnSaveDocument(const std::string& name);

    // ---- File commands ----
    // Ctrl+N: the document loses its path; entries, boards and currentPath stay.
    void OnFileNew();
    // Ctrl+O: asks for a file (puzzle files and texts listed, or all files)
    // and opens it.
    void OnFileOpen();
    // Ctrl+S: saves to the file the title names (currentPath), whatever was
    // loaded last and however; asks for a name while there is none, and
    // while it is not an md1 or md2 file (a puzzle text stays as it is).
    void OnFileSave();
    // Save as: always asks for a name, proposing the file the title names
    // (a puzzle text's name with .md2 instead).
    void OnFileSaveAs();
    // Opens `path` as the document; the open document's own file is read
    // again from disk. Reports failures in a message box.
    bool OpenDocumentFile(const QString& path);
    bool OpenDocumentFile(const std::string& name);
    // Opens entry `index` of the recent files; a file that cannot be opened
    // leaves the list.
    bool OpenRecentFile(int index);
    CRecentFileList& RecentFiles() { return m_recentFiles; }

signals:
    void titleChanged(const QString& title);
    void recentFilesChanged(const QStringList& files);

private:
    bool SaveUnderAskedName();
    // What Save As proposes.
    QString SaveSuggestion() const;
    // Records a path given as bytes; a name that is not UTF-8 stays out of
    // the recent files, which could not name it again.
    void SetPathNameOf(const std::string& name);
    void ReportFileError(const std::string& name, bool saving, int error) const;
    void ApplyTitle(const QString& title);

    CSorvatView* m_pView = nullptr;
    QString m_strTitle;
    QString m_strPathName;
    sorvat::GameSession m_session;
    CRecentFileList m_recentFiles;
};
