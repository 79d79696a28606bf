#pragma once
#include "settings/Settings.h"
#include "view/FrameServices.h"

#include <QMainWindow>
#include <QStringList>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

class CLevelEdit;
class CSorvatDoc;
class CSorvatView;
class CViewCommands;
class CSpinButton;
class CStatusDialogBar;
class QAction;
class QLabel;
class QMenu;
class QPrinter;
class QStatusBar;
class QStyle;
class QToolBar;

// The top-level window: menus, tool bar, dialog bar, status bar and the view.
// It owns the settings record: read in the constructor, written first thing
// at exit (before the view is destroyed).
class CMainFrame : public QMainWindow, public sorvat::FrameServices {
    Q_OBJECT
public:
    static constexpr int WindowWidth = 565;
    static constexpr int WindowHeight = 694;

    // Takes the program and start directories, reads the settings file beside
    // the program (in `programDirectory` when given) and publishes
    // g_pSettings.
    explicit CMainFrame(const std::filesystem::path& programDirectory = {});
    ~CMainFrame() override;

    // Window size and place from the settings (a stored edge above 4000 or
    // below 0 becomes 10).
    void PreCreateWindow();
    // Creates the view (which loads the command-line or continue file), the
    // bars, publishes g_pMainFrame and sets the level controls and the mode
    // buttons. `arguments` are the program name and its arguments as the
    // system's bytes. Returns 0, or -1 when creation failed.
    int OnCreate(CSorvatView* view, CSorvatDoc* document, const std::vector<std::string>& arguments);
    // Writes the settings file, then lets the view save its continue file.
    // Runs once.
    void DestroyWindow();

    // The services the view asks of its window.
    QWidget* Window() override { return this; }
    sorvat::Settings& SettingsRecord() override { return m_settings; }
    void SetStatusText(const QString& text) override;
    void AnnounceStatusText(const QString& text, const QString& spoken) override;
    QString LevelEditText() const override;
    void BoardPainted(const sorvat::CellBoard& board, const sorvat::CellBoard& answer) override;
    QString StatusText() const;

    // Every menu item, tool-bar button, dialog-bar button and accelerator ends
    // here with its command id.
    void OnCommand(int id);

    CStatusDialogBar* DialogBar() const { return m_wndDlgBar; }
    CSorvatView* View() const { return m_pView; }
    // The commands of the view (null before OnCreate).
    CViewCommands* Commands() const { return m_pCommands; }
    CSorvatDoc* Document() const { return m_pDocument; }
    QToolBar* ToolBar() const { return m_wndToolBar; }
    // The menu action of a command id, or null.
    QAction* Action(int id) const;
    std::filesystem::path SettingsFile() const;
    // The printer every print and preview of this window uses, so that what
    // ﾌﾟﾘﾝﾀの設定 chose (paper, orientation, margins) holds for the session.
    QPrinter& Printer() override;

    sorvat::Settings m_settings;
    CLevelEdit* m_wndLevelEdit = nullptr;  // the dialog bar's level edit 1004
    CSpinButton* m_pSpin = nullptr;        // the dialog bar's spin 1005 (not owned)
    QToolBar* m_wndToolBar = nullptr;
    QToolBar* m_wndReBar = nullptr;        // the band holding the dialog bar
    QStatusBar* m_wndStatusBar = nullptr;
    CStatusDialogBar* m_wndDlgBar = nullptr;

    // The message pane's prompt of a framework command, in the interface
    // language; empty for the program's own commands.
    static QString PromptOf(int id);

protected:
    bool event(QEvent* event) override;
    // None: the tool bar and the dialog bar are fixed bands.
    QMenu* createPopupMenu() override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void CreateMenus();
    void CreateToolBar();
    void CreateDialogBar();
    void CreateStatusBar();
    void FixBand(QToolBar* band);
    void ShowPrompt(const QString& prompt);
    void UpdateRecentFiles(const QStringList& files);
    void ShowTitle(const QString& documentTitle);
    void ShowAbout();
    void ShowPrintSetup();
    void StoreWindowPosition();
    void ShowStatusText(const QString& text, const QString& spoken);

    std::filesystem::path m_programDirectory;
    CSorvatView* m_pView = nullptr;
    CViewCommands* m_pCommands = nullptr;
    CSorvatDoc* m_pDocument = nullptr;
    QLabel* m_pMessagePane = nullptr;
    QMenu* m_pFileMenu = nullptr;
    QStyle* m_menuStyle = nullptr;  // owned as a child
    QAction* m_pRecentPlaceholder = nullptr;
    QList<QAction*> m_recentActions;
    bool m_bDestroyed = false;
    std::unique_ptr<QPrinter> m_printer;
};
