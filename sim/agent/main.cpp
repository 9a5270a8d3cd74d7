// qswsim: a simulated QSW switch, served as a real SNMP agent on 127.0.0.1.
#include "Agent.h"
#include "CatalogSource.h"
#include "Scenario.h"
#include "Seeding.h"

#include <iostream>
#include <stdexcept>

namespace {

void SeedCatalogue(sim::SimMib& mib, int rows) {
    const sim::SeedReport report = sim::SeedServedTables(mib, rows);
    for (const std::string& problem : report.problems)
        std::cerr << "qswsim: catalogue: " << problem << "\n";
}

} // namespace

int main(int argc, char** argv) {
    sim::SimOptions options;
    try {
        options = sim::ParseSimOptions(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::invalid_argument& error) {
        std::cerr << "qswsim: " << error.what() << "\n" << sim::SimUsage();
        return 2;
    }
    if (options.help) {
        std::cout << sim::SimUsage();
        return 0;
    }
    sim::SimMib mib;
    sim::TestControls controls;
    try {
        if (options.catalogue)
            SeedCatalogue(mib, options.rows);
        sim::SeedSystemGroup(mib, "QSW-2126P managed switch (simulated)");
        sim::LoadScenarioFile(mib, options.scenario.empty() ? QSWSIM_DEFAULT_SCENARIO : options.scenario);
        for (const std::string& command : options.exec) {
            sim::CommandResult result = controls.Execute(command, mib);
            if (!result.ok)
                throw std::runtime_error("--exec \"" + command + "\": " + result.message);
        }
    } catch (const std::exception& error) {
        std::cerr << "qswsim: " << error.what() << "\n";
        return 2;
    }
    return sim::RunAgent(options, mib, controls);
}
