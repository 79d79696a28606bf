#include "export/lo/LibreOfficeApp.h"

#include "export/ColorPalette.h"
#include "export/FileNames.h"
#include "export/lo/OfficeProcess.h"

#include <com/sun/star/beans/PropertyValue.hpp>
#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/bridge/UnoUrlResolver.hpp>
#include <com/sun/star/bridge/XUnoUrlResolver.hpp>
#include <com/sun/star/connection/NoConnectException.hpp>
#include <com/sun/star/container/XEnumeration.hpp>
#include <com/sun/star/container/XEnumerationAccess.hpp>
#include <com/sun/star/container/XIndexAccess.hpp>
#include <com/sun/star/frame/Desktop.hpp>
#include <com/sun/star/frame/XComponentLoader.hpp>
#include <com/sun/star/frame/XController.hpp>
#include <com/sun/star/frame/XDesktop2.hpp>
#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/frame/XStorable.hpp>
#include <com/sun/star/lang/DisposedException.hpp>
#include <com/sun/star/lang/XComponent.hpp>
#include <com/sun/star/sheet/XSpreadsheet.hpp>
#include <com/sun/star/sheet/XSpreadsheetDocument.hpp>
#include <com/sun/star/sheet/XSpreadsheetView.hpp>
#include <com/sun/star/sheet/XSpreadsheets.hpp>
#include <com/sun/star/table/XCell.hpp>
#include <com/sun/star/table/XCellRange.hpp>
#include <com/sun/star/uno/XComponentContext.hpp>
#include <com/sun/star/util/XCloseable.hpp>
#include <com/sun/star/util/XMergeable.hpp>
#include <cppuhelper/bootstrap.hxx>
#include <osl/file.hxx>
#include <rtl/ustring.hxx>

#include <chrono>
#include <initializer_list>
#include <cstdlib>
#include <thread>
#include <unistd.h>

#ifndef SORVAT_LIBREOFFICE_PROGRAM_DIR
#define SORVAT_LIBREOFFICE_PROGRAM_DIR "/usr/lib/libreoffice/program"
#endif

using namespace com::sun::star;
using rtl::OString;
using rtl::OUString;
using uno::Reference;
using uno::UNO_QUERY;
using uno::UNO_QUERY_THROW;

namespace sorvat {

namespace {

constexpr auto ConnectTimeout = std::chrono::seconds(60);
constexpr auto QuitGrace = std::chrono::seconds(10);
constexpr char ExcelFilter[] = "MS Excel 97";
constexpr sal_Int32 NewBookSheets = 3;

OUString ToOUString(const std::string& text) {
    return OStringToOUString(OString(text.data(), static_cast<sal_Int32>(text.size())), RTL_TEXTENCODING_UTF8);
}

std::string ToString(const OUString& text) {
    const OString bytes = OUStringToOString(text, RTL_TEXTENCODING_UTF8);
    return std::string(bytes.getStr(), static_cast<std::size_t>(bytes.getLength()));
}

// Runs one office call; UNO's own exceptions become SpreadsheetError.
template <class F> decltype(auto) Call(const char* what, F&& f) {
    try {
        return f();
    } catch (const uno::Exception& e) {
        throw SpreadsheetError(std::string(what) + ": " + ToString(e.Message));
    }
}

beans::PropertyValue Property(const char* name, const uno::Any& value) {
    beans::PropertyValue property;
    property.Name = OUString::createFromAscii(name);
    property.Value = value;
    return property;
}

uno::Sequence<beans::PropertyValue> Properties(std::initializer_list<beans::PropertyValue> list) {
    return uno::Sequence<beans::PropertyValue>(list.begin(), static_cast<sal_Int32>(list.size()));
}

OUString FileUrl(const std::string& path) {
    OUString url;
    if (osl::FileBase::getFileURLFromSystemPath(ToOUString(path), url) != osl::FileBase::E_None)
        throw SpreadsheetError("not a usable file name: " + path);
    return url;
}

std::string FileNameOfUrl(const OUString& url) {
    OUString path;
    if (url.isEmpty() || osl::FileBase::getSystemPathFromFileURL(url, path) != osl::FileBase::E_None) return {};
    const std::string text = ToString(path);
    const auto slash = text.find_last_of('/');
    return slash == std::string::npos ? text : text.substr(slash + 1);
}

// The local UNO environment that bridges to the office. Made once per process
// and kept to its end: tearing it down while the process exits is unsafe.
Reference<uno::XComponentContext> LocalContext() {
    static Reference<uno::XComponentContext>* context = [] {
        ::setenv("URE_BOOTSTRAP", "vnd.sun.star.pathname:" SORVAT_LIBREOFFICE_PROGRAM_DIR "/fundamentalrc", 0);
        return new Reference<uno::XComponentContext>(cppu::defaultBootstrap_InitialComponentContext());
    }();
    return *context;
}

class LoRange : public SpreadsheetRange {
public:
    explicit LoRange(Reference<table::XCellRange> range) : m_range(std::move(range)) {}

    void SetItem(std::int32_t row, std::int32_t column, const std::string& text) override {
        Call("cell write", [&] { m_range->getCellByPosition(column - 1, row - 1)->setFormula(ToOUString(text)); });
    }

    void SetMergeCells(bool merge) override {
        Call("merge", [&] { Reference<util::XMergeable>(m_range, UNO_QUERY_THROW)->merge(merge); });
    }

    void SetFontColorIndex(std::int16_t index) override {
        const auto color = PaletteColor(index);
        Set("font colour", "CharColor", uno::Any(color ? static_cast<sal_Int32>(*color) : sal_Int32(-1)));
    }

    void SetFontSize(std::int16_t size) override {
        if (size < 1) throw SpreadsheetError("font size out of range: " + std::to_string(size));
        const uno::Any height(static_cast<float>(size));
        // Japanese text takes the Asian height, other scripts the complex one.
        Set("font size", "CharHeight", height);
        Set("font size", "CharHeightAsian", height);
        Set("font size", "CharHeightComplex", height);
    }

    void SetInteriorColorIndex(std::int16_t index) override {
        const auto color = PaletteColor(index);
        Set("background colour", "CellBackColor", uno::Any(color ? static_cast<sal_Int32>(*color) : sal_Int32(-1)));
        Set("background colour", "IsCellBackgroundTransparent", uno::Any(!color.has_value()));
    }

private:
    void Set(const char* what, const char* name, const uno::Any& value) {
        Call(what, [&] {
            Reference<beans::XPropertySet>(m_range, UNO_QUERY_THROW)
                ->setPropertyValue(OUString::createFromAscii(name), value);
        });
    }

    Reference<table::XCellRange> m_range;
};

class LoSheet : public SpreadsheetSheet {
public:
    LoSheet(Reference<sheet::XSpreadsheet> sheet, Reference<frame::XModel> model)
        : m_sheet(std::move(sheet)), m_model(std::move(model)) {}

    void Activate() override {
        Call("sheet activate", [&] {
            Reference<frame::XController> controller = m_model->getCurrentController();
            Reference<sheet::XSpreadsheetView> view(controller, UNO_QUERY);
            if (view.is()) view->setActiveSheet(m_sheet);
        });
    }

    std::shared_ptr<SpreadsheetRange> Cells() override {
        return std::make_shared<LoRange>(Reference<table::XCellRange>(m_sheet, UNO_QUERY_THROW));
    }

    std::shared_ptr<SpreadsheetRange> Range(const std::string& cell1, const std::string& cell2) override {
        return Call("range", [&] {
            return std::make_shared<LoRange>(m_sheet->getCellRangeByName(ToOUString(cell1 + ":" + cell2)));
        });
    }

private:
    Reference<sheet::XSpreadsheet> m_sheet;
    Reference<frame::XModel> m_model;
};

class LoBook : public SpreadsheetBook {
public:
    explicit LoBook(Reference<sheet::XSpreadsheetDocument> document) : m_document(std::move(document)) {}

    std::int32_t SheetCount() override {
        return Call("sheet count", [&] { return Sheets()->getCount(); });
    }

    std::shared_ptr<SpreadsheetSheet> Sheet(std::int32_t index) override {
        return Call("sheet", [&]() -> std::shared_ptr<SpreadsheetSheet> {
            Reference<container::XIndexAccess> sheets = Sheets();
            if (index < 1 || index > sheets->getCount()) return nullptr;
            Reference<sheet::XSpreadsheet> sheet(sheets->getByIndex(index - 1), UNO_QUERY);
            if (!sheet.is()) return nullptr;
            return std::make_shared<LoSheet>(sheet, Reference<frame::XModel>(m_document, UNO_QUERY_THROW));
        });
    }

    void SaveAs(const std::string& fullName) override {
        Call("save", [&] {
            const auto arguments = Properties({
                Property("FilterName", uno::Any(OUString::createFromAscii(ExcelFilter))),
                Property("Overwrite", uno::Any(true)),
            });
            Reference<frame::XStorable>(m_document, UNO_QUERY_THROW)->storeAsURL(FileUrl(fullName), arguments);
        });
    }

    void Close(std::optional<bool> saveChanges) override {
        // A headless office asks nothing: without an explicit choice the
        // changes are dropped.
        Call("close", [&] {
            Reference<frame::XStorable> storable(m_document, UNO_QUERY);
            if (saveChanges.value_or(false) && storable.is() && storable->hasLocation() && !storable->isReadonly())
                storable->store();
            Reference<util::XCloseable> closeable(m_document, UNO_QUERY);
            if (closeable.is())
                closeable->close(true);
            else
                Reference<lang::XComponent>(m_document, UNO_QUERY_THROW)->dispose();
        });
        m_document.clear();
    }

    // A new Calc document has one sheet; a new workbook of the spreadsheet
    // the export was made for has three.
    void AddSheetsUpTo(sal_Int32 count) {
        Call("add sheet", [&] {
            Reference<sheet::XSpreadsheets> sheets = m_document->getSheets();
            int suffix = 1;
            for (sal_Int32 n = Sheets()->getCount(); n < count; ++n) {
                OUString name;
                do name = ToOUString("Sheet" + std::to_string(suffix++));
                while (sheets->hasByName(name));
                sheets->insertNewByName(name, static_cast<sal_Int16>(n));
            }
        });
    }

private:
    Reference<container::XIndexAccess> Sheets() {
        if (!m_document.is()) throw SpreadsheetError("the workbook is closed");
        return Reference<container::XIndexAccess>(m_document->getSheets(), UNO_QUERY_THROW);
    }

    Reference<sheet::XSpreadsheetDocument> m_document;
};

class LoApp : public SpreadsheetApp {
public:
    LoApp() : m_process(SORVAT_LIBREOFFICE_PROGRAM_DIR) {}

    ~LoApp() override {
        try {
            Quit();
        } catch (...) {
        }
        m_process.Stop(std::chrono::milliseconds(0));
    }

    bool Run() override {
        if (m_desktop.is()) return true;
        if (!IsLibreOfficeInstalled()) return false;
        try {
            Reference<uno::XComponentContext> local = LocalContext();
            if (!m_process.Start()) return false;
            Reference<bridge::XUnoUrlResolver> resolver = bridge::UnoUrlResolver::create(local);
            const OUString url = ToOUString(m_process.ConnectUrl());
            const auto deadline = std::chrono::steady_clock::now() + ConnectTimeout;
            while (!m_remote.is()) {
                try {
                    m_remote.set(resolver->resolve(url), UNO_QUERY_THROW);
                } catch (const connection::NoConnectException&) {
                    if (!m_process.IsRunning() || std::chrono::steady_clock::now() > deadline) break;
                    std::this_thread::sleep_for(std::chrono::milliseconds(50));
                }
            }
            if (m_remote.is()) m_desktop = frame::Desktop::create(m_remote);
        } catch (const uno::Exception&) {
        } catch (const cppu::BootstrapException&) {
        }
        if (m_desktop.is()) return true;
        m_remote.clear();
        m_process.Stop(std::chrono::milliseconds(0));
        return false;
    }

    // The office runs without windows and asks nothing.
    void SetVisible(bool) override {}
    void SetDisplayAlerts(bool) override {}

    std::shared_ptr<SpreadsheetBook> AddBook() override {
        std::shared_ptr<LoBook> book = Load("private:factory/scalc", false);
        if (book) book->AddSheetsUpTo(NewBookSheets);
        return book;
    }

    std::shared_ptr<SpreadsheetBook> OpenBook(const std::string& fullName) override {
        // As a template: a read-only load drops merges and formatting, and
        // the file itself stays untouched.
        return Load(ToString(FileUrl(fullName)), true);
    }

    bool IsBookLoaded(const std::string& fileName) override {
        if (!m_desktop.is()) return false;
        return Call("document list", [&] {
            Reference<container::XEnumeration> documents = m_desktop->getComponents()->createEnumeration();
            while (documents->hasMoreElements()) {
                Reference<frame::XModel> model(documents->nextElement(), UNO_QUERY);
                if (model.is() && SameNameNoCase(FileNameOfUrl(model->getURL()), fileName)) return true;
            }
            return false;
        });
    }

    void Quit() override {
        bool ending = false;
        if (m_desktop.is()) {
            try {
                ending = m_desktop->terminate();
            } catch (const lang::DisposedException&) {
                ending = true; // the connection broke while the office went down
            } catch (const uno::Exception&) {
            }
        }
        m_desktop.clear();
        m_remote.clear();
        // An office that refused to end is ended by force at once.
        m_process.Stop(ending ? std::chrono::milliseconds(QuitGrace) : std::chrono::milliseconds(0));
    }

private:
    std::shared_ptr<LoBook> Load(const std::string& url, bool asTemplate) {
        if (!m_desktop.is()) throw SpreadsheetError("the office is not running");
        return Call("open", [&]() -> std::shared_ptr<LoBook> {
            const auto arguments = Properties({
                Property("Hidden", uno::Any(true)),
                Property("AsTemplate", uno::Any(asTemplate)),
            });
            Reference<lang::XComponent> component =
                Reference<frame::XComponentLoader>(m_desktop, UNO_QUERY_THROW)
                    ->loadComponentFromURL(ToOUString(url), "_blank", 0, arguments);
            Reference<sheet::XSpreadsheetDocument> document(component, UNO_QUERY);
            if (document.is()) return std::make_shared<LoBook>(document);
            // Not a workbook (or nothing at all): leave nothing open behind.
            if (component.is()) component->dispose();
            return nullptr;
        });
    }

    OfficeProcess m_process;
    Reference<uno::XComponentContext> m_remote;
    Reference<frame::XDesktop2> m_desktop;
};

} // namespace

#if defined(__SANITIZE_ADDRESS__)
// The UNO runtime caches type descriptions for the life of the process and
// never frees them; that is not ours to report.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libuno_cppu.so\n"
           "leak:libuno_sal.so\n";
}
#endif

std::string LibreOfficeProgramDirectory() { return SORVAT_LIBREOFFICE_PROGRAM_DIR; }

bool IsLibreOfficeInstalled() {
    return ::access((LibreOfficeProgramDirectory() + "/soffice").c_str(), X_OK) == 0;
}

std::unique_ptr<SpreadsheetApp> CreateLibreOfficeApp() { return std::make_unique<LoApp>(); }

} // namespace sorvat
