// The Help menu's commands, top to bottom.
#include "MenuCommands.h"

namespace {

constexpr MenuCommand kCommands[] = {
    {.Handler = "Help2Click",
     .MenuPath = "Help > Help",
     .Title = nullptr,
     .Kind = CommandKind::Special,
     .Special = SpecialCommand::Help},
    {.Handler = "About1Click",
     .MenuPath = "Help > About",
     .Title = nullptr,
     .Kind = CommandKind::Special,
     .FormClass = &shellforms::TAboutForm,
     .InstancePointer = "AboutForm",
     .Special = SpecialCommand::About},
};

}  // namespace

std::span<const MenuCommand> HelpMenuCommands() { return kCommands; }
