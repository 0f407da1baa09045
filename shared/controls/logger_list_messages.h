// The program's answer to LoggerListMessageRequest: the message in the standard box, the conversion as
// a Yes/No/Cancel question.
#pragma once

// Registers the answer; the program calls it once at start.
void RegisterLoggerListMessages();
