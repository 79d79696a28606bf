// 操作方法等ヘルプ: the CHM help file beside the program; where no program takes
// it, the same help as HTML pages in the web browser; where nothing opens
// either, a box that says what to install.
#include "commands/ViewCommands.h"

#include "commands/CommandTexts.h"
#include "platform/MessageBox.h"
#include "platform/ProgramPath.h"
#include "platform/ShellOpen.h"
#include "view/SorvatView.h"

#include <QFile>
#include <QStringList>
#include <filesystem>

using namespace sorvat;

void CViewCommands::OnHelp() {
    std::string directory = ProgramFilePath().string();
    const std::size_t slash = directory.rfind('/');
    directory = slash == std::string::npos ? std::string() : directory.substr(0, slash + 1);
    const std::string path = directory + texts::HelpFileName;
    const std::string index = directory + texts::HelpIndexPage;

    std::error_code ec;
    const QString shown = QFile::decodeName(path.c_str());
    if (!std::filesystem::exists(path, ec)) {
        ShowMessageBox(&m_view, texts::UiText(texts::HelpMissingText, shown), texts::UiText(texts::CautionTitle),
                       MessageButtons::Ok, MessageIcon::Warning);
        return;
    }
    if (ShellOpen(shown)) return;
    QStringList tried{shown};
    if (std::filesystem::exists(index, ec)) {
        tried.append(QFile::decodeName(index.c_str()));
        if (ShellOpen(tried.back())) return;
    }
    ShowMessageBox(&m_view, texts::UiText(texts::HelpNoViewerText, tried.join(QStringLiteral("\r\n  "))),
                   texts::UiText(texts::CautionTitle), MessageButtons::Ok, MessageIcon::Warning);
}
