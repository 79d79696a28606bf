#include "shell/UiLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace sorvat {

namespace {

// Where the build puts the compiled translations among the program's
// resources.
const QString ProgramTranslations = QStringLiteral(":/translations");

} // namespace

std::optional<UiLanguage> LanguageOfOption(const QString& value) {
    const QString code = value.trimmed().toLower();
    if (code == QLatin1String("ja")) return UiLanguage::Japanese;
    if (code == QLatin1String("en")) return UiLanguage::English;
    return std::nullopt;
}

UiLanguage ChooseLanguage(std::optional<UiLanguage> option, const QLocale& locale) {
    if (option) return *option;
    return locale.language() == QLocale::English ? UiLanguage::English : UiLanguage::Japanese;
}

UiTranslations::UiTranslations(UiLanguage language) {
    const QString code = language == UiLanguage::English ? QStringLiteral("en") : QStringLiteral("ja");
    Install(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (language == UiLanguage::English)
        m_bProgramTexts = Install(QStringLiteral("sorvat_en"), ProgramTranslations);
}

UiTranslations::~UiTranslations() {
    for (const auto& translator : m_translators)
        QCoreApplication::removeTranslator(translator.get());
}

bool UiTranslations::Install(const QString& name, const QString& directory) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(name, directory) || !QCoreApplication::installTranslator(translator.get()))
        return false;
    m_translators.push_back(std::move(translator));
    return true;
}

} // namespace sorvat
