#include "shell/SorvatApp.h"

#include "platform/VirtualKeys.h"
#include "shell/Accelerators.h"
#include "shell/MainFrame.h"
#include "view/Globals.h"
#include "view/SorvatDoc.h"
#include "view/SorvatView.h"

#include <QApplication>
#include <QKeyEvent>

CSorvatApp::CSorvatApp() = default;

CSorvatApp::~CSorvatApp() {
    if (qApp)
        qApp->removeEventFilter(this);
    // The frame (and with it the view) goes before the document.
    m_pMainFrame.reset();
    m_pDocument.reset();
}

bool CSorvatApp::InitInstance(const QStringList& arguments,
                              const std::filesystem::path& programDirectory, bool show) {
    // Per-user profile: the recent-file list lives under this key.
    QCoreApplication::setOrganizationName(QStringLiteral("Local AppWizard-Generated Applications"));
    QCoreApplication::setApplicationName(QStringLiteral("Sorvat"));

    m_pDocument = std::make_unique<CSorvatDoc>();
    m_pMainFrame = std::make_unique<CMainFrame>(programDirectory);
    auto* view = new CSorvatView;
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
    if (g_pView)
        g_pView->HandleKey(sorvat::VirtualKeyFromQtKey(qtKey));
    const int command = sorvat::AcceleratorCommand(qtKey, modifiers);
    if (command == 0 || !g_pMainFrame)
        return false;
    m_pMainFrame->OnCommand(command);
    return true;
}

bool CSorvatApp::eventFilter(QObject* watched, QEvent* event) {
    // A key press reaches the top-level window first; handling it there sees
    // every key exactly once, whichever widget has the focus.
    if (event->type() == QEvent::KeyPress && watched->isWindowType()) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (PreTranslateMessage(key->key(), key->modifiers()))
            return true;
    }
    return QObject::eventFilter(watched, event);
}
