// SPDX-License-Identifier: GPL-3.0-or-later
// The view's printing: Print (with the print dialog) and Print Preview on the application's one
// printer, direct printing on a printer made from it, all through the same printing operations.

#include "app/browserview.h"

#include "app/commandids.h"
#include "app/printspool.h"
#include "app/stringtable.h"
#include "platform/qt/dc.h"
#include "platform/qt/messagebox.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include <memory>
#include <vector>

namespace {

// Direct printing needs a real printer: the one chosen for the application when it is an
// installed printer, else the system's default printer; null when no printer is installed. It is
// a printer of its own with the page layout, copies, collation, colour and two-sided printing
// chosen for the application's, so that later dialogs still show the printer (or PDF file)
// chosen there.
std::unique_ptr<QPrinter> MakeDirectPrinter(const QPrinter& chosen) {
    QPrinterInfo installed = chosen.outputFormat() == QPrinter::NativeFormat
                                 ? QPrinterInfo::printerInfo(chosen.printerName())
                                 : QPrinterInfo();
    if (installed.isNull()) {
        installed = QPrinterInfo::defaultPrinter();
    }
    if (installed.isNull()) {
        return nullptr;
    }
    auto printer = std::make_unique<QPrinter>(installed, QPrinter::HighResolution);
    if (printer->outputFormat() != QPrinter::NativeFormat) {
        return nullptr;
    }
    printer->setPageLayout(chosen.pageLayout());
    printer->setCopyCount(chosen.copyCount());
    printer->setCollateCopies(chosen.collateCopies());
    printer->setColorMode(chosen.colorMode());
    printer->setDuplex(chosen.duplex());
    return printer;
}

}  // namespace

bool CBrowserView::OnPreparePrinting(CPrintInfo* pInfo) {
    if (pInfo->m_bPreview) {
        return true;
    }
    if (pInfo->m_bDirect) {
        pInfo->m_pDirectPrinter = MakeDirectPrinter(*m_pPrinter);
        if (pInfo->m_pDirectPrinter == nullptr) {
            AfxMessageBox(
                tr("No printer is installed, so nothing was printed.\n"
                   "Print... on the File menu can write the list to a PDF file instead."));
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
        PrintJob(bDirect ? info.m_pDirectPrinter.get() : m_pPrinter, &info);
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
                          ? tr("The file \"%1\" cannot be written, so nothing was printed.")
                                .arg(printer->outputFileName())
                          : tr("The printer \"%1\" cannot be started, so nothing was printed.")
                                .arg(printer->printerName()));
        return false;
    }
    {
        // The pages are laid out first, then those asked for are put out: the printer makes the
        // copies when it can, else (a PDF file) the pages are written again.
        CPrintSpool spool(&painter);
        OnBeginPrinting(&spool, pInfo);
        OnPrint(&spool, pInfo);
        OnEndPrinting(&spool, pInfo);
        const bool bRange = printer->printRange() == QPrinter::PageRange;
        const std::vector<int> pages = PrintedPageOrder(
            spool.GetPageCount(), bRange ? printer->fromPage() : 0, bRange ? printer->toPage() : 0,
            printer->supportsMultipleCopies() ? 1 : printer->copyCount(), printer->collateCopies());
        if (pages.empty()) {
            AfxMessageBox(tr("The list has %1 page(s), none from page %2 on, so nothing was "
                             "printed.")
                              .arg(spool.GetPageCount())
                              .arg(printer->fromPage()));
        }
        spool.Play(pages);
    }
    return painter.end();
}
