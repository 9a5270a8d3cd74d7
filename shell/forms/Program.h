#pragma once
// The program entry: the application object titled "QSW2126P", the main window as the only form created at
// start, and the event loop. An exception that escapes is shown by the application object.
#include <string>
#include <vector>

namespace ui {
class Application;
}

inline constexpr const char* ApplicationTitle = "QSW2126P";

// The library's and the catalogue's start-up steps and the dialog areas' registrations, run before the first form
// exists; the destructor frees the application's forms, then runs their exit steps in reverse order.
class ModuleUnits {
public:
    explicit ModuleUnits(ui::Application& app);
    ~ModuleUnits();
    ModuleUnits(const ModuleUnits&) = delete;
    ModuleUnits& operator=(const ModuleUnits&) = delete;

private:
    ui::Application& app_;
};

// Each dialog area registers its forms once, however many times it is called (ModuleUnits calls it).
void RegisterDialogAreas();

// Runs the module with the command line argv[0 .. argc - 1]; returns 0.
int RunModule(int& argc, char** argv);

// The application's parameter list: the command line's arguments after the program name.
const std::vector<std::string>& ProgramArguments();
void SetProgramArguments(std::vector<std::string> arguments);
