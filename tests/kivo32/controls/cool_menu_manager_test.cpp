// The frame's menus with images and shortcut texts: the shortcuts of a command newest first, labels cut
// at their tab, toolbars of one button size, and what a popup's actions get before it shows.
#include "kivo32/controls/cool_menu_manager.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QPixmap>

#include "tests/support/ui/qt_test_application.h"

namespace {

constexpr unsigned kSave = 57603;
constexpr unsigned kOpen = 57601;
constexpr unsigned kPrint = 57607;

QIcon Image(Qt::GlobalColor colour, int size = 16) {
    QPixmap pixmap(size, size);
    pixmap.fill(colour);
    return QIcon(pixmap);
}

QRgb ColourOf(const QIcon& icon) {
    return icon.pixmap(16, 16).toImage().pixel(8, 8);
}

class CoolMenuManagerTest : public testsupport::QtTest {
protected:
    CCoolMenuManager manager_;
};

TEST_F(CoolMenuManagerTest, ACommandShowsItsShortcutsNewestTableEntryFirst) {
    manager_.LoadAccel(
        {{QKeySequence("Ctrl+S"), kSave}, {QKeySequence("Ctrl+O"), kOpen}, {QKeySequence("F12"), kSave}});
    struct Case {
        const char* label;
        unsigned command;
        const char* shown;
    };
    const Case cases[] = {
        {"&Save", kSave, "&Save\tF12, Ctrl+S"},
        // A label that already carries a shortcut text is rebuilt from the current table.
        {"&Save\tCtrl+Q", kSave, "&Save\tF12, Ctrl+S"},
        {"&Open...", kOpen, "&Open...\tCtrl+O"},
        {"&Print\tCtrl+P", kPrint, "&Print"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(manager_.LabelWithAccelText(c.label, c.command), c.shown) << c.label;
    }
}

TEST_F(CoolMenuManagerTest, ALaterToolbarOfAnotherButtonSizeIsRefused) {
    ASSERT_TRUE(
        manager_.LoadToolbar({{kSave, Image(Qt::red)}, {0, {}}, {kOpen, Image(Qt::blue)}}, QSize(16, 16)));
    EXPECT_FALSE(manager_.LoadToolbar({{kPrint, Image(Qt::green, 24)}}, QSize(24, 24)));
    EXPECT_TRUE(manager_.ImageOf(kPrint).isNull());
    // A command keeps the image of the first toolbar that has it.
    ASSERT_TRUE(manager_.LoadToolbar({{kSave, Image(Qt::green)}, {kPrint, Image(Qt::green)}}, QSize(16, 16)));
    EXPECT_EQ(ColourOf(manager_.ImageOf(kSave)), QColor(Qt::red).rgb());
    EXPECT_EQ(ColourOf(manager_.ImageOf(kOpen)), QColor(Qt::blue).rgb());
    EXPECT_EQ(ColourOf(manager_.ImageOf(kPrint)), QColor(Qt::green).rgb());
}

TEST_F(CoolMenuManagerTest, APopupsCommandsGetTheirImagesAndShortcutsBeforeItShows) {
    manager_.LoadToolbar({{kSave, Image(Qt::red)}}, QSize(16, 16));
    manager_.LoadAccel({{QKeySequence("Ctrl+S"), kSave}});
    QMenu menu;
    QAction* save = menu.addAction("&Save");
    save->setData(kSave);
    QAction* open = menu.addAction("&Open\tCtrl+O");
    open->setData(kOpen);
    menu.addSeparator();
    QMenu* recent = menu.addMenu("&Recent");

    manager_.OnInitMenuPopup(menu);
    manager_.OnInitMenuPopup(menu);
    EXPECT_EQ(save->text(), "&Save\tCtrl+S");
    EXPECT_FALSE(save->icon().isNull());
    EXPECT_EQ(open->text(), "&Open");
    EXPECT_TRUE(open->icon().isNull());
    EXPECT_EQ(recent->menuAction()->text(), "&Recent");
}

}  // namespace
