#pragma once
// A test's own directory as the current one (the boot-counter file and relative message files go there) and its own
// host registry file; both are put back when the workspace ends.
#include "SnmpdAgent.h"

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

class ModuleWorkspace {
public:
    ModuleWorkspace() : previousDirectory_(std::filesystem::current_path()) {
        if (const char* value = std::getenv("VANTREL_REGISTRY")) previousRegistry_ = value;
        std::filesystem::current_path(dir_.Path());
        setenv("VANTREL_REGISTRY", dir_.File("registry.ini").c_str(), 1);
    }
    ~ModuleWorkspace() {
        if (previousRegistry_)
            setenv("VANTREL_REGISTRY", previousRegistry_->c_str(), 1);
        else
            unsetenv("VANTREL_REGISTRY");
        std::filesystem::current_path(previousDirectory_);
    }
    ModuleWorkspace(const ModuleWorkspace&) = delete;
    ModuleWorkspace& operator=(const ModuleWorkspace&) = delete;

    const std::string& Path() const { return dir_.Path(); }
    std::string File(const std::string& name) const { return dir_.File(name); }

private:
    testsupport::TempDir dir_;
    std::filesystem::path previousDirectory_;
    std::optional<std::string> previousRegistry_;
};
