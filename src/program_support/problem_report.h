// Telling the user of a program about a problem: a message box when the program shows
// windows, otherwise a line "<program>: <text>" on the error output (scripts, no display).
#pragma once

#include <QMessageBox>
#include <QString>

namespace orv::shell {

void reportProblem(bool windows, const char* program, const QString& title, const QString& text,
                   QMessageBox::Icon icon = QMessageBox::Critical);

}  // namespace orv::shell
