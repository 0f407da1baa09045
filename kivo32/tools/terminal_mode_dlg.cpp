// CTerminalModeDlg: raw commands to the logger through the session and the link traffic they cause.
#include "kivo32/tools/terminal_mode_dlg.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QScrollBar>
#include <QVBoxLayout>

#include "kivo32/tools/terminal_ids.h"
#include "kivo32/tools/terminal_traffic_relay.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/ui/control_id.h"
#include "platform/ui/qt_text.h"
#include "shared/common/app_context.h"
#include "shared/common/message_box.h"

namespace {

QString Text(unsigned id) {
    return platform::ToQString(LoadText(id));
}

QPushButton* Button(QWidget* parent, int id, unsigned textId) {
    auto* button = new QPushButton(Text(textId), parent);
    button->setAutoDefault(false);
    platform::SetControlId(button, id);
    return button;
}

}  // namespace

CTerminalModeDlg::CTerminalModeDlg(CAppContext& app, Links links, QWidget* parent)
    : platform::Dialog(parent),
      app_(app),
      links_(std::move(links)),
      command_(new QLineEdit(this)),
      text_(new QPlainTextEdit(this)),
      trace_button_(Button(this, IDC_TERMINAL_TRACE, IDS_TERMINAL_TRACE_ON)),
      trace_note_(new QLabel(Text(IDS_TERMINAL_TRACE_NOTE), this)),
      raw_note_(new QLabel(Text(IDS_TERMINAL_RAW_NOTE), this)) {
    setWindowTitle(Text(IDS_TERMINAL_TITLE));
    setModal(false);
    platform::SetControlId(command_, IDC_TERMINAL_COMMAND);
    platform::SetControlId(text_, IDC_TERMINAL_TEXT);
    platform::SetControlId(trace_note_, IDC_TERMINAL_TRACE_NOTE);
    platform::SetControlId(raw_note_, IDC_TERMINAL_RAW_NOTE);
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setFont(QFont("Monospace"));
    text_->setMinimumSize(560, 320);
    trace_note_->hide();
    raw_note_->hide();
    auto* send = Button(this, IDC_TERMINAL_SEND, IDS_TERMINAL_SEND);
    // Enter anywhere in the window sends.
    send->setDefault(true);
    auto* clear = Button(this, IDC_TERMINAL_CLEAR, IDS_TERMINAL_CLEAR);
    auto* close = Button(this, IDC_TERMINAL_CLOSE, IDS_TERMINAL_CLOSE);
    connect(send, &QPushButton::clicked, this, [this] { OnOK(); });
    connect(clear, &QPushButton::clicked, this, [this] { Clear(); });
    connect(trace_button_, &QPushButton::clicked, this, [this] { ToggleTrace(); });
    connect(close, &QPushButton::clicked, this, [this] { AskAndClose(); });

    auto* commandRow = new QHBoxLayout;
    commandRow->addWidget(command_, 1);
    commandRow->addWidget(send);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(clear);
    buttons->addWidget(trace_button_);
    buttons->addWidget(trace_note_);
    buttons->addWidget(raw_note_);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(commandRow);
    layout->addWidget(text_, 1);
    layout->addLayout(buttons);
}

CTerminalModeDlg::~CTerminalModeDlg() {
    // Without its window the traffic is traced no more.
    app_.SetCommTraceFlags(kTerminalTraceOff);
}

void CTerminalModeDlg::ShowTraffic(TrafficKind kind, std::string_view bytes) {
    lines_.ShowTraffic(kind, bytes);
    ShowLines();
}

void CTerminalModeDlg::AddTrafficLine(TrafficKind kind, std::string_view text) {
    lines_.AddTrafficLine(kind, text);
    ShowLines();
}

void CTerminalModeDlg::OnMessage(platform::Message& message) {
    if (message.id == WM_TERMINAL_TRAFFIC) {
        if (const std::string* bytes = platform::PayloadAs<std::string>(message)) {
            ShowTraffic(static_cast<TrafficKind>(message.wParam), *bytes);
        }
        return;
    }
    platform::Dialog::OnMessage(message);
}

void CTerminalModeDlg::OnOK() {
    // The session sends the command; its traffic comes back through the trace.
    if (!links_.sendCommand || !links_.sendCommand(platform::FromQString(command_->text()))) {
        ShowMessageBoxId(IDS_TERMINAL_NO_SESSION, MB_OK | MB_ICONEXCLAMATION, true);
    }
    FocusCommand();
}

void CTerminalModeDlg::OnCancel() {
    app_.SetCommTraceFlags(kTerminalTraceOff);
    EndDialog(IDCANCEL);
}

void CTerminalModeDlg::Clear() {
    lines_.Clear();
    if (links_.connected && links_.connected()) {
        lines_.AddTrafficLine(TrafficKind::Received, ">");
    }
    ShowLines();
    FocusCommand();
}

void CTerminalModeDlg::ToggleTrace() {
    if (!trace_) {
        raw_ = (QApplication::keyboardModifiers() & Qt::ShiftModifier) != 0;
        if (raw_) {
            QApplication::beep();
        }
    }
    SetTrace(!trace_);
    FocusCommand();
}

void CTerminalModeDlg::SetTrace(bool on) {
    trace_ = on;
    app_.SetCommTraceFlags(on ? kCommTraceOn : kTerminalTraceOff);
    trace_button_->setText(Text(on ? IDS_TERMINAL_TRACE_OFF : IDS_TERMINAL_TRACE_ON));
    trace_note_->setVisible(on);
    raw_note_->setVisible(on && raw_);
}

void CTerminalModeDlg::AskAndClose() {
    if (trace_) {
        const int answer =
            ShowMessageBoxId(IDS_TERMINAL_CLOSE_TRACING, MB_YESNOCANCEL | MB_ICONQUESTION, true);
        if (answer == IDCANCEL) {
            return;
        }
        if (answer == IDNO) {
            SetTrace(false);
        }
    }
    EndDialog(IDOK);
}

void CTerminalModeDlg::ShowLines() {
    QString all;
    for (const std::string& line : lines_.Lines()) {
        all += platform::ToQString(line);
        all += '\n';
    }
    text_->setPlainText(all);
    text_->verticalScrollBar()->setValue(text_->verticalScrollBar()->maximum());
}

void CTerminalModeDlg::FocusCommand() {
    command_->setFocus();
    command_->selectAll();
}
