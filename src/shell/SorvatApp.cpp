#include "shell/SorvatApp.h"

#include "platform/VirtualKeys.h"
#include "shell/Accelerators.h"
#include "commands/ViewCommands.h"
#include "shell/MainFrame.h"
#include "view/Globals.h"
#include "view/SorvatDoc.h"
#include "view/SorvatView.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWindow>

CSorvatApp::CSorvatApp() = default;

CSorvatApp::~CSorvatApp() {
    if (qApp)
        qApp->removeEventFilter(this);
    // The frame (and with it the view) goes before the document.
    m_pMainFrame.reset();
    m_pDocument.reset();
}

bool CSorvatApp::InitInstance(const std::vector<std::string>& arguments,
                              const std::filesystem::path& programDirectory, bool show) {
    // Per-user profile: the recent-file list lives under this key.
    QCoreApplication::setOrganizationName(QStringLiteral("Local AppWizard-Generated Applications"));
    QCoreApplication::setApplicationName(QStringLiteral("Sorvat"));

    m_pDocument = std::make_unique<CSorvatDoc>();
    m_pMainFrame = std::make_unique<CMainFrame>(programDirectory);
    auto* view = new CSorvatView(m_pDocument->Session());
    m_pDocument->SetView(view);
    m_pMainFrame->PreCreateWindow();
    if (m_pMainFrame->OnCreate(view, m_pDocument.get(), arguments) != 0)
        return false;

    // The command line as the document: without a file a new document, with
    // one that file opened (so it is read a second time).
    if (arguments.size() < 2)
        m_pDocument->OnFileNew();
    else if (!m_pDocument->OpenDocumentFile(arguments.at(1)))
        return false;

    qApp->installEventFilter(this);
    if (show) {
        m_pMainFrame->show();
        m_pMainFrame->update();
    }
    return true;
}

bool CSorvatApp::PreTranslateMessage(int qtKey, Qt::KeyboardModifiers modifiers) {
    // A key with Alt is a system key (menu mnemonics, Alt+Backspace): it
    // reaches the accelerators but not the view.
    if (g_pView && m_pMainFrame->Commands() && !modifiers.testFlag(Qt::AltModifier))
        m_pMainFrame->Commands()->HandleKey(sorvat::VirtualKeyFromQtKey(qtKey));
    const int command = sorvat::AcceleratorCommand(qtKey, modifiers);
    if (command == 0 || !g_pMainFrame)
        return false;
    m_pMainFrame->OnCommand(command);
    return true;
}

bool CSorvatApp::IsMainWindowKey(QObject* watched) const {
    // Message boxes, file and print dialogs, the memo box and open menus
    // keep their keys: they run loops of their own, apart from the window's.
    return m_pMainFrame && watched == static_cast<QObject*>(m_pMainFrame->windowHandle())
        && QApplication::activePopupWidget() == nullptr
        && QApplication::activeModalWidget() == nullptr;
}

bool CSorvatApp::eventFilter(QObject* watched, QEvent* event) {
    // A key press reaches the top-level window first; handling it there sees
    // every key of the main window exactly once, whichever of its widgets has
    // the focus.
    if (event->type() == QEvent::KeyPress && IsMainWindowKey(watched)) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (PreTranslateMessage(key->key(), key->modifiers()))
            return true;
    }
    return QObject::eventFilter(watched, event);
}
