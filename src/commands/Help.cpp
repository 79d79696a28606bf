// 操作方法等ヘルプ and the memo box's closing.
#include "view/SorvatView.h"

#include "commands/CommandTexts.h"
#include "platform/MessageBox.h"
#include "platform/ProgramPath.h"
#include "platform/ShellOpen.h"

#include <QFile>
#include <filesystem>

using namespace sorvat;

void CSorvatView::OnHelp() {
    std::string path = ProgramFilePath().string();
    const std::size_t slash = path.rfind('/');
    path = (slash == std::string::npos ? std::string() : path.substr(0, slash + 1)) + texts::HelpFileName;

    std::error_code ec;
    const QString shown = QFile::decodeName(path.c_str());
    if (!std::filesystem::exists(path, ec)) {
        ShowMessageBox(this, texts::UiText(texts::HelpMissingText, shown), texts::UiText(texts::CautionTitle),
                       MessageButtons::Ok, MessageIcon::Warning);
        return;
    }
    ShellOpen(shown);
}

void CSorvatView::CloseMessageWindow() {
    GetMemoHandoff().CloseWindow();
}
