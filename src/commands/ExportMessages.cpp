#include "commands/ExportMessages.h"

#include "commands/CommandTexts.h"

namespace sorvat {

QString ExportOutcomeText(const ExportResult& result) {
    switch (result.outcome) {
    case ExportOutcome::Saved:
        return texts::UiText(texts::ExportSavedText, QString::fromStdString(result.outputPath));
    case ExportOutcome::OfficeUnavailable:
        return texts::UiText(texts::ExportNoOfficeText);
    case ExportOutcome::Failed:
        return texts::UiText(texts::ExportFailedText, QString::fromStdString(result.error));
    case ExportOutcome::NotSaved:
        break;
    }
    return texts::UiText(texts::ExportNotSavedText, QString::fromStdString(result.outputPath));
}

} // namespace sorvat
