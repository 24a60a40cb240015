// SPDX-License-Identifier: GPL-3.0-or-later
// The shipped translations: every entry finished and keeping the source's place-holders and line
// structure, the window's menus with unique accelerators in each language, counts in the
// language's plural forms, and the language taken from LANGUAGE.
#include "app/commandids.h"
#include "app/filterbar.h"
#include "app/programtranslations.h"
#include "tests/app/browsertesting.h"
#include "tests/support/childprocess.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QXmlStreamReader>

using namespace kr::test;

namespace {

const struct Language {
    const char* code;
    int forms;            // plural forms of a counted text
    const char* servers;  // "%n server(s)" for 1, 2, 5 and 21, where the forms are tricky
} kLanguages[] = {{"de", 2, ""},
                  {"fr", 2, ""},
                  {"es", 2, ""},
                  {"pt_BR", 2, ""},
                  {"ru", 3, "1 сервер, 2 сервера, 5 серверов, 21 сервер"},
                  {"pl", 3, "1 serwer, 2 serwery, 5 serwerów, 21 serwerów"}};

// The place-holders of a text, sorted and joined: %1..%9, %n, %d, %%, and the game command's %a %h
// %p %w.
std::string Placeholders(const QString& text) {
    static const QRegularExpression mark("%[1-9ndahpw%]");
    QStringList found;
    for (const auto& match : mark.globalMatch(text)) {
        found << match.captured();
    }
    found.sort();
    return found.join(' ').toStdString();
}

// The accelerators of the texts, as the menus read them ("&&" is none): each may appear once.
void ExpectUniqueAccelerators(const QStringList& texts, const QString& where) {
    QSet<QKeySequence> seen;
    for (const QString& text : texts) {
        const QKeySequence key = QKeySequence::mnemonic(text);
        EXPECT_TRUE(key.isEmpty() || !seen.contains(key))
            << where.toStdString() << ": " << text.toStdString();
        seen.insert(key);
    }
}

QStringList Texts(const QList<QAction*>& actions) {
    QStringList texts;
    for (const QAction* action : actions) {
        texts << action->text();
    }
    return texts;
}

// The menu and its submenus, each checked on its own.
void ExpectUniqueAccelerators(const QMenu& menu) {
    ExpectUniqueAccelerators(Texts(menu.actions()), menu.title());
    for (const QAction* action : menu.actions()) {
        if (action->menu() != nullptr) {
            ExpectUniqueAccelerators(*action->menu());
        }
    }
}

}  // namespace

TEST(TranslationFilesTest, EveryEntryIsFinishedAndKeepsThePlaceholdersOfItsSource) {
    for (const Language& language : kLanguages) {
        QFile file(QString(KR_TRANSLATIONS_DIR "/korvath-browser_%1.ts").arg(language.code));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << language.code;
        QXmlStreamReader ts(&file);
        QString source;
        QStringList forms;
        bool counted = false;
        int entries = 0;
        while (!ts.atEnd()) {
            ts.readNext();
            if (ts.isEndElement() && ts.name() == u"message") {
                ++entries;
                EXPECT_EQ(forms.size(), counted ? language.forms : 1) << source.toStdString();
                for (const QString& form : forms) {
                    EXPECT_FALSE(form.isEmpty()) << source.toStdString();
                    EXPECT_EQ(Placeholders(form), Placeholders(source)) << form.toStdString();
                    EXPECT_EQ(form.count('\n'), source.count('\n')) << form.toStdString();
                }
            } else if (!ts.isStartElement()) {
                continue;
            } else if (ts.name() == u"message") {
                counted = ts.attributes().value("numerus") == u"yes";
                forms.clear();
            } else if (ts.name() == u"source") {
                source = ts.readElementText();
            } else if (ts.name() == u"translation") {
                // "unfinished", "obsolete" or "vanished" entries are not shipped.
                EXPECT_EQ(ts.attributes().value("type"), u"") << source.toStdString();
                if (!counted) {
                    forms << ts.readElementText();
                }
            } else if (ts.name() == u"numerusform") {
                forms << ts.readElementText();
            }
        }
        EXPECT_FALSE(ts.hasError()) << ts.errorString().toStdString();
        EXPECT_GT(entries, 200) << language.code;
    }
}

// Each language's menus (the menu bar, each menu and submenu, the grid's context menu with the
// Servers menu it repeats, the filter bar) take an accelerator once; "%n server(s)" takes the
// language's plural forms.
TEST(TranslationFilesTest, AcceleratorsAreUniquePerMenuAndCountsTakeTheLanguagesForms) {
    for (const Language& language : kLanguages) {
        SCOPED_TRACE(language.code);
        const CProgramTranslations translations{QLocale(QString::fromLatin1(language.code))};
        auto browser = StartBrowser({"--demo"});
        ASSERT_NE(browser, nullptr);
        CMainFrame& frame = *browser->MainFrame();
        const QList<QAction*> menus = frame.menuBar()->actions();
        ASSERT_EQ(menus.size(), 5);
        EXPECT_NE(menus[0]->text(), "&File");
        EXPECT_NE(frame.StatusBar().GetPaneText(0), "Ready");
        ExpectUniqueAccelerators(Texts(menus), "menu bar");
        for (const QAction* menu : menus) {
            ExpectUniqueAccelerators(*menu->menu());
        }
        ExpectUniqueAccelerators(
            Texts(menus[2]->menu()->actions() +
                  QList{frame.Action(ID_GROUP_EXPAND_ALL), frame.Action(ID_GROUP_COLLAPSE)}),
            "context menu");
        QStringList filterTexts;
        for (const QAbstractButton* box : frame.FilterBar().findChildren<QAbstractButton*>()) {
            filterTexts << box->text();
        }
        for (const QLabel* label : frame.FilterBar().findChildren<QLabel*>()) {
            filterTexts << label->text();
        }
        ExpectUniqueAccelerators(filterTexts, "filter bar");
        QStringList servers;
        for (const int n : {1, 2, 5, 21}) {
            servers << QCoreApplication::translate("NoticeText", "%n server(s)", nullptr, n);
        }
        if (*language.servers != '\0') {
            EXPECT_EQ(servers.join(", ").toStdString(), language.servers);
        }
    }
}

// LANGUAGE names the language of a program started from the system locale.
TEST(TranslationFilesTest, TheLanguageVariableChoosesTheTranslation) {
    const ScopedTempDir dir(true);
    const QByteArray before = qgetenv("LANGUAGE");
    qputenv("LANGUAGE", "fr");
    const ChildRun run = RunChild(KR_BROWSER_PATH, {"--help"}, 0, 0, {"LC_ALL", "LC_MESSAGES"});
    before.isNull() ? qunsetenv("LANGUAGE") : qputenv("LANGUAGE", before);
    EXPECT_NE(run.out.find("Ajoute un menu Démo"), std::string::npos) << run.out;
}
