// The two lines that name the connected logger at the top of a setting dialog.
#pragma once

#include <QVBoxLayout>
#include <string>

// A layout of the lines, each a label with its control id; an empty line is left out.
QVBoxLayout* LoggerNamingLines(QWidget* parent, const std::string& firstText, const std::string& secondText);
