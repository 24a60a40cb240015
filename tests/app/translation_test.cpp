// The menus follow the installed translation (a pseudo-translation of "&File" and "&View" built
// with the tests); a translation file that cannot be read is left out and the built-in texts stay.
#include "app/programtranslations.h"
#include "tests/app/browsertesting.h"
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

// Counted texts take their English plural forms from the English file, which is also what a
// locale without a translation of its own (the C locale) gets.
TEST(TranslationTest, CountedTextsSayOneInTheSingular) {
    for (const char* locale : {"en_GB", "C"}) {
        const CProgramTranslations translations{QLocale(QString::fromLatin1(locale))};
        EXPECT_EQ(CMainFrame::tr("%n hours ago", nullptr, 1), "1 hour ago") << locale;
        EXPECT_EQ(CMainFrame::tr("%n hours ago", nullptr, 2), "2 hours ago") << locale;
    }
}
