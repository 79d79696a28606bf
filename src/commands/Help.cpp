// 操作方法等ヘルプ.
#include "commands/ViewCommands.h"

#include "commands/CommandTexts.h"
#include "platform/MessageBox.h"
#include "platform/ProgramPath.h"
#include "platform/ShellOpen.h"
#include "view/SorvatView.h"

#include <QFile>
#include <filesystem>

using namespace sorvat;

void CViewCommands::OnHelp() {
    std::string path = ProgramFilePath().string();
    const std::size_t slash = path.rfind('/');
    path = (slash == std::string::npos ? std::string() : path.substr(0, slash + 1)) + texts::HelpFileName;

    std::error_code ec;
    const QString shown = QFile::decodeName(path.c_str());
    if (!std::filesystem::exists(path, ec)) {
        ShowMessageBox(&m_view, texts::UiText(texts::HelpMissingText, shown), texts::UiText(texts::CautionTitle),
                       MessageButtons::Ok, MessageIcon::Warning);
        return;
    }
    ShellOpen(shown);
}
