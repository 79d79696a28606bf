#include "export/SpreadsheetApp.h"

#ifdef SORVAT_HAVE_LIBREOFFICE
#include "export/lo/LibreOfficeApp.h"
#endif

namespace sorvat {

std::unique_ptr<SpreadsheetApp> CreateDefaultSpreadsheetApp() {
#ifdef SORVAT_HAVE_LIBREOFFICE
    return CreateLibreOfficeApp();
#else
    return nullptr;
#endif
}

} // namespace sorvat
