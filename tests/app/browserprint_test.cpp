// Printing end to end: a refreshed list printed to a PDF, read back with pdftotext -layout.

#include "app/commandids.h"
#include "tests/app/browsertesting.h"
#include "tests/serverlist/servergridtesting.h"
#include "tests/support/testmutex.h"

#include <gtest/gtest.h>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QRadioButton>

namespace kr::test {
namespace {

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
    ModalWatcher answer([&](QWidget* modal) {
        if (auto* setup = qobject_cast<QPageSetupDialog*>(modal)) {
            setup->findChild<QRadioButton*>("landscape")->click();
            setup->accept();
        } else if (auto* print = qobject_cast<QPrintDialog*>(modal)) {
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

    QProcess extract;
    extract.start("pdftotext", {"-layout", pdf, "-"});
    ASSERT_TRUE(extract.waitForFinished(60000)) << "pdftotext (poppler-utils) is needed";
    const std::string text = extract.readAllStandardOutput().toStdString();
    const auto pages = std::count(text.begin(), text.end(), '\f');
    EXPECT_GT(pages, 1);
    EXPECT_EQ(previewPages, pages) << "the preview shows the same pages";
    EXPECT_LT(text.rfind("Korvath Servers"), text.find('\f')) << "the title, on page 1 only";
    std::size_t at = 0;
    for (const std::string& address : addresses) {
        at = text.find(address + "\n", at);
        ASSERT_NE(at, std::string::npos) << address << " missing or out of order";
    }
}

}  // namespace
}  // namespace kr::test
