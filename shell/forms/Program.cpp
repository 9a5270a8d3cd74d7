#include "Program.h"

#include "AclDialogs.h"
#include "Application.h"
#include "Catalog.h"
#include "IpSystemDialogs.h"
#include "L2Dialogs.h"
#include "MainUnit.h"
#include "NxSNMPSession.h"
#include "SecurityDialogs.h"
#include "Summertime.h"

#include <iostream>

namespace {

std::vector<std::string> programArguments;

}  // namespace

void RegisterDialogAreas() {
    static const bool registered = [] {
        RegisterL2Dialogs();
        RegisterAclDialogs();
        RegisterSecurityDialogs();
        RegisterIpSystemDialogs();
        return true;
    }();
    (void)registered;
}

ModuleUnits::ModuleUnits(ui::Application& app) : app_(app) {
    NxSNMPSessionStartup();
    CatalogStartup();
    SummerTimeOptionListsInit();
    RegisterDialogAreas();
}

ModuleUnits::~ModuleUnits() {
    while (app_.ComponentCount() > 0) delete app_.Components(app_.ComponentCount() - 1);
    SummerTimeOptionListsExit();
    CatalogExit();
    NxSNMPSessionExit();
}

const std::vector<std::string>& ProgramArguments() { return programArguments; }

void SetProgramArguments(std::vector<std::string> arguments) { programArguments = std::move(arguments); }

int RunModule(int& argc, char** argv) {
    SetProgramArguments(argc > 1 ? std::vector<std::string>(argv + 1, argv + argc) : std::vector<std::string>{});
    try {
        ui::Application app(argc, argv);
        try {
            ModuleUnits units(app);
            app.SetTitle(ApplicationTitle);
            app.CreateForm<TMainForm>();
            app.Run();
        } catch (...) {
            app.HandleException();
        }
    } catch (const std::exception& error) {
        std::cerr << error.what() << '\n';
    }
    return 0;
}
