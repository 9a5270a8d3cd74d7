// Stand-in for the library's message table until the error unit joins the build; weak, so the
// real definition wins wherever both are linked.
#include <string>

__attribute__((weak)) std::string NxSNMPErrorText(int code) {
    switch (code) {
    case -511: return "Bad SNMP syntax!";
    case -514: return "Bad key count of SNMP variable list!";
    case -518: return "Bad value of the associated SNMP variable's (partial) data!";
    default: return "Unknown error code!";
    }
}
