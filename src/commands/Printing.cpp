// Printing and print preview of the board.
#include "commands/ViewCommands.h"

#include "commands/PrintSetDlg.h"
#include "view/FrameServices.h"
#include "view/BoardPainter.h"
#include "view/Globals.h"
#include "view/SorvatView.h"

#include <QPainter>
#include <QPicture>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

using namespace sorvat;

namespace {

// A recording that the board drawing takes for a printer page of a usual
// size (A4 at 300 dots per inch), so a page too narrow for whole squares can
// be drawn at that size and shrunk onto the real page.
class NominalPrinterPage : public QPicture {
public:
    static constexpr int Width = 2480;
    static constexpr int Height = 3508;

    explicit NominalPrinterPage(const QPaintDevice& target)
        : dpiX(target.logicalDpiX()), dpiY(target.logicalDpiY()) {}
    int devType() const override { return QInternal::Printer; }

protected:
    int metric(PaintDeviceMetric m) const override {
        switch (m) {
        case PdmWidth: return Width;
        case PdmHeight: return Height;
        // The target's resolution, so the replay keeps the font sizes.
        case PdmDpiX:
        case PdmPhysicalDpiX: return dpiX;
        case PdmDpiY:
        case PdmPhysicalDpiY: return dpiY;
        default: return QPicture::metric(m);
        }
    }

private:
    int dpiX;
    int dpiY;
};

} // namespace

namespace {

// The window's printer, so that the printer setup holds for every print;
// a view without a main frame prints with a printer of its own.
template <typename F>
void WithPrinter(F print) {
    if (g_pMainFrame != nullptr) {
        print(g_pMainFrame->Printer());
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    print(printer);
}

} // namespace

void CViewCommands::OnFilePrint() {
    WithPrinter([this](QPrinter& printer) {
        if (OnPreparePrinting(printer, false)) PrintBoard(printer);
    });
}

void CViewCommands::OnFilePrintPreview() {
    WithPrinter([this](QPrinter& printer) { PreviewBoard(printer); });
}

void CViewCommands::PreviewBoard(QPrinter& printer) {
    OnPreparePrinting(printer, true);
    QPrintPreviewDialog preview(&printer, &m_view);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* target) {
        PrintBoard(*target);
    });
    preview.exec();
}

bool CViewCommands::OnPreparePrinting(QPrinter& printer, bool preview) {
    CPrintSetDlg settingsDialog(g_pMainFrame);
    settingsDialog.exec();
    if (preview) return true;
    QPrintDialog dialog(&printer, &m_view);
    return dialog.exec() == QDialog::Accepted;
}

void CViewCommands::PrintBoard(QPrinter& printer) {
    m_view.OnBeginPrinting();
    QPainter painter(&printer);
    if (painter.isActive()) {
        if (PrintScale(printer.width(), m_view.m_rcSquare.Width()) > 0) {
            m_view.OnDraw(painter);
        } else {
            // Too narrow for whole squares: draw the page at a usual printer
            // size and shrink it onto the device, rather than collapsing it.
            NominalPrinterPage picture(printer);
            QPainter recorder(&picture);
            m_view.OnDraw(recorder);
            recorder.end();
            const QRect bounds = picture.boundingRect().united(QRect(0, 0, 1, 1));
            const double factor = std::min(static_cast<double>(printer.width()) / (bounds.right() + 1),
                                           static_cast<double>(printer.height()) / (bounds.bottom() + 1));
            painter.scale(factor, factor);
            painter.drawPicture(0, 0, picture);
        }
        painter.end();
    }
    m_view.OnEndPrinting();
}
