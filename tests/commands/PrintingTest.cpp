#include "guisupport/WindowFixture.h"

#include "shell/AboutDlg.h"
#include "shell/MainFrame.h"
#include "commands/PrintSetDlg.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QDialogButtonBox>
#include <QPrintDialog>
#include <QPageSize>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTimer>

using namespace sorvat;
using namespace sorvat::test;

namespace {

using Printing = CommandFixture;

// The first page of a PDF as an image (needs pdftoppm from poppler-utils,
// which the setup installs: without it the page is empty and the test fails).
QImage PageImage(const QString& pdf, int dpi) {
    const QString prefix = pdf + QStringLiteral(".page");
    QProcess::execute(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QString::number(dpi),
                             QStringLiteral("-singlefile"), pdf, prefix});
    return QImage(prefix + QStringLiteral(".png"));
}

} // namespace

TEST_F(Printing, NarrowDeviceStillPrintsTheWholeBoard) {
    view->LoadFile(WritePuzzle("q1.md2", Givens()).string());
    QPrinter printer(QPrinter::ScreenResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QSizeF(90, 120), QPageSize::Millimeter));
    printer.setPageMargins(QMarginsF(0, 0, 0, 0));
    printer.setOutputFileName(QString::fromStdString((dir / "narrow.pdf").string()));
    ASSERT_LT(printer.width(), 523);  // the print scale would be 0
    commands->PrintBoard(printer);

    const QImage page = PageImage(printer.outputFileName(), 96);
    ASSERT_FALSE(page.isNull()) << "pdftoppm made no page: is poppler-utils installed?";
    // The blue box frames and the red outer frame, squeezed onto the page
    // rather than collapsed to a point.
    QRect blue;
    int red = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) {
            const QColor c = page.pixelColor(x, y);
            if (c.blue() > 215 && c.red() < 40 && c.green() < 40) blue |= QRect(x, y, 1, 1);
            red += c.red() > 215 && c.green() < 40 && c.blue() < 40 ? 1 : 0;
        }
    EXPECT_GT(blue.width(), page.width() / 2);
    EXPECT_LE(blue.right(), page.width());
    EXPECT_GT(red, 100);
}

// The check box changes the setting at once; a cancel keeps the change.
TEST_F(Printing, PrintSettingsDialogEditsBlindPrintAtOnce) {
    settings().blindPrint = 1;
    CPrintSetDlg dialog(frame);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("印刷設定"));
    EXPECT_TRUE(dialog.m_pBlind->isChecked());
    dialog.m_pBlind->click();
    EXPECT_EQ(settings().blindPrint, 0);
    dialog.reject();
    EXPECT_EQ(settings().blindPrint, 0);
}

// The print settings come first for a print and a preview; the printer
// setup shows the window's printer, only confirms a choice and keeps it, and
// the preview prints with that same printer.
TEST_F(Printing, PrintsAndPreviewsUseTheWindowsPrinterAfterThePrintSettings) {
    frame->Printer().setPageOrientation(QPageLayout::Landscape);
    QStringList seen;
    QPrinter* shown = nullptr;
    QString okText;
    bool acceptPrintDialog = true;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) return;
        seen.append(QString::fromLatin1(modal->metaObject()->className()));
        auto* dialog = qobject_cast<QPrintDialog*>(modal);
        if (dialog != nullptr) {
            shown = dialog->printer();
            okText = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->text();
        }
        if (auto* preview = qobject_cast<QPrintPreviewDialog*>(modal)) shown = preview->printer();
        QMetaObject::invokeMethod(modal, dialog && acceptPrintDialog ? "accept" : "reject", Qt::QueuedConnection);
    });
    closer.start(20);

    frame->OnCommand(ID_FILE_PRINT_SETUP);
    EXPECT_EQ(seen, QStringList{QStringLiteral("QPrintDialog")});
    EXPECT_EQ(shown, &frame->Printer());
    EXPECT_EQ(okText, QStringLiteral("OK"));
    EXPECT_EQ(frame->Printer().pageLayout().orientation(), QPageLayout::Landscape);

    seen.clear();
    Command(ID_FILE_PRINT_PREVIEW);
    EXPECT_EQ(seen, (QStringList{QStringLiteral("CPrintSetDlg"), QStringLiteral("QPrintPreviewDialog")}));
    EXPECT_EQ(shown, &frame->Printer());
    EXPECT_EQ(frame->Printer().pageLayout().orientation(), QPageLayout::Landscape);

    seen.clear();
    acceptPrintDialog = false;
    QPrinter printer;
    EXPECT_FALSE(commands->OnPreparePrinting(printer, false));  // the print dialog was cancelled
    EXPECT_EQ(seen, (QStringList{QStringLiteral("CPrintSetDlg"), QStringLiteral("QPrintDialog")}));
}

TEST(AboutBox, ShowsNameAndVersion) {
    CAboutDlg about;
    EXPECT_EQ(about.windowTitle(), QString::fromUtf8("Sorvatのﾊﾞｰｼﾞｮﾝ情報"));
    QStringList texts;
    for (const QLabel* label : about.findChildren<QLabel*>()) texts.append(label->text());
    EXPECT_TRUE(texts.contains(QStringLiteral("Sorvat Version 0.101")));
    auto* ok = about.findChild<QPushButton*>(QStringLiteral("ok"));
    ASSERT_NE(ok, nullptr);
    EXPECT_TRUE(ok->isDefault());
}
