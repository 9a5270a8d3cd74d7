#include "TestTables.h"

#include "BindingTestSupport.h"

#include <cstdio>

namespace bindtest {

namespace {
constexpr NxOptionPair kStatePairs[] = {NxOptionPair::Int(1, "enabled"), NxOptionPair::Int(2, "disabled"),
                                        NxOptionPair::End()};
}  // namespace

NxOptionList StateOptions(kStatePairs, NxOptionList::KindInteger);

const NxSNMPVar ScalarTable[] = {
    {"1.3.6.1.4.1.32473.99.2.1", "Name", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.99.2.2", "State", sxInteger, readwrite, &StateOptions},
    {"1.3.6.1.4.1.32473.99.2.3", "Address", sxIpAddress, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.99.2.4", "Flags", sxOctetStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.99.2.5", "Up Time", sxTimeTicks, readonly, nullptr},
    {"1.3.6.1.4.1.32473.99.2.6", "Ports", sxBitList, readwrite, nullptr},
    {},
};

const NxSNMPVar RowTable[] = {
    {" ", "Index", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.99.1.1.2", "Name", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.99.1.1.3", "State", sxInteger, readwrite, &StateOptions},
    {"1.3.6.1.4.1.32473.99.1.1.4", "Address", sxIpAddress, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.99.1.1.5", "Ports", sxBitList, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.99.1.1.6", "MAC", sxMacAddress, readonly, nullptr},
    {},
};

std::vector<std::string> ScalarLines() {
    const std::string root = kScalarRoot;
    return {"set-rw " + root + ".1.0 str core-7",   "set-rw " + root + ".2.0 int 2",
            "set-rw " + root + ".3.0 ip 10.1.2.3",  "set-rw " + root + ".4.0 hex A0",
            "set " + root + ".5.0 ticks 12345",     "set-rw " + root + ".6.0 hex F0800000"};
}

std::vector<std::string> RowLines(int rows, int firstRow) {
    std::vector<std::string> lines;
    const std::string root = kTableRoot;
    for (int r = firstRow; r < firstRow + rows; ++r) {
        const std::string at = "." + std::to_string(r);
        char mac[16];
        std::snprintf(mac, sizeof mac, "0000000000%02X", r & 0xFF);
        lines.push_back("set-rw " + root + ".2" + at + " str row" + std::to_string(r));
        lines.push_back("set-rw " + root + ".3" + at + " int " + (r % 2 ? "1" : "2"));
        lines.push_back("set-rw " + root + ".4" + at + " ip 10.0." + std::to_string(r / 256 % 256) + "." +
                        std::to_string(r % 256));
        lines.push_back("set-rw " + root + ".5" + at + " hex " + (r == 1 ? "F0800000" : "00000000"));
        lines.push_back("set " + root + ".6" + at + " hex " + mac);
    }
    return lines;
}

void SeedSim(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) ASSERT_EQ(Sim().Control(line), "ok") << line;
}

}  // namespace bindtest
