#pragma once
// The host's MIB-browser tools, started as separate programs with the device's address, credentials and a page.
#include "DeviceStartup.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct ToolCommand {
    std::string Program;
    std::vector<std::string> Arguments;  // one entry per argument: a blank or "/" in a value never splits it

    // The command as one line, for messages and logs.
    std::string Line() const;
};

// The tool named by a page option "/T" + tool + "_" + page, handed the text copies of the device settings.
// The SNMPv3 options are used when the settings file's version reads "3" or the effective version code is 3.
ToolCommand BuildMibBrowserCommand(const std::string& pageOption, const DeviceSettingTextList& texts,
                                   uint8_t effectiveVersion);

// Starts a program without a shell and without waiting; false when it could not be started.
using ProcessLauncher = std::function<bool(const ToolCommand& command)>;
// Replaces the launcher (tests record the commands); an empty launcher restores the real one.
void SetProcessLauncher(ProcessLauncher launcher);

// The program to start for a tool: the first directory holding an executable file of that name gives its path;
// otherwise the bare name, which the system's program search resolves.
std::string FindToolProgram(const std::string& tool, const std::vector<std::string>& directories);

// Builds the tool's command, finds its program (directories first) and starts it. Any failure to start is ignored:
// the menu stays usable.
void RunMibBrowser(const std::string& pageOption, const DeviceSettingTextList& texts, uint8_t effectiveVersion,
                   const std::vector<std::string>& toolDirectories = {});

inline constexpr const char* HelpFileName = "QSW2100Series_100402.hlp";

// The help file in the directory of the module's program file.
std::string HelpFilePath(const std::string& moduleDirectory);
// Opens the help file with the desktop's viewer; a missing file gets a message box.
void OpenHelpFile(const std::string& moduleDirectory);
