#pragma once
#include <QObject>
#include <QStringList>
#include <filesystem>
#include <memory>

class CMainFrame;
class CSorvatDoc;
class CSorvatView;

// The application object: start-up in the order the program relies on, and
// the key pre-translation that hands every key-down to the view before the
// accelerators are looked at. Needs a QApplication.
class CSorvatApp : public QObject {
    Q_OBJECT
public:
    CSorvatApp();
    ~CSorvatApp() override;

    // Registry key and recent files, document, frame (which reads the
    // settings), view (which loads the command-line or continue file), bars,
    // the command line as document, then the window shown. `arguments` are
    // the program name and its arguments; `programDirectory`, when given,
    // replaces the directory of the program file (the settings file's place).
    // Returns false when start-up failed.
    bool InitInstance(const QStringList& arguments,
                      const std::filesystem::path& programDirectory = {}, bool show = true);

    CMainFrame* MainFrame() const { return m_pMainFrame.get(); }
    CSorvatDoc* Document() const { return m_pDocument.get(); }

    // Key pre-translation: a key-down goes to the view's HandleKey, then the
    // accelerator table. Returns true when an accelerator took the key.
    bool PreTranslateMessage(int qtKey, Qt::KeyboardModifiers modifiers);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::unique_ptr<CSorvatDoc> m_pDocument;
    std::unique_ptr<CMainFrame> m_pMainFrame;
};
