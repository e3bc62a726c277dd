// orvntool: the command-line tool for authors and scripts (new project, upgrade, menu
// description file, project information). Needs no display.
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include <QCoreApplication>

#include "app/tool/tool_commands.h"
#include "model/editor_options.h"
#include "model/sibling_products.h"
#include "platform/host/console_user_interface.h"
#include "platform/host/host_services.h"

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);

    QCoreApplication app(argc, argv);
    orv::platform::ConsoleUserInterface ui;
    std::unique_ptr<orv::platform::HostServices> services;

    // Services and options only once a command really works on files, so --help and bad
    // arguments leave no trace.
    orv::tool::ToolCommands commands(std::cout, std::cerr, [&] {
        services = std::make_unique<orv::platform::HostServices>(&ui);
        orv::ReadEditorOptions();
        orv::DetectSiblingProducts();
    });
    return commands.run(args);
}
