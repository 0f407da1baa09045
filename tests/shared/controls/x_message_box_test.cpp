// The extended message box: its buttons by style, Esc, the check box with remembered answers, the
// count-down, the disabled period, Ctrl+C.
#include "shared/controls/x_message_box.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/ui/control_id.h"
#include "platform/ui/message_text_width.h"
#include "platform/ui/resource_texts.h"
#include "shared/controls/controls_ids.h"
#include "shared/controls/remembered_answers.h"
#include "shared/controls/x_message_box_buttons.h"
#include "tests/support/scripted_ui_broker.h"
#include "tests/support/ui/manual_ui_clock.h"
#include "tests/support/ui/modal_driver.h"
#include "tests/support/ui/qt_test_application.h"

namespace {

using platform::FindControlAs;

std::vector<int> Ids(unsigned style, const XMessageBoxParams* params = nullptr) {
    std::vector<int> ids;
    for (const auto& button : XMessageBoxButtons(style, params)) {
        ids.push_back(button.id);
    }
    return ids;
}

QPushButton* Button(QWidget* box, int id) {
    return FindControlAs<QPushButton>(box, id);
}

void PressKey(QWidget* box, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(box, &press);
}

class XMessageBoxTest : public testing::Test {
protected:
    void SetUp() override { testsupport::EnsureQtApplication(); }
    void TearDown() override { SetProgramTexts(platform::EnglishTexts()); }
};

TEST_F(XMessageBoxTest, TheStyleChoosesTheButtonsInTheirOrder) {
    XMessageBoxParams custom;
    custom.customButtons = "One\nTwo\nThree\nFour\nFive";
    XMessageBoxParams report;
    report.reportFunction = [](const std::string&, unsigned) {};
    const std::vector<std::tuple<unsigned, const XMessageBoxParams*, std::vector<int>>> cases = {
        {MB_OK, nullptr, {IDOK}},
        {MB_OKCANCEL, nullptr, {IDOK, IDCANCEL}},
        {MB_ABORTRETRYIGNORE, nullptr, {IDABORT, IDRETRY, IDIGNORE}},
        {MB_YESNOCANCEL | MB_YESTOALL | MB_NOTOALL, nullptr, {IDYES, IDYESTOALL, IDNO, IDNOTOALL, IDCANCEL}},
        {MB_YESNO | MB_NOTOALL, nullptr, {IDYES, IDNO, IDNOTOALL}},
        {MB_RETRYCANCEL, nullptr, {IDRETRY, IDCANCEL}},
        {MB_CANCELTRYCONTINUE, nullptr, {IDCANCEL, IDTRYAGAIN, IDCONTINUE}},
        {MB_CONTINUEABORT, nullptr, {IDCONTINUE, IDABORT}},
        {MB_SKIPSKIPALLCANCEL, nullptr, {IDSKIP, IDSKIPALL, IDCANCEL}},
        {MB_IGNOREIGNOREALLCANCEL | MB_HELP, nullptr, {IDIGNORE, IDIGNOREALL, IDCANCEL, IDHELP_BUTTON}},
        {12, nullptr, {IDOK}},
        // "To all" buttons belong to the Yes/No sets only.
        {MB_OKCANCEL | MB_YESTOALL, &report, {IDOK, IDCANCEL, IDREPORT}},
        {MB_YESNO, &custom, {IDCUSTOM1, IDCUSTOM1 + 1, IDCUSTOM1 + 2, IDCUSTOM1 + 3}},
    };
    for (const auto& [style, params, ids] : cases) {
        EXPECT_EQ(Ids(style, params), ids) << std::hex << style;
    }
}

TEST_F(XMessageBoxTest, LabelsComeFromOverridesTextsOrTheBuiltInTexts) {
    platform::TextTable texts = platform::EnglishTexts();
    texts.Set(IDS_YES, "&Ja");
    SetProgramTexts(std::move(texts));
    XMessageBoxParams params;
    params.overrideLabels = true;
    params.labels[static_cast<std::size_t>(XLabel::No)] = "&Never";

    EXPECT_EQ(XMessageBoxLabel(XLabel::Yes, MB_YESNO, &params), "&Ja");
    EXPECT_EQ(XMessageBoxLabel(XLabel::Yes, MB_YESNO | MB_NORESOURCE, &params), "&Yes");
    EXPECT_EQ(XMessageBoxLabel(XLabel::No, MB_YESNO | MB_NORESOURCE, &params), "&Never");
    SetProgramTexts(platform::TextTable());
    EXPECT_EQ(XMessageBoxLabel(XLabel::SkipAll, MB_OK, nullptr), "S&kip All");
}

TEST_F(XMessageBoxTest, DefaultButtonCheckBoxAndSecondsFollowTheirRules) {
    EXPECT_EQ(XMessageBoxDefaultIndex(MB_DEFBUTTON2, 3), 1u);
    EXPECT_EQ(XMessageBoxDefaultIndex(MB_DEFBUTTON6, 6), 5u);
    EXPECT_EQ(XMessageBoxDefaultIndex(MB_DEFBUTTON4, 2), 0u);
    // Beyond the sixth no button is named, even when the box has a seventh.
    EXPECT_EQ(XMessageBoxDefaultIndex(0x600, 7), 0u);
    EXPECT_EQ(XMessageBoxCheckBit(MB_DONOTSHOWAGAIN | MB_DONOTTELLAGAIN), MB_DONOTTELLAGAIN);
    EXPECT_EQ(XMessageBoxCheckLabel(MB_DONOTASKAGAIN | MB_NORESOURCE, nullptr), "Do not ask again");
    EXPECT_EQ(XMessageBoxSeconds(999), 999);
    EXPECT_EQ(XMessageBoxSeconds(1500), 10);
}

TEST_F(XMessageBoxTest, ValueNamesCodeEveryCharacterInsideTheAlphabet) {
    EXPECT_EQ(XMessageBoxValueName("ab", 7), "7d7");
    // Bytes above 127 stay inside the alphabet (233 + 0 is index 41, 'f').
    EXPECT_EQ(XMessageBoxValueName("\xE9", 0), "f0");
    EXPECT_EQ(XMessageBoxValueName("\xFF\x80", 12), "8F12");
    // At most 490 characters of the key count.
    const std::string name = XMessageBoxValueName(std::string(600, '\x90'), 3);
    EXPECT_EQ(name.size(), 491u);
    EXPECT_EQ(name.back(), '3');
}

TEST_F(XMessageBoxTest, TheTextWrapsAtHalfTheScreenLessTenLessTheIconsRoom) {
    const std::string sentence = "The logger answered but its clock could not be set.";
    std::string paragraph;
    for (int i = 0; i < 12; ++i) {
        paragraph += sentence + " ";
    }
    XMessageBoxParams narrow;
    narrow.options = XMSGBOX_OPTIONS_NARROW;
    const int screenWidth = platform::PrimaryScreenWidth();
    const int iconRoom = 16 + QApplication::style()->pixelMetric(QStyle::PM_MessageBoxIconSize);
    const struct {
        std::string text;
        unsigned icon;
        const XMessageBoxParams* params;
        int wrapWidth;  // 0: the text stands on one line
    } cases[] = {
        {sentence, 0, nullptr, 0},
        {sentence, MB_ICONINFORMATION, nullptr, 0},
        {paragraph, 0, nullptr, screenWidth / 2 - 10},
        {paragraph, MB_ICONWARNING, nullptr, screenWidth / 2 - 10 - iconRoom},
        {paragraph, 0, &narrow, screenWidth / 3},
    };
    for (const auto& c : cases) {
        testsupport::OnNextModal([&](QWidget* box) {
            auto* text = FindControlAs<QLabel>(box, IDC_XMESSAGEBOX_TEXT);
            const QFontMetrics metrics = text->fontMetrics();
            const int wrappedHeight =
                metrics.boundingRect(QRect(0, 0, text->width(), 10000), Qt::TextWordWrap, text->text())
                    .height();
            EXPECT_GE(text->height(), wrappedHeight);
            if (c.wrapWidth == 0) {
                EXPECT_EQ(wrappedHeight, metrics.height());
            } else {
                // Wrapped at the rule's width: full lines lack less than a word of it.
                EXPECT_LE(text->width(), c.wrapWidth);
                EXPECT_GT(text->width(), c.wrapWidth - metrics.horizontalAdvance(" answered "));
            }
            Button(box, IDOK)->click();
        });
        EXPECT_EQ(XMessageBox(nullptr, c.text, "KIVO", MB_OK | MB_NOSOUND | c.icon, c.params), IDOK)
            << c.wrapWidth;
    }
}

TEST_F(XMessageBoxTest, EscAnswersOkForTheOkSetAndIsIgnoredWithoutACancelButton) {
    testsupport::OnNextModal([](QWidget* box) { PressKey(box, Qt::Key_Escape); });
    EXPECT_EQ(XMessageBox(nullptr, "Done.", "KIVO", MB_OK | MB_NOSOUND), IDOK);

    testsupport::OnNextModal([](QWidget* box) {
        PressKey(box, Qt::Key_Escape);
        box->close();
        EXPECT_TRUE(box->isVisible());
        Button(box, IDYES)->click();
    });
    EXPECT_EQ(XMessageBox(nullptr, "Set the clock?", "KIVO", MB_YESNO | MB_NOSOUND), IDYES);

    testsupport::OnNextModal([](QWidget* box) { PressKey(box, Qt::Key_Escape); });
    EXPECT_EQ(XMessageBox(nullptr, "Save?", "KIVO", MB_YESNOCANCEL | MB_NOSOUND), IDCANCEL);
}

TEST_F(XMessageBoxTest, ATickedAnswerIsRememberedAndThenGivenWithoutAsking) {
    XMessageBoxParams params;
    params.keyText = "Set the logger's clock";
    params.keyNumber = 9367;
    const unsigned style = MB_YESNO | MB_DONOTSHOWAGAIN | MB_NOSOUND;
    testsupport::OnNextModal([](QWidget* box) {
        auto* check = FindControlAs<QCheckBox>(box, IDC_XMESSAGEBOX_CHECK);
        ASSERT_NE(check, nullptr);
        EXPECT_EQ(check->text(), "Do not show again");
        check->click();
        Button(box, IDNO)->click();
    });
    EXPECT_EQ(XMessageBox(nullptr, "Set the clock?", "KIVO", style, &params), 0x4000007);
    EXPECT_EQ(ReadRememberedAnswer("", XMessageBoxValueName(params.keyText, params.keyNumber)), 0x4000007u);

    testsupport::ScriptedUiBroker noQuestion;
    EXPECT_EQ(XMessageBox(nullptr, "Set the clock?", "KIVO", style, &params), 0x4000007);
    EXPECT_TRUE(noQuestion.Asked().empty());

    // An answer without the tick is not remembered.
    params.keyNumber = 1;
    noQuestion.AnswerDialog("XMessageBox", IDYES);
    EXPECT_EQ(XMessageBox(nullptr, "Set the clock?", "KIVO", style, &params), IDYES);
    EXPECT_FALSE(ReadRememberedAnswer("", XMessageBoxValueName(params.keyText, 1)).has_value());
}

TEST_F(XMessageBoxTest, TheCountDownShowsTheSecondsOnTheDefaultButtonThenPressesIt) {
    testsupport::ManualUiClock clock;
    XMessageBoxParams params;
    params.countdownSeconds = 5;
    std::vector<QString> labels;
    testsupport::OnNextModal([&](QWidget* box) {
        QPushButton* yes = Button(box, IDYES);
        clock.Advance(999);
        // One label a second until the box presses its button; the bound stops a box that never does.
        for (int second = 0; second < 10 && box->isVisible(); ++second) {
            labels.push_back(yes->text());
            clock.Advance(1000);
        }
    });
    EXPECT_EQ(XMessageBox(nullptr, "Reconnect?", "KIVO", MB_YESNO | MB_NOSOUND, &params),
              static_cast<int>(0x80000006));
    const std::vector<QString> expected = {"&Yes",     "&Yes = 5", "&Yes = 4",
                                           "&Yes = 3", "&Yes = 2", "&Yes = 1"};
    EXPECT_EQ(labels, expected);
}

TEST_F(XMessageBoxTest, AClickInTheBoxStopsTheCountDown) {
    testsupport::ManualUiClock clock;
    XMessageBoxParams params;
    params.countdownSeconds = 3;
    testsupport::OnNextModal([&](QWidget* box) {
        QPushButton* yes = Button(box, IDYES);
        clock.Advance(2000);
        EXPECT_EQ(yes->text(), "&Yes = 2");
        QMouseEvent click(QEvent::MouseButtonPress, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(FindControlAs<QLabel>(box, IDC_XMESSAGEBOX_TEXT), &click);
        EXPECT_EQ(yes->text(), "&Yes");
        clock.Advance(60000);
        EXPECT_TRUE(box->isVisible());
        Button(box, IDNO)->click();
    });
    EXPECT_EQ(XMessageBox(nullptr, "Reconnect?", "KIVO", MB_YESNO | MB_NOSOUND, &params), IDNO);
}

TEST_F(XMessageBoxTest, ButtonsStayDisabledForTheDisabledPeriodWithTheSecondsInTheCaption) {
    testsupport::ManualUiClock clock;
    XMessageBoxParams params;
    params.disabledSeconds = 2;
    testsupport::OnNextModal([&](QWidget* box) {
        QPushButton* ok = Button(box, IDOK);
        EXPECT_FALSE(ok->isEnabled());
        EXPECT_TRUE(Button(box, IDHELP_BUTTON)->isEnabled());
        PressKey(box, Qt::Key_Escape);
        EXPECT_TRUE(box->isVisible());
        std::vector<QString> captions = {box->windowTitle()};
        for (int second = 0; second < 10 && !ok->isEnabled(); ++second) {
            clock.Advance(1000);
            captions.push_back(box->windowTitle());
        }
        EXPECT_EQ(captions, (std::vector<QString>{"Notice", "Notice 2", "Notice 1", "Notice"}));
        ok->click();
    });
    EXPECT_EQ(XMessageBox(nullptr, "Read this first.", "Notice", MB_OKCANCEL | MB_HELP | MB_NOSOUND, &params),
              IDOK);
}

TEST_F(XMessageBoxTest, CtrlCCopiesCaptionTextAndButtons) {
    testsupport::OnNextModal([](QWidget* box) {
        PressKey(box, Qt::Key_C, Qt::ControlModifier);
        Button(box, IDRETRY)->click();
    });
    EXPECT_EQ(XMessageBox(nullptr, "The logger did not answer.", "KIVO", MB_RETRYCANCEL | MB_NOSOUND),
              IDRETRY);
    const std::string dashes = "---------------------------\r\n";
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), dashes + "KIVO\r\n" + dashes +
                                                                   "The logger did not answer.\r\n" + dashes +
                                                                   "Retry   Cancel   \r\n" + dashes);
}

TEST_F(XMessageBoxTest, ASystemModalStopBoxIsTheStandardBox) {
    testsupport::ScriptedUiBroker broker;
    broker.AnswerMessageBox(IDOK);
    EXPECT_EQ(XMessageBoxFromID(IDS_OK, MB_OK | MB_SYSTEMMODAL | MB_ICONHAND), IDOK);
    ASSERT_EQ(broker.Asked().size(), 1u);
    EXPECT_EQ(broker.Asked()[0].kind, "MessageBox");
    EXPECT_EQ(broker.Asked()[0].text, "OK");
}

}  // namespace
