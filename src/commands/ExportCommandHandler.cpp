// "Excel形式で保存": the working board into a dated workbook made from
// "_Template.xls" in the current directory.
#include "commands/ViewCommands.h"

#include "commands/CommandTexts.h"
#include "commands/ExportMessages.h"
#include "export/SpreadsheetExport.h"
#include "game/GameSession.h"
#include "platform/MessageBox.h"
#include "view/Globals.h"
#include "view/SorvatView.h"

#include <QGuiApplication>

#include <ctime>
#include <filesystem>

using namespace sorvat;

namespace {

// The export keeps the program busy for a second or more.
class BusyCursor {
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace

void CViewCommands::OnExportSpreadsheet() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    std::error_code ec;
    const std::string directory = StartDirectory.empty() ? std::filesystem::current_path(ec).string() : StartDirectory;

    ExportRequest request;
    request.outputPath = ExportFileName(directory, local);
    ExportResult result;
    {
        BusyCursor busy;
        result = ExportSpreadsheet(m_session.Board(), request);
    }
    switch (result.outcome) {
    case ExportOutcome::Saved:
        texts::ShowEnglishTitledBox(&m_view, ExportOutcomeText(result), texts::InfoTitle);
        break;
    case ExportOutcome::OfficeUnavailable:
    case ExportOutcome::Failed:
        texts::ShowEnglishTitledBox(&m_view, ExportOutcomeText(result), texts::ErrorTitle, MessageButtons::Ok,
                                    MessageIcon::Error);
        break;
    case ExportOutcome::NotSaved:
        // Refused with a warning through the wrapper's output hook.
        break;
    }
}
