// SPDX-License-Identifier: GPL-3.0-or-later
// The window follows the installed translation (a pseudo-translation of a few menu and core texts
// built with the tests); a translation file that cannot be read is left out and the built-in texts
// stay.
#include "app/commandids.h"
#include "app/noticetranslation.h"
#include "app/programtranslations.h"
#include "tests/app/browsertesting.h"
#include "tests/serverlist/servergridtesting.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>
#include <QMenuBar>

#include <fstream>

using namespace kr::test;

TEST(TranslationTest, MenusFollowTheTranslationAndABrokenFileLeavesThemBuiltIn) {
    const ScopedTempDir broken;
    std::ofstream(broken.File("korvath-browser_eo.qm")) << "not a translation";
    const struct {
        QString folder;
        QStringList menus;
    } cases[] = {{KR_PSEUDO_QM_DIR, {"&Dosiero", "&Vido", "&Servers"}},
                 {QString::fromStdString(broken.Path()), {"&File", "&View", "&Servers"}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.folder.toStdString());
        const CProgramTranslations translations(QLocale("eo"), c.folder);
        auto browser = StartBrowser({});
        ASSERT_NE(browser, nullptr);
        QStringList menus;
        for (QAction* menu : browser->MainFrame()->menuBar()->actions()) {
            menus << menu->text();
        }
        EXPECT_EQ(menus.mid(0, 3), c.menus);
    }
}

// Passes each status text on to the window's receiver and keeps what the status bar then shows.
class ShownStatus : public IUserNotice {
public:
    ShownStatus(CMainFrame& frame) : m_window(GetUserNotice()), m_frame(frame) {
        SetUserNotice(this);
    }
    ~ShownStatus() override { SetUserNotice(m_window); }
    void ShowStatusText(const NoticeText& text) override {
        m_window->ShowStatusText(text);
        shown << m_frame.StatusBar().GetPaneText(0);
    }
    void ShowMessageBox(const NoticeText& text, const NoticeText& title, NoticeIcon icon) override {
        m_window->ShowMessageBox(text, title, icon);
    }
    QStringList shown;

private:
    IUserNotice* m_window;
    CMainFrame& m_frame;
};

// The core's texts reach the window translated, counts in their plural forms: the status texts
// of a refresh against the simulator, the root of the favourites that did not answer and the
// grid's column headings.
TEST(TranslationTest, CoreTextsShowInTheWindowsLanguage) {
    const CProgramTranslations translations(QLocale("eo"), KR_PSEUDO_QM_DIR);
    for (const auto& [servers, count] : {std::pair("1", "1 servilo"), {"3", "3 serviloj"}}) {
        const ScopedTempDir dir(true);
        BrowserOnSim run(Words(std::string("--servers ") + servers));
        ASSERT_NE(run.browser, nullptr);
        CServerGrid& grid = run.browser->MainFrame()->View().Grid();
        ShownStatus status(*run.browser->MainFrame());
        ASSERT_TRUE(run.browser->MainFrame()->SendCommand(ID_NEW_FULL_LIST));
        EXPECT_EQ(status.shown, (QStringList{"Kontaktas la servilliston", count}));
        ServerRecord lost = MakeRecord("9.99", "DM");
        lost.m_address = "127.0.0.1:9";
        grid.Favourites().Add("127.0.0.1:9");
        grid.FileUngroupedFavourite(lost);
        EXPECT_EQ(grid.GetInfo(grid.NoAnswerRoot())->m_strText, "Favoritoj (sen respondo)");
        LVCOLUMN ping;
        EXPECT_TRUE(grid.GetColumn(1, &ping) && ping.pszText == "Pingo");
    }
}

// Counted texts take their English plural forms from the English file, which is also what a
// locale without a translation of its own (the C locale) gets.
TEST(TranslationTest, CountedTextsSayOneInTheSingular) {
    for (const char* locale : {"en_GB", "C"}) {
        const CProgramTranslations translations{QLocale(QString::fromLatin1(locale))};
        EXPECT_EQ(CMainFrame::tr("%n hours ago", nullptr, 1), "1 hour ago") << locale;
        EXPECT_EQ(CMainFrame::tr("%n hours ago", nullptr, 2), "2 hours ago") << locale;
    }
    // Arguments go in once, as they are, even when one holds a place-holder.
    EXPECT_EQ(TranslatedNotice({"%1 of %2", {"a%2b", "x"}}), "a%2b of x");
}
