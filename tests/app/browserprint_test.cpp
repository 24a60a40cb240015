// SPDX-License-Identifier: GPL-3.0-or-later
// Printing end to end: a refreshed list printed to a PDF, read back with pdftotext -layout.

#include "app/commandids.h"
#include "tests/app/browsertesting.h"
#include "tests/serverlist/servergridtesting.h"
#include "tests/support/testmutex.h"

#include <gtest/gtest.h>
#include <QCheckBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QRadioButton>
#include <QSpinBox>

#include <functional>

namespace kr::test {
namespace {

// The PDF's text as pdftotext -layout gives it, each page ended by a form feed.
std::string PdfText(const QString& pdf) {
    QProcess extract;
    extract.start("pdftotext", {"-layout", pdf, "-"});
    EXPECT_TRUE(extract.waitForFinished(60000)) << "pdftotext (poppler-utils) is needed";
    return extract.readAllStandardOutput().toStdString();
}

TEST(BrowserPrintTest, PrintedPdfListsEveryServerInTreeOrderOverSeveralPages) {
    ScopedTempDir dir(true);
    const TestUpdateMutex mutex;
    BrowserOnSim run({"--servers", "150", "--silent", "5", "--random", "11"});
    ASSERT_NE(run.browser, nullptr);
    CMainFrame& frame = *run.browser->MainFrame();
    CServerGrid& grid = frame.View().Grid();
    frame.SendCommand(ID_NEW_FULL_LIST);
    grid.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);

    std::vector<std::string> addresses;  // the servers, groups in tree order
    for (CGridTreeItem* version : Roots(grid)) {
        for (CGridTreeItem* type : Children(grid, version)) {
            const std::vector<std::string> servers = Texts(grid, Children(grid, type), 7);
            addresses.insert(addresses.end(), servers.begin(), servers.end());
        }
    }
    ASSERT_GT(addresses.size(), 100u);

    const QString pdf = QString::fromStdString(dir.File("servers.pdf"));
    run.browser->Printer().setOutputFileName(pdf);
    int previewPages = 0;
    std::function<void(QPrintDialog*)> choose = [](QPrintDialog*) {};
    ModalWatcher answer([&](QWidget* modal) {
        if (auto* setup = qobject_cast<QPageSetupDialog*>(modal)) {
            setup->findChild<QRadioButton*>("landscape")->click();
            setup->accept();
        } else if (auto* print = qobject_cast<QPrintDialog*>(modal)) {
            choose(print);
            print->accept();
        } else if (auto* preview = qobject_cast<QPrintPreviewDialog*>(modal)) {
            previewPages = preview->findChild<QPrintPreviewWidget*>()->pageCount();
            preview->reject();
        }
    });
    frame.SendCommand(ID_FILE_PRINT_SETUP);
    frame.SendCommand(ID_FILE_PRINT);
    frame.SendCommand(ID_FILE_PRINT_PREVIEW);
    // Both dialogs work on the browser's printer: the choice holds, the PDF named there is written.
    EXPECT_EQ(run.browser->Printer().pageLayout().orientation(), QPageLayout::Landscape);

    const std::string text = PdfText(pdf);
    const auto pages = std::count(text.begin(), text.end(), '\f');
    EXPECT_GT(pages, 1);
    EXPECT_EQ(previewPages, pages) << "the preview shows the same pages";
    EXPECT_LT(text.rfind("Korvath Servers"), text.find('\f')) << "the title, on page 1 only";
    std::size_t at = 0;
    for (const std::string& address : addresses) {
        at = text.find(address + "\n", at);
        ASSERT_NE(at, std::string::npos) << address << " missing or out of order";
    }

    // The dialog's page range and copies: only the pages asked for, in order, and the copies
    // written out (a PDF file makes none itself): whole runs when collated, else page by page.
    std::vector<std::string> page;
    for (std::size_t from = 0, end; (end = text.find('\f', from)) != std::string::npos;
         from = end + 1) {
        page.push_back(text.substr(from, end + 1 - from));
    }
    ASSERT_GE(page.size(), 2u);
    std::string pageByPage;
    for (const std::string& one : page) {
        pageByPage += one + one;
    }
    const std::tuple<int, int, bool, std::string> runs[] = {
        {2, 1, true, page[1]}, {0, 3, true, text + text + text}, {0, 2, false, pageByPage}};
    for (const auto& [only, copies, collate, expected] : runs) {
        choose = [&, only = only, copies = copies, collate = collate](QPrintDialog* print) {
            print->findChild<QRadioButton*>(only > 0 ? "printRange" : "printAll")->click();
            print->findChild<QSpinBox*>("from")->setValue(only);
            print->findChild<QSpinBox*>("to")->setValue(only);
            print->findChild<QSpinBox*>("copies")->setValue(copies);
            print->findChild<QCheckBox*>("collate")->setChecked(collate);
        };
        frame.SendCommand(ID_FILE_PRINT);
        EXPECT_EQ(PdfText(pdf), expected) << "page " << only << ", copies " << copies;
    }
}

}  // namespace
}  // namespace kr::test
