#pragma once
#include <QObject>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

class CMainFrame;
class CSorvatDoc;
class CSorvatView;

// The application object: start-up in the order the program relies on, and
// the key pre-translation that hands every key-down of the main window to
// the view before the accelerators are looked at. Needs a QApplication.
class CSorvatApp : public QObject {
    Q_OBJECT
public:
    CSorvatApp();
    ~CSorvatApp() override;

    // Registry key and recent files, document, frame (which reads the
    // settings), view (which loads the command-line or continue file), bars,
    // the command line as document, then the window shown. `arguments` are
    // the program name and its arguments as the system's bytes;
    // `programDirectory`, when given, replaces the directory of the program
    // file (the settings file's place). Returns false when start-up failed.
    bool InitInstance(const std::vector<std::string>& arguments,
                      const std::filesystem::path& programDirectory = {}, bool show = true);

    CMainFrame* MainFrame() const { return m_pMainFrame.get(); }
    CSorvatDoc* Document() const { return m_pDocument.get(); }

    // Key pre-translation: a key-down goes to the view commands' HandleKey, then the
    // accelerator table. Returns true when an accelerator took the key.
    bool PreTranslateMessage(int qtKey, Qt::KeyboardModifiers modifiers);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Whether a key press delivered to `watched` is one of the main window's
    // own keys: sent to its window while no menu is open and no dialog is
    // modal.
    bool IsMainWindowKey(QObject* watched) const;

    std::unique_ptr<CSorvatDoc> m_pDocument;
    std::unique_ptr<CMainFrame> m_pMainFrame;
};
