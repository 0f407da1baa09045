// Check-combo boxes: the items and letters of each kind, code texts, the list's keys and clicks, the
// alarm and peak-demand items that follow the form, closing with and without the checks, sizing.
#include "kivo32/controls/check_combo_box.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QVBoxLayout>
#include <QWindow>

#include "kivo32/controls/check_combo_form.h"
#include "kivo32/controls/controls_ids.h"
#include "platform/ui/resource_texts.h"
#include "platform/base/program_texts.h"
#include "tests/support/ui/qt_test_application.h"

namespace {

std::string Letters(const std::vector<CheckComboItem>& items) {
    std::string letters;
    for (const auto& item : items) {
        letters += item.letter;
    }
    return letters;
}

class RecordingTarget : public platform::MessageTarget {
public:
    bool PostMessage(platform::Message message) override {
        ids.push_back(message.id);
        return true;
    }
    std::vector<unsigned> ids;
};

class FakeForm : public CCheckComboForm {
public:
    int LoggerType() const override { return loggerType; }
    std::string ChannelKindName() const override { return "Channel"; }
    bool IsAlarmSetForControl(int) override { return alarm; }
    int IsPeakWindowChannel(int) override { return peak; }
    // The form's own dialogs switch the state.
    void ValidateChannelControl(int controlId) override {
        validated.push_back(controlId);
        grabberInDialog = QWidget::mouseGrabber();
        alarm = !alarm;
    }
    void EditPeakWindowForControl(int) override { peak = peak > 0 ? 0 : 1; }
    void SetDocumentModified() override { ++modified; }
    void SetOpenCheckCombo(CCheckComboBox* combo) override { open = combo; }
    std::shared_ptr<platform::MessageTarget> MessageTarget() override { return target; }

    int loggerType = 0;
    bool alarm = false;
    int peak = -1;
    std::vector<int> validated;
    // Who holds the mouse while the form's dialog runs.
    QWidget* grabberInDialog = nullptr;
    int modified = 0;
    CCheckComboBox* open = nullptr;
    std::shared_ptr<RecordingTarget> target = std::make_shared<RecordingTarget>();
};

TEST(CheckComboItemsTest, EachKindHasItsItemsAndLetters) {
    SetProgramTexts(platform::EnglishTexts());
    const struct {
        int kind;
        int loggerType;
        int controlId;
        const char* letters;
    } cases[] = {
        {0, 0, 1100, "ANXIL"}, {0, 13, 1100, "ANXI"},  {1, 12, 1100, "ANXHL"}, {2, 0, 1133, "ANXHLD"},
        {2, 0, 1145, "ANXHLD"}, {2, 0, 1139, "ANXHL"}, {2, 14, 1133, "ANXH"},  {3, 0, 1100, "ANXHL"},
        {4, 0, 1100, "ANXHL"}, {5, 0, 1100, "RNDCL"},  {5, 13, 1100, "RNDC"},  {6, 0, 1100, "1234"},
        {7, 0, 1100, "ANXL"},  {7, 13, 1100, "ANX"},   {8, 0, 1100, ""},
    };
    for (const auto& test : cases) {
        EXPECT_EQ(Letters(CheckComboItems(test.kind, test.loggerType, test.controlId, "Channel")), test.letters)
            << "kind " << test.kind << ", logger type " << test.loggerType << ", control " << test.controlId;
    }
    const auto channels = CheckComboItems(6, 0, 1100, "Channel");
    EXPECT_EQ(channels[3].text, "Channel 4");
    EXPECT_EQ(CheckComboItems(2, 0, 1100, "")[3].text, "KWh");
    EXPECT_EQ(CheckComboItems(0, 0, 1100, "")[0].text, "Average");
}

TEST(CheckComboItemsTest, CodeTextsAndChecks) {
    const auto kind0 = CheckComboItems(0, 0, 1100, "");
    EXPECT_EQ(CodeTextFromChecks(kind0, {true, false, true, false, true}), "A,X,L");
    EXPECT_EQ(CodeTextFromChecks(kind0, {false, false, false, false, false}), "");
    EXPECT_EQ(ChecksFromCodeText(kind0, "X,A"), (std::vector<bool>{true, false, true, false, false}));
    EXPECT_EQ(ChecksFromCodeText(kind0, ""), std::vector<bool>(5, false));
    // Kind 7's code holds only its three letters, whatever the alarm item shows.
    const auto kind7 = CheckComboItems(7, 0, 1100, "");
    EXPECT_EQ(CodeTextFromChecks(kind7, {false, true, false, true}), "N");
    EXPECT_EQ(ChecksFromCodeText(kind7, "A,N,X,L"), (std::vector<bool>{true, true, true, false}));
    // The "L" item is found by its letter in every kind that has one.
    EXPECT_EQ(FindCheckComboItem(kind7, 'l'), 3);
    EXPECT_EQ(FindCheckComboItem(kind0, 'L'), 4);
    EXPECT_EQ(FindCheckComboItem(CheckComboItems(0, 13, 1100, ""), 'L'), -1);
}

TEST(CheckComboItemsTest, FaceColoursAndScrollingIntoView) {
    const struct {
        bool highlight, focus;
        QColor text, background;
    } faces[] = {
        {false, false, Qt::black, Qt::red},
        {true, false, Qt::black, Qt::white},
        {false, true, Qt::white, Qt::red},
        {true, true, Qt::white, QColor(0, 0, 128)},
    };
    for (const auto& face : faces) {
        const auto colors = CheckComboFace(face.highlight, face.focus);
        EXPECT_EQ(colors.text, face.text);
        EXPECT_EQ(colors.background, face.background);
    }
    const struct {
        QRect target;
        QPoint scroll, expected;
    } scrolls[] = {
        {{10, 10, 50, 21}, {0, 0}, {0, 0}},          // inside: stays
        {{10, 700, 50, 21}, {0, 0}, {0, 121}},       // below: by the overflow
        {{10, 530, 50, 21}, {0, 0}, {0, 0}},         // an overflow under 50 goes to the start
        {{10, 300, 50, 21}, {0, 400}, {0, 300}},     // above: up to its top
        {{900, 10, 50, 21}, {0, 0}, {350, 0}},       // to the right
    };
    for (const auto& test : scrolls) {
        EXPECT_EQ(ScrollToShow(test.target, {600, 600}, test.scroll), test.expected)
            << test.target.y() << " from " << test.scroll.y();
    }
}

class CheckComboBoxTest : public testsupport::QtTest {
protected:
    CheckComboBoxTest() {
        SetProgramTexts(platform::EnglishTexts());
        auto* layout = new QVBoxLayout(&window);
        combo = new CCheckComboBox(form, 1100, 0, &window);
        next = new QLineEdit(&window);
        layout->addWidget(combo);
        layout->addWidget(next);
        window.resize(300, 300);
        window.show();
        combo->setFocus();
    }

    void Key(QWidget* to, QEvent::Type type, int key, const QString& text = {}, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QKeyEvent event(type, key, modifiers, text);
        QApplication::sendEvent(to, &event);
    }
    void Press(QWidget* to, int key, const QString& text = {}, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        Key(to, QEvent::KeyPress, key, text, modifiers);
        Key(to, QEvent::KeyRelease, key, text, modifiers);
    }

    FakeForm form;
    QWidget window;
    CCheckComboBox* combo;
    QLineEdit* next;
};

TEST_F(CheckComboBoxTest, TheListOpensWithTheCodeTextsChecksAndSizedForItsItems) {
    // The offscreen screen is 800 pixels wide: the small layout, widened for the longest code text.
    EXPECT_FALSE(combo->LargeLayout());
    EXPECT_EQ(combo->height(), 21);
    EXPECT_GE(combo->width(), 50);
    EXPECT_GE(CCheckComboBox::TextArea(combo->size()).width(), combo->fontMetrics().horizontalAdvance("A,N,X,I,L"));
    combo->SetCodeText("I,A");
    form.alarm = true;
    Press(combo, Qt::Key_Down);
    CCBCheckListBox* list = combo->DropDown();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(form.open, combo);
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_EQ(list->Checks(), (std::vector<bool>{true, false, false, true, true}));
    // Every item shows whole: no row is cut at the bottom or the right.
    EXPECT_GE(list->viewport()->height(), list->count() * list->sizeHintForRow(0));
    EXPECT_GE(list->viewport()->width(), list->sizeHintForColumn(0));
}

TEST_F(CheckComboBoxTest, LettersToggleAndTabTakesTheChecksAndMovesOn) {
    combo->SetCodeText("A");
    Press(combo, Qt::Key_Space);
    CCBCheckListBox* list = combo->DropDown();
    ASSERT_NE(list, nullptr);
    Press(list, Qt::Key_X, "x");
    Press(list, Qt::Key_A, "a");
    Press(list, Qt::Key_L, "l");  // the form's alarm dialog switches the alarm on
    EXPECT_EQ(form.validated, std::vector<int>{1100});
    EXPECT_EQ(list->Checks(), (std::vector<bool>{false, false, true, false, true}));
    Press(list, Qt::Key_Tab);
    QApplication::processEvents();

    EXPECT_EQ(combo->DropDown(), nullptr);
    EXPECT_EQ(combo->CodeText(), "X,L");
    EXPECT_EQ(form.modified, 1);
    EXPECT_EQ(form.open, nullptr);
    EXPECT_EQ(form.target->ids, std::vector<unsigned>{WM_CHECKCOMBO_CLOSED});
    EXPECT_TRUE(next->hasFocus());
}

TEST_F(CheckComboBoxTest, EscapeDiscardsAndAnUnchangedCodeLeavesTheDocument) {
    combo->SetCodeText("A,N");
    Press(combo, Qt::Key_Return);
    Press(combo->DropDown(), Qt::Key_N, "n");
    Press(combo->DropDown(), Qt::Key_Escape);
    EXPECT_EQ(combo->CodeText(), "A,N");
    EXPECT_EQ(form.modified, 0);

    // Open again: the checks are those of the code text; Enter with no change marks nothing.
    Press(combo, Qt::Key_Return);
    EXPECT_EQ(combo->DropDown()->Checks(), (std::vector<bool>{true, true, false, false, false}));
    Press(combo->DropDown(), Qt::Key_Return);
    EXPECT_EQ(form.modified, 0);
    EXPECT_EQ(form.target->ids.size(), 2u);
}

TEST_F(CheckComboBoxTest, TheMouseTogglesItemsAndLeavesTheFormsDialogFree) {
    // Clicks come to the window, as the user's do, which hands them to the widget holding the mouse.
    const auto click = [this](QPoint inWindow) {
        for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent event(type, inWindow, window.mapToGlobal(inWindow), Qt::LeftButton,
                              type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(window.windowHandle(), &event);
        }
    };
    combo->SetCodeText("A");
    click(combo->mapTo(&window, combo->rect().center()));
    CCBCheckListBox* list = combo->DropDown();
    ASSERT_NE(list, nullptr);
    const auto item = [list, this](int row) {
        return list->viewport()->mapTo(&window, list->visualItemRect(list->item(row)).center());
    };
    click(item(2));
    click(item(0));
    EXPECT_EQ(list->Checks(), (std::vector<bool>{false, false, true, false, false}));
    // The alarm item's dialog gets the clicks while it runs; the list has them again after.
    click(item(4));
    EXPECT_EQ(form.validated, std::vector<int>{1100});
    EXPECT_EQ(form.grabberInDialog, nullptr);
    EXPECT_TRUE(list->Checks()[4]);
    click(next->mapTo(&window, next->rect().center()));
    QApplication::processEvents();
    EXPECT_EQ(combo->DropDown(), nullptr);
    EXPECT_EQ(combo->CodeText(), "X,L");
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
}

TEST_F(CheckComboBoxTest, AGroupBoxDoesNotCutTheList) {
    auto* group = new QGroupBox(&window);
    auto* box = new CCheckComboBox(form, 1101, 0, group);
    box->move(8, 8);
    group->setGeometry(10, 200, 200, box->height() + 16);
    group->show();
    box->OpenDropDown();
    CCBCheckListBox* list = box->DropDown();
    ASSERT_NE(list, nullptr);
    const QRect last = list->visualItemRect(list->item(list->count() - 1));
    EXPECT_TRUE(list->viewport()->visibleRegion().contains(last));
    box->CloseDropDown(false);
}

TEST_F(CheckComboBoxTest, ThePeakDemandItemFollowsTheForm) {
    CCheckComboBox energy(form, 1134, 2, &window);
    form.peak = -1;  // unknown: the check stays as the code has it
    energy.SetCodeText("D");
    energy.OpenDropDown();
    ASSERT_NE(energy.DropDown(), nullptr);
    EXPECT_TRUE(energy.DropDown()->Checks()[5]);
    energy.DropDown()->ToggleItem(5);  // the form's dialog makes it the peak channel
    EXPECT_TRUE(energy.DropDown()->Checks()[5]);
    energy.DropDown()->ToggleItem(5);
    EXPECT_FALSE(energy.DropDown()->Checks()[5]);
    energy.CloseDropDown(true);
    EXPECT_EQ(energy.CodeText(), "");
}

}  // namespace
