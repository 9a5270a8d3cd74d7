#include "HostTools.h"

#include "Application.h"
#include "Dialogs.h"

#include <QProcess>
#include <QString>
#include <QStringList>

#include <filesystem>

#include <unistd.h>

namespace {

ProcessLauncher& CurrentLauncher() {
    static ProcessLauncher launcher;
    return launcher;
}

bool StartDetached(const ToolCommand& command) {
    QStringList arguments;
    for (const std::string& argument : command.Arguments) arguments << QString::fromLocal8Bit(argument);
    return QProcess::startDetached(QString::fromLocal8Bit(command.Program), arguments);
}

bool Launch(const ToolCommand& command) {
    try {
        return CurrentLauncher() ? CurrentLauncher()(command) : StartDetached(command);
    } catch (...) {
        return false;
    }
}

std::string ToolName(const std::string& pageOption) {
    if (pageOption.size() < 2) return {};
    const std::string rest = pageOption.substr(2);
    return rest.substr(0, rest.find('_'));
}

void AppendV3Options(const DeviceSettingTextList& texts, std::vector<std::string>& arguments) {
    arguments.push_back("/t" + texts[dsAgentPort]);
    arguments.push_back("/v3");
    arguments.push_back("/d" + texts[dsContextEngineID]);
    arguments.push_back("/m" + texts[dsSecurityModel]);
    arguments.push_back("/n" + texts[dsSecurityName]);
    arguments.push_back("/l" + texts[dsSecurityLevel]);
    arguments.push_back("/a" + texts[dsAuthProtocol]);
    arguments.push_back("/p" + texts[dsPrivProtocol]);
    arguments.push_back("/A" + texts[dsAuthPassword]);
    arguments.push_back("/P" + texts[dsPrivPassword]);
    arguments.push_back("/c" + texts[dsContextName]);
}

}  // namespace

std::string ToolCommand::Line() const {
    std::string line = Program;
    for (const std::string& argument : Arguments) line += " " + argument;
    return line;
}

ToolCommand BuildMibBrowserCommand(const std::string& pageOption, const DeviceSettingTextList& texts,
                                   uint8_t effectiveVersion) {
    ToolCommand command{ToolName(pageOption), {"/I" + texts[dsAddress]}};
    if (texts[dsVersion] == "3" || effectiveVersion == 3) {
        AppendV3Options(texts, command.Arguments);
    } else {
        command.Arguments.push_back("/R" + texts[dsReadCommunity]);
        command.Arguments.push_back("/W" + texts[dsWriteCommunity]);
    }
    command.Arguments.push_back(pageOption);
    return command;
}

void SetProcessLauncher(ProcessLauncher launcher) { CurrentLauncher() = std::move(launcher); }

std::string FindToolProgram(const std::string& tool, const std::vector<std::string>& directories) {
    for (const std::string& directory : directories) {
        if (directory.empty()) continue;
        const std::filesystem::path candidate = std::filesystem::path(directory) / tool;
        std::error_code error;
        if (std::filesystem::is_regular_file(candidate, error) && access(candidate.c_str(), X_OK) == 0)
            return candidate.string();
    }
    return tool;
}

void RunMibBrowser(const std::string& pageOption, const DeviceSettingTextList& texts, uint8_t effectiveVersion,
                   const std::vector<std::string>& toolDirectories) {
    ToolCommand command = BuildMibBrowserCommand(pageOption, texts, effectiveVersion);
    if (command.Program.empty()) return;
    command.Program = FindToolProgram(command.Program, toolDirectories);
    Launch(command);
}

std::string HelpFilePath(const std::string& moduleDirectory) {
    if (moduleDirectory.empty()) return HelpFileName;
    const bool separated = moduleDirectory.back() == '/' || moduleDirectory.back() == '\\';
    return moduleDirectory + (separated ? "" : "/") + HelpFileName;
}

void OpenHelpFile(const std::string& moduleDirectory) {
    const std::string path = HelpFilePath(moduleDirectory);
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        ui::MessageBox(nullptr, "Cannot find the help file " + path + ".", ui::Application::Instance().Title());
        return;
    }
    if (!Launch({"xdg-open", {path}}))
        ui::MessageBox(nullptr, "Cannot open the help file " + path + ".", ui::Application::Instance().Title());
}
