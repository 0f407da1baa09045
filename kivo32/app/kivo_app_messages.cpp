// The application's side of the messages posted to the main window: results of the session thread and
// of the workers.
#include "kivo32/app/kivo_app.h"

#include "platform/base/message.h"

bool CKivoApp::OnAppMessage(platform::Message&) {
    return false;
}
