// The view's printing: Print (with the print dialog), direct printing and Print Preview, all on
// the application's one printer and all through the same printing operations.

#include "app/browserview.h"

#include "app/commandids.h"
#include "app/stringtable.h"
#include "platform/qt/dc.h"
#include "platform/qt/messagebox.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

// Direct printing needs a real printer: the printer in hand when it is one, else the system's
// default printer. False when no printer is installed.
bool SelectInstalledPrinter(QPrinter* printer) {
    if (printer->outputFormat() == QPrinter::NativeFormat &&
        !QPrinterInfo::printerInfo(printer->printerName()).isNull()) {
        return true;
    }
    const QPrinterInfo installed = QPrinterInfo::defaultPrinter();
    if (installed.isNull()) {
        return false;
    }
    printer->setOutputFormat(QPrinter::NativeFormat);
    printer->setPrinterName(installed.printerName());
    return printer->outputFormat() == QPrinter::NativeFormat;
}

}  // namespace

bool CBrowserView::OnPreparePrinting(CPrintInfo* pInfo) {
    if (pInfo->m_bPreview) {
        return true;
    }
    if (pInfo->m_bDirect) {
        if (!SelectInstalledPrinter(m_pPrinter)) {
            AfxMessageBox(
                "No printer is installed, so nothing was printed.\n"
                "Print... on the File menu can write the list to a PDF file instead.");
            return false;
        }
        return true;
    }
    // With no printer installed the dialog offers printing to a PDF file.
    QPrintDialog dialog(m_pPrinter, this);
    return dialog.exec() == QDialog::Accepted;
}

void CBrowserView::OnBeginPrinting(CDC*, CPrintInfo*) {}

// The page drawing that follows in a print job would only call OnDraw, which draws nothing: the
// grid paints itself on the screen.
void CBrowserView::OnPrint(CDC* pDC, CPrintInfo*) {
    m_wndGrid.PrintTree(pDC);
}

void CBrowserView::OnEndPrinting(CDC*, CPrintInfo*) {}

void CBrowserView::OnFilePrint(bool bDirect) {
    CPrintInfo info;
    info.m_bDirect = bDirect;
    if (OnPreparePrinting(&info)) {
        PrintJob(m_pPrinter, &info);
    }
}

void CBrowserView::OnFilePrintPreview() {
    CPrintInfo info;
    info.m_bPreview = true;
    if (!OnPreparePrinting(&info)) {
        return;
    }
    QPrintPreviewDialog preview(m_pPrinter, this);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this, &info](QPrinter* printer) { PrintJob(printer, &info); });
    preview.exec();
}

bool CBrowserView::PrintJob(QPrinter* printer, CPrintInfo* pInfo) {
    printer->setDocName(LoadResourceString(IDR_MAINFRAME));
    QPainter painter;
    if (!painter.begin(printer)) {
        AfxMessageBox(printer->outputFormat() == QPrinter::PdfFormat
                          ? QString("The file \"%1\" cannot be written, so nothing was printed.")
                                .arg(printer->outputFileName())
                          : QString("The printer \"%1\" cannot be started, so nothing was printed.")
                                .arg(printer->printerName()));
        return false;
    }
    {
        CDC dc(&painter, nullptr);
        OnBeginPrinting(&dc, pInfo);
        OnPrint(&dc, pInfo);
        OnEndPrinting(&dc, pInfo);
    }
    return painter.end();
}
