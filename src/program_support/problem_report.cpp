#include "program_support/problem_report.h"

#include <cstdio>

namespace orv::shell {

void reportProblem(bool windows, const char* program, const QString& title, const QString& text,
                   QMessageBox::Icon icon)
{
    if (!windows)
        std::fprintf(stderr, "%s: %s\n", program, text.toLocal8Bit().constData());
    else if (icon == QMessageBox::Warning)
        QMessageBox::warning(nullptr, title, text);
    else if (icon == QMessageBox::Information)
        QMessageBox::information(nullptr, title, text);
    else
        QMessageBox::critical(nullptr, title, text);
}

}  // namespace orv::shell
