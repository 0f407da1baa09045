// The setup form as the user sees it: its frame on a 1366x768 screen, the caption of every field, and
// the default setup's name once the user types in it.
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QScrollArea>
#include <QScrollBar>
#include <utility>

#include "kivo32/setupeditor/setup_form_ids.h"
#include "kivo32/setupeditor/setup_form_layout.h"
#include "kivo32/setuprules/default_setups.h"
#include "platform/ui/child_frame.h"
#include "platform/ui/main_frame.h"
#include "tests/kivo32/setupeditor/setup_form_fixture.h"
#include "tests/support/ui/modal_driver.h"

namespace {

using setupeditortest::SetupFormTest;
using setupeditortest::SetupOf;

// The caption that names `field`, nullptr when none does.
const QLabel* CaptionOf(const QWidget* form, const QWidget* field) {
    for (const QLabel* label : form->findChildren<QLabel*>()) {
        if (label->buddy() == field) {
            return label;
        }
    }
    return nullptr;
}

TEST_F(SetupFormTest, AtScreenSizeTheFrameTakesTheFormsWidthAndTheRoomThereIsInHeight) {
    main_->resize(1366, 768);
    main_->show();
    CSetupTableView* view = Open(SetupOf(14));
    ASSERT_NE(view, nullptr);
    platform::ChildFrame* frame = view->ParentFrame();
    QWidget* room = main_->MdiArea()->viewport();
    ASSERT_TRUE(testsupport::ProcessEventsUntil([&] { return frame->height() == room->height(); }));
    EXPECT_TRUE(room->rect().contains(frame->geometry()));
    const auto* scroll = view->findChild<QScrollArea*>();
    EXPECT_FALSE(scroll->horizontalScrollBar()->isVisible());
    EXPECT_GE(scroll->viewport()->width(), scroll->widget()->minimumSizeHint().width());
    EXPECT_TRUE(CloseFrameOf(view->GetDocument()));
}

TEST_F(SetupFormTest, TheSingleOptionBoxAndThePulseFieldsCarryCaptionsOfTheirOwn) {
    struct Case {
        int model;
        int caption;  // of the first option box of channel 1
        const char* text;
    };
    // Temperature, on/off and power channels.
    for (const Case& c :
         {Case{10, 2113, "Recorded values:"}, Case{5, 2113, "Recorded values:"}, Case{13, 2113, "Volts:"}}) {
        SCOPED_TRACE(c.model);
        CSetupTableView* view = Open(SetupOf(c.model));
        ASSERT_NE(view, nullptr);
        ASSERT_NE(Find<QLabel>(view, c.caption), nullptr);
        EXPECT_EQ(Find<QLabel>(view, c.caption)->text().toStdString(), c.text);
        EXPECT_TRUE(CloseFrameOf(view->GetDocument()));
    }

    CSetupTable pulse = SetupOf(13);
    pulse.GetPulseChannel(1).SetType(kChannelPulseKWh);
    CSetupTableView* view = Open(pulse);
    ASSERT_NE(view, nullptr);
    const std::pair<int, const char*> fields[] = {{kPulseLabelIds[1], "Label:"},
                                                  {kPulseChannelIds[1], "Power channel:"},
                                                  {kPulseKindIds[1], "Type:"},
                                                  {kPulseScaleIds[1], "Pulse scale:"}};
    for (const auto& [id, text] : fields) {
        const QLabel* caption = CaptionOf(view, Find<QWidget>(view, id));
        ASSERT_NE(caption, nullptr) << text;
        EXPECT_EQ(caption->text().toStdString(), text);
        EXPECT_TRUE(caption->isVisibleTo(view)) << text;
    }
    // Input 1 is off: its fields and their captions are hidden.
    const QLabel* offCaption = CaptionOf(view, Find<QWidget>(view, kPulseLabelIds[0]));
    ASSERT_NE(offCaption, nullptr);
    EXPECT_FALSE(offCaption->isVisibleTo(view));
    EXPECT_TRUE(CloseFrameOf(view->GetDocument()));
}

TEST_F(SetupFormTest, TypingInTheDefaultSetupsNameDropsItsInvisibleFraming) {
    CSetupTable table = SetupOf(2);
    table.GetHeader().SetHeaderText(kDefaultSetupName);
    CSetupTableView* view = Open(table);
    ASSERT_NE(view, nullptr);
    auto* name = Find<QLineEdit>(view, IDC_FORM_SETUP_NAME);
    ASSERT_EQ(name->text().toStdString(), kDefaultSetupName);
    name->end(false);
    QKeyEvent seven(QEvent::KeyPress, Qt::Key_7, Qt::NoModifier, "7");
    QApplication::sendEvent(name, &seven);
    EXPECT_EQ(name->text().toStdString(), "Default SUT7");
    EXPECT_EQ(name->cursorPosition(), name->text().size());
    view->GetDocument()->SetModifiedFlag(false);
    EXPECT_TRUE(CloseFrameOf(view->GetDocument()));
}

}  // namespace
