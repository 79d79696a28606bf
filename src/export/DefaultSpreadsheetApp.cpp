#include "export/SpreadsheetApp.h"

#ifdef SORVAT_HAVE_LIBREOFFICE
#include "export/lo/LibreOfficeApp.h"
#endif

namespace sorvat {

namespace {

std::function<std::unique_ptr<SpreadsheetApp>()>& Override() {
    static std::function<std::unique_ptr<SpreadsheetApp>()> factory;
    return factory;
}

} // namespace

std::unique_ptr<SpreadsheetApp> CreateDefaultSpreadsheetApp() {
    if (Override()) return Override()();
#ifdef SORVAT_HAVE_LIBREOFFICE
    return CreateLibreOfficeApp();
#else
    return nullptr;
#endif
}

void SetDefaultSpreadsheetAppFactory(std::function<std::unique_ptr<SpreadsheetApp>()> factory) {
    Override() = std::move(factory);
}

} // namespace sorvat
