// SPDX-License-Identifier: GPL-3.0-or-later
// No text is cut off in any language: the main window, its menus and every dialog of the program
// are walked with each translation loaded, and each text is measured against the room its widget
// gives it. CTest runs this test once more on a screen at twice the scale (KR_TEST_SCALE=2).
#include "app/aboutdlg.h"
#include "app/filterbar.h"
#include "app/gamesettingsdlg.h"
#include "app/griddemodlg.h"
#include "app/nodenamedlg.h"
#include "app/passworddlg.h"
#include "app/profilesettings.h"
#include "app/programtranslations.h"
#include "app/serverdetailspane.h"
#include "tests/app/browsertesting.h"

#include <gtest/gtest.h>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionHeader>
#include <QToolButton>

using namespace kr::test;

namespace {

// What the widget's text needs against the room the widget gives it, in pixels (heights for a
// wrapped label); both 0 for a widget without text. A button's text is measured as drawn, the
// mnemonic mark aside, against the part of the button the style draws it in.
std::pair<int, int> NeededAndGiven(const QWidget& widget) {
    auto* label = qobject_cast<const QLabel*>(&widget);
    if (label != nullptr && !label->text().isEmpty()) {
        return label->wordWrap() ? std::pair(label->heightForWidth(label->width()), label->height())
                                 : std::pair(label->minimumSizeHint().width(), label->width());
    }
    if (auto* combo = qobject_cast<const QComboBox*>(&widget)) {
        return {combo->minimumSizeHint().width(), combo->width()};
    }
    auto* button = qobject_cast<const QAbstractButton*>(&widget);
    if (button == nullptr || qobject_cast<const QToolButton*>(button) != nullptr) {
        return {0, 0};
    }
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const bool bCheck = qobject_cast<const QCheckBox*>(button) != nullptr;
    const QStyle& style = *button->style();
    return {
        style.itemTextRect(option.fontMetrics, QRect(), Qt::TextShowMnemonic, false, option.text)
            .width(),
        style
            .subElementRect(bCheck ? QStyle::SE_CheckBoxContents : QStyle::SE_PushButtonContents,
                            &option, button)
            .width()};
}

// Every shown text of the window that is wider (or, wrapped, taller) than its widget lets it be.
void ExpectTextsFit(const QWidget& window, const char* where) {
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        const auto [needed, given] = NeededAndGiven(*widget);
        EXPECT_TRUE(!widget->isVisibleTo(&window) || needed <= given)
            << where << ": " << widget->metaObject()->className() << " \""
            << widget->property("text").toString().toStdString() << "\" needs " << needed
            << " px, has " << given;
    }
}

// Every heading of the header fits its described column, as the header draws it.
void ExpectHeadingsFit(const QHeaderView& header) {
    for (int col = 0; col < header.count(); ++col) {
        QStyleOptionHeader option;
        option.initFrom(&header);
        option.text = header.model()->headerData(col, Qt::Horizontal).toString();
        const QSize needed =
            header.style()->sizeFromContents(QStyle::CT_HeaderSection, &option, QSize(), &header);
        EXPECT_LE(needed.width(), header.sectionSize(col)) << option.text.toStdString();
    }
}

// The menu and its submenus fit on the screen, so none of their texts is cut.
void ExpectMenuFits(QMenu& menu) {
    EXPECT_LE(menu.sizeHint().width(), menu.screen()->availableGeometry().width())
        << menu.title().toStdString();
    for (const QAction* action : menu.actions()) {
        if (action->menu() != nullptr) {
            ExpectMenuFits(*action->menu());
        }
    }
}

template <typename Dialog, typename... Args>
void ExpectDialogFits(const char* where, Args&&... args) {
    Dialog dialog(std::forward<Args>(args)...);
    dialog.show();
    QCoreApplication::processEvents();
    ExpectTextsFit(dialog, where);
}

}  // namespace

TEST(TranslationWidthsTest, NoTextIsCutOffInAnyLanguage) {
    for (const char* code : {"en", "de", "fr", "es", "pt_BR", "ru", "pl"}) {
        SCOPED_TRACE(code);
        CProfileSettings().clear();  // no column widths saved by a window in another language
        const CProgramTranslations translations{QLocale(QString::fromLatin1(code))};
        auto browser = StartBrowser({"--demo"});
        ASSERT_NE(browser, nullptr);
        CMainFrame& frame = *browser->MainFrame();
        frame.FilterBar().show();
        frame.DetailsPane().show();
        frame.show();
        QCoreApplication::processEvents();
        ASSERT_EQ(frame.devicePixelRatio(),
                  std::max(1, qEnvironmentVariableIntValue("KR_TEST_SCALE")));
        ExpectTextsFit(frame, "main window");
        ExpectHeadingsFit(*frame.View().Grid().GetHeaderCtrl());
        const QList<QAction*> menus = frame.menuBar()->actions();
        EXPECT_TRUE(frame.menuBar()->actionGeometry(menus.back()).right() <
                    frame.menuBar()->width());
        for (QAction* menu : menus) {
            ExpectMenuFits(*menu->menu());
        }
        ExpectDialogFits<CAboutDlg>("About", &frame);
        ExpectDialogFits<CGameSettingsDlg>("Game Settings", &frame);
        ExpectDialogFits<CGridDemoDlg>("grid demonstration", &frame);
        ExpectDialogFits<CNodeNameDlg>("node name", &frame);
        ExpectDialogFits<CPasswordDlg>("password", QString(64, 'W'), "127.0.0.1:27960", &frame);
    }
}
