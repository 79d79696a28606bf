#pragma once
#include <QLocale>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

class QTranslator;

namespace sorvat {

// Japanese is the program's own language (its texts are the sources of the
// translations); English is a translation.
enum class UiLanguage { Japanese, English };

// The value of the "--lang" option: "ja" or "en" (any case). Nothing for any
// other value.
std::optional<UiLanguage> LanguageOfOption(const QString& value);

// The option when given; otherwise English when the locale's language is
// English, and Japanese for every other locale.
UiLanguage ChooseLanguage(std::optional<UiLanguage> option, const QLocale& locale);

// The translations of a language installed on the running application for
// the lifetime of this object: the program's own (built into the program)
// and Qt's for its standard buttons and dialogs, when the system has them.
class UiTranslations {
public:
    explicit UiTranslations(UiLanguage language);
    ~UiTranslations();
    UiTranslations(const UiTranslations&) = delete;
    UiTranslations& operator=(const UiTranslations&) = delete;

    // Whether the program's own translation was found (always true for
    // Japanese, which needs none).
    bool HasProgramTexts() const { return m_bProgramTexts; }

private:
    bool Install(const QString& name, const QString& directory);

    std::vector<std::unique_ptr<QTranslator>> m_translators;
    bool m_bProgramTexts = true;
};

} // namespace sorvat
