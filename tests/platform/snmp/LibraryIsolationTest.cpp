#include "SnmpSession.h"
#include "SnmpdAgent.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

using namespace snmp;
using testsupport::SnmpdAgent;

namespace {

// In a fresh process: a user configuration that would change version, source address and security must change
// nothing, and the library prints nothing.
[[noreturn]] void GetWithHostileHome(const std::string& home, uint16_t port) {
    setenv("HOME", home.c_str(), 1);
    unsetenv("SNMPCONFPATH");
    setenv("MIBS", "ALL", 1);
    dup2(2, 1);  // anything printed ends up where the death test looks
    int status = -1;
    Session session(status);
    Target target;
    target.address = UdpAddress("127.0.0.1", port);
    target.version = Version2c;
    target.readCommunity = SnmpdAgent::ReadCommunity;
    target.timeout = 50;
    Pdu pdu;
    pdu.varbinds.push_back({*Oid::Parse("1.3.6.1.2.1.1.1.0"), Value::Null()});
    const bool ok = status == 0 && session.Get(pdu, target) == 0 && pdu.varbinds.at(0).value.type == ValueType::OctetString;
    _exit(ok ? 0 : 1);
}

} // namespace

TEST(LibraryIsolation, UserConfigurationIsIgnoredAndNothingIsPrintedOrWritten) {
    SnmpdAgent& agent = SnmpdAgent::Shared();
    testsupport::TempDir home;
    std::filesystem::create_directory(home.File(".snmp"));
    std::ofstream(home.File(".snmp/snmp.conf")) << "defVersion 3\ndefSecurityName nobody\ndefSecurityLevel authPriv\n"
                                                << "clientaddr 127.0.0.2\nmibs +ALL\npersistentDir " << home.Path()
                                                << "\n";
    ::testing::FLAGS_gtest_death_test_style = "fast";
    EXPECT_EXIT(GetWithHostileHome(home.Path(), agent.Port()), ::testing::ExitedWithCode(0), "^$");
    size_t entries = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::recursive_directory_iterator(home.Path()))
        ++entries;
    EXPECT_EQ(entries, 2u);  // .snmp and snmp.conf, nothing else
}
