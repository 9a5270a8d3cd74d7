#include "OptionPairs.h"

const NxOptionPair L1Pairs[] = {
    NxOptionPair::Int(0, "a"), NxOptionPair::Int(1, "b"), NxOptionPair::Int(2, "c"), NxOptionPair::Int(3, "d"),
    NxOptionPair::Int(4, "e"), NxOptionPair::Int(5, "f"), NxOptionPair::End(),
};
const NxOptionPair L2Pairs[] = {
    NxOptionPair::Int(1, "none"), NxOptionPair::Int(2, "a"), NxOptionPair::Int(3, "b"), NxOptionPair::Int(4, "c"),
    NxOptionPair::Int(5, "d"), NxOptionPair::Int(6, "e"), NxOptionPair::Int(7, "f"), NxOptionPair::Int(8, "g"),
    NxOptionPair::Int(9, "h"), NxOptionPair::Int(10, "i"), NxOptionPair::Int(11, "j"), NxOptionPair::Int(12, "k"),
    NxOptionPair::Int(13, "l"), NxOptionPair::Int(14, "m"), NxOptionPair::Int(15, "n"), NxOptionPair::Int(16, "o"),
    NxOptionPair::Int(17, "p"), NxOptionPair::Int(18, "q"), NxOptionPair::Int(19, "r"), NxOptionPair::Int(20, "s"),
    NxOptionPair::Int(21, "t"), NxOptionPair::Int(22, "u"), NxOptionPair::Int(23, "v"), NxOptionPair::Int(24, "w"),
    NxOptionPair::Int(25, "x"), NxOptionPair::Int(26, "y"), NxOptionPair::Int(27, "z"), NxOptionPair::End(),
};
const NxOptionPair L3Pairs[] = {
    NxOptionPair::Int(1, "a"), NxOptionPair::Int(2, "b"), NxOptionPair::Int(3, "c"), NxOptionPair::Int(4, "d"),
    NxOptionPair::Int(5, "e"), NxOptionPair::Int(6, "f"), NxOptionPair::Int(7, "g"), NxOptionPair::Int(8, "h"),
    NxOptionPair::Int(9, "i"), NxOptionPair::Int(10, "j"), NxOptionPair::Int(11, "k"), NxOptionPair::Int(12, "l"),
    NxOptionPair::Int(13, "m"), NxOptionPair::Int(14, "n"), NxOptionPair::Int(15, "o"), NxOptionPair::Int(16, "p"),
    NxOptionPair::Int(17, "q"), NxOptionPair::Int(18, "r"), NxOptionPair::Int(19, "s"), NxOptionPair::Int(20, "t"),
    NxOptionPair::Int(21, "u"), NxOptionPair::Int(22, "v"), NxOptionPair::Int(23, "w"), NxOptionPair::Int(24, "x"),
    NxOptionPair::Int(25, "y"), NxOptionPair::Int(26, "z"), NxOptionPair::End(),
};
const NxOptionPair L4Pairs[] = {NxOptionPair::Int(1, "dir"), NxOptionPair::Int(2, "file"), NxOptionPair::End()};
const NxOptionPair L5Pairs[] = {NxOptionPair::Int(1, "none"), NxOptionPair::Int(2, "start"), NxOptionPair::End()};
const NxOptionPair L6Pairs[] = {
    NxOptionPair::Int(1, "other"), NxOptionPair::Int(2, "upload"), NxOptionPair::Int(3, "download"),
    NxOptionPair::End(),
};
const NxOptionPair L7Pairs[] = {NxOptionPair::Int(0, "unknown"), NxOptionPair::Int(1, "ipv4"), NxOptionPair::End()};
const NxOptionPair L8Pairs[] = {NxOptionPair::Int(1, "other"), NxOptionPair::Int(2, "start"), NxOptionPair::End()};
const NxOptionPair L9Pairs[] = {NxOptionPair::Int(1, "true"), NxOptionPair::Int(2, "false"), NxOptionPair::End()};
const NxOptionPair L10Pairs[] = {
    NxOptionPair::Int(1, "enabled"), NxOptionPair::Int(2, "disabled"), NxOptionPair::End(),
};
const NxOptionPair L11Pairs[] = {
    NxOptionPair::Int(1, "other"), NxOptionPair::Int(2, "dst-mac-addr"), NxOptionPair::Int(3, "src-mac-addr"),
    NxOptionPair::Int(4, "dst-src-mac-addr"), NxOptionPair::End(),
};
const NxOptionPair L12Pairs[] = {
    NxOptionPair::Int(1, "active"), NxOptionPair::Int(2, "notInService"), NxOptionPair::Int(3, "notReady"),
    NxOptionPair::Int(4, "createAndGo"), NxOptionPair::Int(5, "createAndWait"), NxOptionPair::Int(6, "destroy"),
    NxOptionPair::End(),
};
const NxOptionPair L13Pairs[] = {
    NxOptionPair::Int(1, "any"), NxOptionPair::Int(2, "acl"), NxOptionPair::Int(3, "ipbind"),
    NxOptionPair::Int(4, "other"), NxOptionPair::Int(5, "dhcp"), NxOptionPair::Int(6, "netbios"),
    NxOptionPair::Int(7, "ext-netbios"), NxOptionPair::Int(8, "ismvlan"), NxOptionPair::Int(9, "dhcp-relay"),
    NxOptionPair::Int(13, "zemo-upserver"), NxOptionPair::Int(14, "zemo-authentication"), NxOptionPair::End(),
};
const NxOptionPair L14Pairs[] = {
    NxOptionPair::Int(1, "other"), NxOptionPair::Int(2, "dst-ip-addr"), NxOptionPair::Int(3, "src-ip-addr"),
    NxOptionPair::Int(4, "dst-src-ip-addr"), NxOptionPair::End(),
};
const NxOptionPair L15Pairs[] = {
    NxOptionPair::Int(1, "none"), NxOptionPair::Int(2, "icmp"), NxOptionPair::Int(3, "igmp"),
    NxOptionPair::Int(4, "tcp"), NxOptionPair::Int(5, "udp"), NxOptionPair::Int(6, "protocolId"), NxOptionPair::End(),
};
const NxOptionPair L16Pairs[] = {
    NxOptionPair::Int(1, "none"), NxOptionPair::Int(2, "type"), NxOptionPair::Int(3, "code"),
    NxOptionPair::Int(4, "type-code"), NxOptionPair::End(),
};
const NxOptionPair L17Pairs[] = {
    NxOptionPair::Int(1, "enable"), NxOptionPair::Int(2, "disable"), NxOptionPair::End(),
};
const NxOptionPair L18Pairs[] = {
    NxOptionPair::Int(1, "other"), NxOptionPair::Int(2, "dst-addr"), NxOptionPair::Int(3, "src-addr"),
    NxOptionPair::Int(4, "dst-src-addr"), NxOptionPair::End(),
};
const NxOptionPair L19Pairs[] = {
    NxOptionPair::Int(1, "deny"), NxOptionPair::Int(2, "permit"), NxOptionPair::Int(3, "mirror"), NxOptionPair::End(),
};
const NxOptionPair L20Pairs[] = {NxOptionPair::Int(1, "deny"), NxOptionPair::Int(2, "permit"), NxOptionPair::End()};
const NxOptionPair L21Pairs[] = {
    NxOptionPair::Int(1, "other"), NxOptionPair::Int(2, "dst-ipv6-addr"), NxOptionPair::Int(3, "src-ipv6-addr"),
    NxOptionPair::Int(4, "dst-src-ipv6-addr"), NxOptionPair::End(),
};
const NxOptionPair L22Pairs[] = {
    NxOptionPair::Int(1, "none"), NxOptionPair::Int(2, "tcp"), NxOptionPair::Int(3, "udp"), NxOptionPair::End(),
};
const NxOptionPair L23Pairs[] = {
    NxOptionPair::Int(1, "other"), NxOptionPair::Int(2, "tr-tcm"), NxOptionPair::Int(3, "sr-tcm"), NxOptionPair::End(),
};
const NxOptionPair L24Pairs[] = {
    NxOptionPair::Int(1, "other"), NxOptionPair::Int(2, "permit"), NxOptionPair::Int(3, "replace-dscp"),
    NxOptionPair::End(),
};
const NxOptionPair L25Pairs[] = {
    NxOptionPair::Int(1, "other"), NxOptionPair::Int(2, "permit"), NxOptionPair::Int(3, "replace-dscp"),
    NxOptionPair::Int(4, "drop"), NxOptionPair::End(),
};
const NxOptionPair L26Pairs[] = {
    NxOptionPair::Int(1, "active"), NxOptionPair::Int(4, "createAndGo"), NxOptionPair::Int(6, "destroy"),
    NxOptionPair::End(),
};
const NxOptionPair L27Pairs[] = {
    NxOptionPair::Int(1, "broadcast"), NxOptionPair::Int(2, "peer_to_peer"), NxOptionPair::Int(3, "mixed"),
    NxOptionPair::Int(4, "hybid"), NxOptionPair::End(),
};
const NxOptionPair L28Pairs[] = {
    NxOptionPair::Int(1, "predefined"), NxOptionPair::Int(2, "infinite"), NxOptionPair::End(),
};
const NxOptionPair L29Pairs[] = {
    NxOptionPair::Int(1, "Ethernet"), NxOptionPair::Int(2, "IEEE802"), NxOptionPair::End(),
};
const NxOptionPair L30Pairs[] = {
    NxOptionPair::Int(1, "ethernet"), NxOptionPair::Int(2, "iee802"), NxOptionPair::End(),
};
const NxOptionPair L31Pairs[] = {
    NxOptionPair::Int(1, "manual"), NxOptionPair::Int(2, "automatic"), NxOptionPair::End(),
};
const NxOptionPair L32Pairs[] = {
    NxOptionPair::Int(1, "hostbased"), NxOptionPair::Int(2, "portbased"), NxOptionPair::End(),
};
const NxOptionPair L33Pairs[] = {
    NxOptionPair::Int(1, "none"), NxOptionPair::Int(2, "any"), NxOptionPair::Int(3, "dot1xImp"),
    NxOptionPair::Int(4, "impZemo"), NxOptionPair::End(),
};
const NxOptionPair L34Pairs[] = {
    NxOptionPair::Int(1, "block"), NxOptionPair::Int(2, "local"), NxOptionPair::Int(3, "permit"), NxOptionPair::End(),
};
const NxOptionPair L35Pairs[] = {
    NxOptionPair::Int(2, "authProtocolLocal"), NxOptionPair::Int(4, "authProtocolRadiusEap"), NxOptionPair::End(),
};
const NxOptionPair L36Pairs[] = {
    NxOptionPair::Int(1, "portBase"), NxOptionPair::Int(2, "macBase"), NxOptionPair::End(),
};
const NxOptionPair L37Pairs[] = {
    NxOptionPair::Int(1, "swRadiusServerIndex-first"), NxOptionPair::Int(2, "swRadiusServerIndex-second"),
    NxOptionPair::Int(3, "swRadiusServerIndex-third"), NxOptionPair::End(),
};
const NxOptionPair L38Pairs[] = {
    NxOptionPair::Int(0, "unknown"), NxOptionPair::Int(1, "IPv4"), NxOptionPair::Int(2, "IPv6"),
    NxOptionPair::Int(16, "dns"), NxOptionPair::End(),
};
const NxOptionPair L39Pairs[] = {
    NxOptionPair::Int(1, "initialize"), NxOptionPair::Int(2, "disconnected"), NxOptionPair::Int(3, "connecting"),
    NxOptionPair::Int(4, "authenticating"), NxOptionPair::Int(5, "authenticated"), NxOptionPair::Int(6, "aborting"),
    NxOptionPair::Int(7, "held"), NxOptionPair::Int(8, "forceAuth"), NxOptionPair::Int(9, "forceUnauth"),
    NxOptionPair::End(),
};
const NxOptionPair L40Pairs[] = {
    NxOptionPair::Int(1, "request"), NxOptionPair::Int(2, "response"), NxOptionPair::Int(3, "success"),
    NxOptionPair::Int(4, "fail"), NxOptionPair::Int(5, "timeout"), NxOptionPair::Int(6, "idle"),
    NxOptionPair::Int(7, "initialize"), NxOptionPair::End(),
};
const NxOptionPair L41Pairs[] = {
    NxOptionPair::Int(1, "authorized"), NxOptionPair::Int(2, "unauthorized"), NxOptionPair::End(),
};
const NxOptionPair L42Pairs[] = {
    NxOptionPair::Int(1, "remoteAuthServer"), NxOptionPair::Int(2, "localAuthServer"), NxOptionPair::End(),
};
const NxOptionPair L43Pairs[] = {
    NxOptionPair::Int(1, "supplicantLogoff"), NxOptionPair::Int(2, "portFailure"),
    NxOptionPair::Int(3, "supplicantRestart"), NxOptionPair::Int(4, "reauthFailed"),
    NxOptionPair::Int(5, "authControlForceUnauth"), NxOptionPair::Int(6, "portReInit"),
    NxOptionPair::Int(7, "portAdminDisabled"), NxOptionPair::Int(999, "notTerminatedYet"), NxOptionPair::End(),
};
const NxOptionPair L44Pairs[] = {
    NxOptionPair::Int(1, "disabled"), NxOptionPair::Int(2, "enabled"), NxOptionPair::End(),
};
const NxOptionPair L45Pairs[] = {
    NxOptionPair::Int(1, "local"), NxOptionPair::Int(2, "radius"), NxOptionPair::End(),
};
const NxOptionPair L46Pairs[] = {
    NxOptionPair::Int(1, "unconnected"), NxOptionPair::Int(2, "connecting"), NxOptionPair::Int(3, "authenticating"),
    NxOptionPair::Int(4, "authenticated"), NxOptionPair::Int(5, "failure"), NxOptionPair::End(),
};
const NxOptionPair L47Pairs[] = {
    NxOptionPair::Int(1, "port_based"), NxOptionPair::Int(2, "host_based"), NxOptionPair::End(),
};
const NxOptionPair L48Pairs[] = {
    NxOptionPair::Int(1, "authenticating"), NxOptionPair::Int(2, "authorized"), NxOptionPair::Int(3, "unauthorized"),
    NxOptionPair::End(),
};
const NxOptionPair L49Pairs[] = {
    NxOptionPair::Int(1, "other"), NxOptionPair::Int(2, "initialize"), NxOptionPair::Int(3, "reauthenticate"),
    NxOptionPair::End(),
};
const NxOptionPair L50Pairs[] = {
    NxOptionPair::Int(1, "none"), NxOptionPair::Int(2, "authenticator"), NxOptionPair::End(),
};
const NxOptionPair L51Pairs[] = {
    NxOptionPair::Int(0, "other"), NxOptionPair::Int(1, "lowVoltage"), NxOptionPair::Int(2, "overCurrent"),
    NxOptionPair::Int(3, "working"), NxOptionPair::Int(4, "fail"), NxOptionPair::Int(5, "connect"),
    NxOptionPair::Int(6, "disconnect"), NxOptionPair::End(),
};
const NxOptionPair L52Pairs[] = {
    NxOptionPair::Int(0, "other"), NxOptionPair::Int(1, "working"), NxOptionPair::Int(2, "fail"), NxOptionPair::End(),
};
const NxOptionPair L53Pairs[] = {
    NxOptionPair::Int(1, "enabled"), NxOptionPair::Int(2, "disabled"), NxOptionPair::Int(3, "other"),
    NxOptionPair::End(),
};
const NxOptionPair L54Pairs[] = {
    NxOptionPair::Int(1, "stand-alone"), NxOptionPair::Int(2, "duplex-chain"), NxOptionPair::Int(3, "duplex-ring"),
    NxOptionPair::Int(4, "star"), NxOptionPair::Int(5, "unstable"), NxOptionPair::End(),
};
const NxOptionPair L55Pairs[] = {
    NxOptionPair::Int(1, "other"), NxOptionPair::Int(2, "auto"), NxOptionPair::Int(3, "stand-alone"),
    NxOptionPair::Int(4, "master"), NxOptionPair::Int(5, "slave"), NxOptionPair::Int(6, "backup-master"),
    NxOptionPair::End(),
};
const NxOptionPair L56Pairs[] = {
    NxOptionPair::Int(1, "other"), NxOptionPair::Int(2, "auto"), NxOptionPair::Int(3, "user"), NxOptionPair::End(),
};
const NxOptionPair L57Pairs[] = {
    NxOptionPair::Int(1, "exist"), NxOptionPair::Int(2, "no-exist"), NxOptionPair::End(),
};
const NxOptionPair L58Pairs[] = {
    NxOptionPair::Int(1, "box-1"), NxOptionPair::Int(2, "box-2"), NxOptionPair::Int(3, "box-3"),
    NxOptionPair::Int(4, "box-4"), NxOptionPair::Int(5, "box-5"), NxOptionPair::Int(6, "box-6"),
    NxOptionPair::Int(7, "box-7"), NxOptionPair::Int(8, "box-8"), NxOptionPair::Int(9, "box-9"),
    NxOptionPair::Int(10, "box-10"), NxOptionPair::Int(11, "box-11"), NxOptionPair::Int(12, "box-12"),
    NxOptionPair::Int(13, "auto"), NxOptionPair::End(),
};
const NxOptionPair L59Pairs[] = {
    NxOptionPair::Int(0, "disable"), NxOptionPair::Int(1, "repeating"), NxOptionPair::Int(2, "annual"),
    NxOptionPair::End(),
};
const NxOptionPair L60Pairs[] = {
    NxOptionPair::Int(2, "disabled"), NxOptionPair::Int(3, "enabled"), NxOptionPair::End(),
};
const NxOptionPair L61Pairs[] = {
    NxOptionPair::Int(0, "system"), NxOptionPair::Int(1, "server1"), NxOptionPair::Int(2, "server2"),
    NxOptionPair::End(),
};
const NxOptionPair L62Pairs[] = {
    NxOptionPair::Int(1, "primary"), NxOptionPair::Int(2, "secondary"), NxOptionPair::End(),
};
const NxOptionPair L63Pairs[] = {NxOptionPair::Int(0, "both"), NxOptionPair::Int(1, "in"), NxOptionPair::End()};
const NxOptionPair L64Pairs[] = {
    NxOptionPair::Int(1, "forceUnauthorized"), NxOptionPair::Int(2, "auto"), NxOptionPair::Int(3, "forceAuthorized"),
    NxOptionPair::End(),
};
const NxOptionPair L65Pairs[] = {
    NxOptionPair::Int(1, "idle"), NxOptionPair::Int(2, "connect"), NxOptionPair::Int(3, "active"),
    NxOptionPair::Int(4, "opensent"), NxOptionPair::Int(5, "openconfirm"), NxOptionPair::Int(6, "established"),
    NxOptionPair::End(),
};
const NxOptionPair L66Pairs[] = {NxOptionPair::Int(1, "stop"), NxOptionPair::Int(2, "start"), NxOptionPair::End()};
const NxOptionPair L67Pairs[] = {
    NxOptionPair::Int(1, "igp"), NxOptionPair::Int(2, "egp"), NxOptionPair::Int(3, "incomplete"), NxOptionPair::End(),
};
const NxOptionPair L68Pairs[] = {
    NxOptionPair::Int(1, "lessSpecificRouteNotSelected"), NxOptionPair::Int(2, "lessSpecificRouteSelected"),
    NxOptionPair::End(),
};
const NxOptionPair L69Pairs[] = {NxOptionPair::Int(1, "false"), NxOptionPair::Int(2, "true"), NxOptionPair::End()};
const NxOptionPair L70Pairs[] = {
    NxOptionPair::Int(1, "other"), NxOptionPair::Int(2, "direct"), NxOptionPair::Int(11, "sixToFour"),
    NxOptionPair::Int(13, "isatap"), NxOptionPair::End(),
};
const NxOptionPair L71Pairs[] = {NxOptionPair::Int(1, "ipv4"), NxOptionPair::End()};
const NxOptionPair L72Pairs[] = {
    NxOptionPair::Int(1, "ipv4"), NxOptionPair::Int(2, "ipv6"), NxOptionPair::Int(3, "ipv4z"),
    NxOptionPair::Int(4, "ipv6z"), NxOptionPair::End(),
};
const NxOptionPair L73Pairs[] = {
    NxOptionPair::Int(1, "no-split-horizon"), NxOptionPair::Int(2, "split-horizon"),
    NxOptionPair::Int(3, "poison-reverse"), NxOptionPair::End(),
};
const NxOptionPair L74Pairs[] = {
    NxOptionPair::Int(1, "primary"), NxOptionPair::Int(2, "backup"), NxOptionPair::Int(3, "none"), NxOptionPair::End(),
};
const NxOptionPair L75Pairs[] = {
    NxOptionPair::Int(1, "incomplete"), NxOptionPair::Int(2, "reachable"), NxOptionPair::Int(3, "stale"),
    NxOptionPair::Int(4, "delay"), NxOptionPair::Int(5, "probe"), NxOptionPair::Int(6, "static"), NxOptionPair::End(),
};
const NxOptionPair L76Pairs[] = {
    NxOptionPair::Int(1, "all"), NxOptionPair::Int(2, "static-all"), NxOptionPair::Int(3, "dynamic-all"),
    NxOptionPair::Int(4, "other"), NxOptionPair::End(),
};
const NxOptionPair L77Pairs[] = {
    NxOptionPair::Int(1, "None"), NxOptionPair::Int(2, "Simple Password"), NxOptionPair::End(),
};
const NxOptionPair L78Pairs[] = {
    NxOptionPair::Int(1, "doNotSend"), NxOptionPair::Int(2, "ripVersion1"), NxOptionPair::Int(3, "rip1Compatible"),
    NxOptionPair::Int(4, "ripVersion2"), NxOptionPair::End(),
};
const NxOptionPair L79Pairs[] = {
    NxOptionPair::Int(1, "rip1"), NxOptionPair::Int(2, "rip2"), NxOptionPair::Int(3, "rip1OrRip2"),
    NxOptionPair::Int(4, "doNotRecieve"), NxOptionPair::End(),
};
const NxOptionPair L80Pairs[] = {
    NxOptionPair::Int(1, "active"), NxOptionPair::Int(2, "notInService"), NxOptionPair::Int(4, "createAndGo"),
    NxOptionPair::Int(6, "destroy"), NxOptionPair::End(),
};
const NxOptionPair L81Pairs[] = {
    NxOptionPair::Int(1, "other"), NxOptionPair::Int(2, "enabled"), NxOptionPair::Int(3, "disabled"),
    NxOptionPair::End(),
};
const NxOptionPair L82Pairs[] = {
    NxOptionPair::Int(1, "manual"), NxOptionPair::Int(2, "dhcpv6"), NxOptionPair::Int(3, "stateless"),
    NxOptionPair::End(),
};
const NxOptionPair L83Pairs[] = {
    NxOptionPair::Int(1, "other"), NxOptionPair::Int(3, "bootp"), NxOptionPair::Int(4, "dhcp"), NxOptionPair::End(),
};
const NxOptionPair L84Pairs[] = {
    NxOptionPair::Int(1, "other"), NxOptionPair::Int(2, "static"), NxOptionPair::Int(3, "dynamic"), NxOptionPair::End(),
};
const NxOptionPair L85Pairs[] = {
    NxOptionPair::Int(2, "invalid"), NxOptionPair::Int(3, "valid"), NxOptionPair::Int(4, "active"),
    NxOptionPair::Int(5, "inActive"), NxOptionPair::End(),
};
const NxOptionPair L86Pairs[] = {
    NxOptionPair::Int(1, "other"), NxOptionPair::Int(2, "disabled"), NxOptionPair::Int(3, "enabled"),
    NxOptionPair::End(),
};
const NxOptionPair L87Pairs[] = {
    NxOptionPair::Int(0, "disabled"), NxOptionPair::Int(1, "enabled"), NxOptionPair::End(),
};
const NxOptionPair L88Pairs[] = {
    NxOptionPair::Int(0, "replace"), NxOptionPair::Int(1, "drop"), NxOptionPair::Int(2, "keep"), NxOptionPair::End(),
};
const NxOptionPair L89Pairs[] = {
    NxOptionPair::Int(1, "other"), NxOptionPair::Int(2, "invalid"), NxOptionPair::Int(3, "valid"), NxOptionPair::End(),
};
const NxOptionPair L90Pairs[] = {NxOptionPair::Int(1, "relay"), NxOptionPair::Int(2, "drop"), NxOptionPair::End()};
const NxOptionPair L91Pairs[] = {
    NxOptionPair::Int(1, "exact"), NxOptionPair::Int(2, "partial"), NxOptionPair::End(),
};
const NxOptionPair L92Pairs[] = {NxOptionPair::Int(1, "mac"), NxOptionPair::Int(2, "string"), NxOptionPair::End()};
const NxOptionPair L93Pairs[] = {
    NxOptionPair::Int(2, "invalid"), NxOptionPair::Int(3, "valid"), NxOptionPair::End(),
};
const NxOptionPair L94Pairs[] = {
    NxOptionPair::Int(4, "static"), NxOptionPair::Int(5, "local"), NxOptionPair::End(),
};
const NxOptionPair L95Pairs[] = {NxOptionPair::Int(2, "rip"), NxOptionPair::End()};
const NxOptionPair L96Pairs[] = {
    NxOptionPair::Int(1, "pClassPSE"), NxOptionPair::Int(2, "pClassPD"), NxOptionPair::End(),
};
const NxOptionPair L97Pairs[] = {
    NxOptionPair::Int(1, "txOnly"), NxOptionPair::Int(2, "rxOnly"), NxOptionPair::Int(3, "txAndrx"),
    NxOptionPair::Int(4, "disabled"), NxOptionPair::End(),
};
const NxOptionPair L98Pairs[] = {
    NxOptionPair::Int(1, "chassisComponent"), NxOptionPair::Int(2, "interfaceAlias"),
    NxOptionPair::Int(3, "portComponent"), NxOptionPair::Int(4, "macAddress"), NxOptionPair::Int(5, "networkAddress"),
    NxOptionPair::Int(6, "interfaceName"), NxOptionPair::Int(7, "local"), NxOptionPair::End(),
};
const NxOptionPair L99Pairs[] = {
    NxOptionPair::Int(1, "interfaceAlias"), NxOptionPair::Int(2, "portComponent"), NxOptionPair::Int(3, "macAddress"),
    NxOptionPair::Int(4, "networkAddress"), NxOptionPair::Int(5, "interfaceName"),
    NxOptionPair::Int(6, "agentCircuitId"), NxOptionPair::Int(7, "local"), NxOptionPair::End(),
};
const NxOptionPair L100Pairs[] = {
    NxOptionPair::Int(0, "other"), NxOptionPair::Int(1, "IPv4"), NxOptionPair::Int(2, "IPv6"),
    NxOptionPair::Int(3, "nsap"), NxOptionPair::Int(4, "hdlc"), NxOptionPair::Int(5, "bbn1822"),
    NxOptionPair::Int(6, "all802"), NxOptionPair::Int(7, "e163"), NxOptionPair::Int(8, "e164"),
    NxOptionPair::Int(9, "f69"), NxOptionPair::Int(10, "x121"), NxOptionPair::Int(11, "ipx"),
    NxOptionPair::Int(12, "appleTalk"), NxOptionPair::Int(13, "decnetIV"), NxOptionPair::Int(14, "banyanVines"),
    NxOptionPair::Int(15, "e164withNsap"), NxOptionPair::Int(16, "dns"), NxOptionPair::Int(17, "distinguishedName"),
    NxOptionPair::Int(18, "asNumber"), NxOptionPair::Int(19, "xtpOverIPv4"), NxOptionPair::Int(20, "xtpOverIPv6"),
    NxOptionPair::Int(21, "xtpNativeModeXTP"), NxOptionPair::Int(22, "fibreChannelWWPN"),
    NxOptionPair::Int(23, "fibreChannelWWNN"), NxOptionPair::Int(24, "gwid"), NxOptionPair::Int(25, "afi"),
    NxOptionPair::Int(65535, "reserved"), NxOptionPair::End(),
};
const NxOptionPair L101Pairs[] = {
    NxOptionPair::Int(1, "unknown"), NxOptionPair::Int(2, "ifIndex"), NxOptionPair::Int(3, "systemPortNumber"),
    NxOptionPair::End(),
};
const NxOptionPair L102Pairs[] = {
    NxOptionPair::Int(0, "other"), NxOptionPair::Int(1, "IPv4"), NxOptionPair::Int(2, "IPv6"),
    NxOptionPair::Int(3, "nsap"), NxOptionPair::Int(4, "hdlc"), NxOptionPair::Int(5, "bbn1822"),
    NxOptionPair::Int(6, "all802"), NxOptionPair::Int(7, "e163"), NxOptionPair::Int(8, "e164"),
    NxOptionPair::Int(9, "f69"), NxOptionPair::Int(10, "x121"), NxOptionPair::Int(11, "ipx"),
    NxOptionPair::Int(12, "appleTalk"), NxOptionPair::Int(13, "decnetIV"), NxOptionPair::Int(14, "banyanVines"),
    NxOptionPair::Int(15, "e164withNsap"), NxOptionPair::Int(16, "dns"), NxOptionPair::Int(17, "distinguishedName"),
    NxOptionPair::Int(18, "asNumber"), NxOptionPair::Int(19, "xtpOverIpv4"), NxOptionPair::Int(20, "xtpOverIpv6"),
    NxOptionPair::Int(21, "xtpNativeModeXTP"), NxOptionPair::Int(22, "fibreChannelWWPN"),
    NxOptionPair::Int(23, "fibreChannelWWNN"), NxOptionPair::Int(24, "gwid"), NxOptionPair::Int(25, "afi"),
    NxOptionPair::Int(65535, "reserved"), NxOptionPair::End(),
};
const NxOptionPair L103Pairs[] = {
    NxOptionPair::Int(1, "other"), NxOptionPair::Int(2, "querier"), NxOptionPair::Int(3, "non-querier"),
    NxOptionPair::End(),
};
const NxOptionPair L104Pairs[] = {
    NxOptionPair::Int(1, "other"), NxOptionPair::Int(2, "disable"), NxOptionPair::Int(3, "enable"), NxOptionPair::End(),
};
const NxOptionPair L105Pairs[] = {
    NxOptionPair::Int(1, "version-1"), NxOptionPair::Int(2, "version-2"), NxOptionPair::End(),
};
const NxOptionPair L106Pairs[] = {
    NxOptionPair::Int(1, "other"), NxOptionPair::Int(2, "clear"), NxOptionPair::End(),
};
const NxOptionPair L107Pairs[] = {
    NxOptionPair::Int(1, "none"), NxOptionPair::Int(2, "plannedOnly"), NxOptionPair::Int(3, "plannedAndUnplanned"),
    NxOptionPair::End(),
};
const NxOptionPair L108Pairs[] = {
    NxOptionPair::Int(1, "notRestarting"), NxOptionPair::Int(2, "plannedRestart"),
    NxOptionPair::Int(3, "unplannedRestart"), NxOptionPair::End(),
};
const NxOptionPair L109Pairs[] = {
    NxOptionPair::Int(1, "none"), NxOptionPair::Int(2, "inProgress"), NxOptionPair::Int(3, "completed"),
    NxOptionPair::Int(4, "timedOut"), NxOptionPair::Int(5, "topologyChanged"), NxOptionPair::End(),
};
const NxOptionPair L110Pairs[] = {
    NxOptionPair::Int(1, "doNotAdvertise"), NxOptionPair::Int(2, "advertise"), NxOptionPair::End(),
};
const NxOptionPair L111Pairs[] = {
    NxOptionPair::Int(1, "importExternal"), NxOptionPair::Int(2, "importNoExternal"),
    NxOptionPair::Int(3, "importNssa"), NxOptionPair::End(),
};
const NxOptionPair L112Pairs[] = {
    NxOptionPair::Int(1, "noAreaSummary"), NxOptionPair::Int(2, "sendAreaSummary"), NxOptionPair::End(),
};
const NxOptionPair L113Pairs[] = {
    NxOptionPair::Int(1, "broadcast"), NxOptionPair::Int(2, "nbma"), NxOptionPair::Int(3, "pointToPoint"),
    NxOptionPair::Int(5, "pointToMultipoint"), NxOptionPair::End(),
};
const NxOptionPair L114Pairs[] = {
    NxOptionPair::Int(1, "down"), NxOptionPair::Int(2, "loopback"), NxOptionPair::Int(3, "waiting"),
    NxOptionPair::Int(4, "pointToPoint"), NxOptionPair::Int(5, "designatedRouter"),
    NxOptionPair::Int(6, "backupDesignatedRouter"), NxOptionPair::Int(7, "otherDesignatedRouter"),
    NxOptionPair::Int(8, "standby"), NxOptionPair::End(),
};
const NxOptionPair L115Pairs[] = {
    NxOptionPair::Int(1, "down"), NxOptionPair::Int(4, "pointToPoint"), NxOptionPair::End(),
};
const NxOptionPair L116Pairs[] = {
    NxOptionPair::Int(0, "unknown"), NxOptionPair::Int(1, "ipv4"), NxOptionPair::Int(2, "ipv6"),
    NxOptionPair::Int(3, "ipv4z"), NxOptionPair::Int(4, "ipv6z"), NxOptionPair::Int(16, "dns"), NxOptionPair::End(),
};
const NxOptionPair L117Pairs[] = {
    NxOptionPair::Int(1, "down"), NxOptionPair::Int(2, "attempt"), NxOptionPair::Int(3, "init"),
    NxOptionPair::Int(4, "twoWay"), NxOptionPair::Int(5, "exchangeStart"), NxOptionPair::Int(6, "exchange"),
    NxOptionPair::Int(7, "loading"), NxOptionPair::Int(8, "full"), NxOptionPair::End(),
};
const NxOptionPair L118Pairs[] = {NxOptionPair::Int(8195, "interAreaPrefixLsa"), NxOptionPair::End()};
const NxOptionPair L119Pairs[] = {NxOptionPair::Int(2, "ipv6"), NxOptionPair::End()};
const NxOptionPair L120Pairs[] = {
    NxOptionPair::Int(1, "advertiseMatching"), NxOptionPair::Int(2, "doNotAdvertiseMatching"), NxOptionPair::End(),
};
const NxOptionPair L121Pairs[] = {
    NxOptionPair::Int(0, "other"), NxOptionPair::Int(1, "disabled"), NxOptionPair::Int(2, "enabled"),
    NxOptionPair::End(),
};
const NxOptionPair L122Pairs[] = {
    NxOptionPair::Int(1, "dense"), NxOptionPair::Int(2, "sparse"), NxOptionPair::Int(3, "sparseDense"),
    NxOptionPair::End(),
};
const NxOptionPair L123Pairs[] = {
    NxOptionPair::Int(1, "never"), NxOptionPair::Int(2, "immediately"), NxOptionPair::End(),
};
const NxOptionPair L124Pairs[] = {
    NxOptionPair::Int(1, "ipv4"), NxOptionPair::Int(2, "ipv6"), NxOptionPair::Int(16, "dns"), NxOptionPair::End(),
};
const NxOptionPair L125Pairs[] = {
    NxOptionPair::Int(2, "volatile"), NxOptionPair::Int(3, "nonVolatile"), NxOptionPair::Int(4, "permanent"),
    NxOptionPair::Int(5, "readOnly"), NxOptionPair::End(),
};
const NxOptionPair L126Pairs[] = {NxOptionPair::Int(1, "ipv4"), NxOptionPair::Int(2, "ipv6"), NxOptionPair::End()};
const NxOptionPair L127Pairs[] = {
    NxOptionPair::Int(1, "IPv4"), NxOptionPair::Int(2, "IPv6"), NxOptionPair::Int(16, "dns"), NxOptionPair::End(),
};
const NxOptionPair L128Pairs[] = {
    NxOptionPair::Int(1, "true"), NxOptionPair::Int(2, "false"), NxOptionPair::Int(3, "auto"), NxOptionPair::End(),
};
const NxOptionPair L129Pairs[] = {
    NxOptionPair::Int(0, "true"), NxOptionPair::Int(1, "false"), NxOptionPair::Int(2, "auto"), NxOptionPair::End(),
};
const NxOptionPair L130Pairs[] = {
    NxOptionPair::Int(1, "denyNextPort"), NxOptionPair::Int(2, "denyLowPriorityPort"), NxOptionPair::End(),
};
const NxOptionPair L131Pairs[] = {
    NxOptionPair::Int(1, "power-limit"), NxOptionPair::Int(2, "auto"), NxOptionPair::End(),
};
const NxOptionPair L132Pairs[] = {
    NxOptionPair::Int(1, "other"), NxOptionPair::Int(2, "enable"), NxOptionPair::Int(3, "disable"), NxOptionPair::End(),
};
const NxOptionPair L133Pairs[] = {
    NxOptionPair::Int(1, "critical"), NxOptionPair::Int(2, "high"), NxOptionPair::Int(3, "low"), NxOptionPair::End(),
};
const NxOptionPair L134Pairs[] = {
    NxOptionPair::Int(1, "class0"), NxOptionPair::Int(2, "class1"), NxOptionPair::Int(3, "class2"),
    NxOptionPair::Int(4, "class3"), NxOptionPair::Int(5, "user-defined"), NxOptionPair::End(),
};
const NxOptionPair L135Pairs[] = {
    NxOptionPair::Int(1, "on"), NxOptionPair::Int(2, "off"), NxOptionPair::Int(3, "error"), NxOptionPair::End(),
};
const NxOptionPair L136Pairs[] = {
    NxOptionPair::Int(0, "dot1q-vlan"), NxOptionPair::Int(1, "protocol-ip"), NxOptionPair::Int(2, "protocol-rarp"),
    NxOptionPair::Int(3, "protocol-ipx803dot3"), NxOptionPair::Int(4, "protocol-ipx802dot2"),
    NxOptionPair::Int(5, "protocol-ipxSnap"), NxOptionPair::Int(6, "protocol-ipxEthernet2"),
    NxOptionPair::Int(7, "protocol-appleTalk"), NxOptionPair::Int(8, "protocol-decLat"),
    NxOptionPair::Int(9, "protocol-sna802dot2"), NxOptionPair::Int(10, "protocol-snaEthernet2"),
    NxOptionPair::Int(11, "protocol-netBios"), NxOptionPair::Int(12, "protocol-xns"),
    NxOptionPair::Int(13, "protocol-vines"), NxOptionPair::Int(14, "protocol-ipV6"),
    NxOptionPair::Int(15, "protocol-arp"), NxOptionPair::Int(16, "protocol-userDefined"), NxOptionPair::End(),
};
const NxOptionPair L137Pairs[] = {
    NxOptionPair::Int(1, "ethernet"), NxOptionPair::Int(2, "llc"), NxOptionPair::Int(3, "snap"),
    NxOptionPair::Int(4, "all"), NxOptionPair::End(),
};
const NxOptionPair L138Pairs[] = {
    NxOptionPair::Int(1, "running"), NxOptionPair::Int(2, "warmBoot"), NxOptionPair::Int(3, "coldBoot"),
    NxOptionPair::End(),
};
const NxOptionPair L139Pairs[] = {
    NxOptionPair::Int(0, "never"), NxOptionPair::Int(10, "ten-min"), NxOptionPair::Int(30, "thirty-min"),
    NxOptionPair::Int(60, "sixty-min"), NxOptionPair::End(),
};
const NxOptionPair L140Pairs[] = {
    NxOptionPair::Int(1, "hostbased"), NxOptionPair::Int(2, "password"), NxOptionPair::Int(3, "publickey"),
    NxOptionPair::End(),
};
const NxOptionPair L141Pairs[] = {
    NxOptionPair::Int(1, "other"), NxOptionPair::Int(2, "inactive"), NxOptionPair::Int(3, "start"),
    NxOptionPair::Int(4, "delete"), NxOptionPair::End(),
};
const NxOptionPair L142Pairs[] = {
    NxOptionPair::Int(1, "none"), NxOptionPair::Int(2, "rsa"), NxOptionPair::Int(3, "dsa"), NxOptionPair::End(),
};
const NxOptionPair L143Pairs[] = {
    NxOptionPair::Int(1, "tacacs"), NxOptionPair::Int(2, "xtacacs"), NxOptionPair::Int(3, "tacacs-plus"),
    NxOptionPair::Int(4, "radius"), NxOptionPair::Int(5, "server-group"), NxOptionPair::Int(6, "local"),
    NxOptionPair::Int(8, "none"), NxOptionPair::Int(9, "other"), NxOptionPair::End(),
};
const NxOptionPair L144Pairs[] = {
    NxOptionPair::Int(1, "tacacs"), NxOptionPair::Int(2, "xtacacs"), NxOptionPair::Int(3, "tacacs-plus"),
    NxOptionPair::Int(4, "radius"), NxOptionPair::Int(5, "none"), NxOptionPair::Int(6, "other"), NxOptionPair::End(),
};
const NxOptionPair L145Pairs[] = {
    NxOptionPair::Int(1, "tacacs"), NxOptionPair::Int(2, "xtacacs"), NxOptionPair::Int(3, "tacacs-plus"),
    NxOptionPair::Int(4, "radius"), NxOptionPair::Int(5, "server-group"), NxOptionPair::Int(7, "local-enable"),
    NxOptionPair::Int(8, "none"), NxOptionPair::Int(9, "other"), NxOptionPair::End(),
};
const NxOptionPair L146Pairs[] = {
    NxOptionPair::Int(1, "tacacs"), NxOptionPair::Int(2, "xtacacs"), NxOptionPair::Int(3, "tacacs-plus"),
    NxOptionPair::Int(4, "radius"), NxOptionPair::End(),
};
const NxOptionPair L147Pairs[] = {NxOptionPair::Int(1, "add"), NxOptionPair::Int(2, "delete"), NxOptionPair::End()};
const NxOptionPair L148Pairs[] = {
    NxOptionPair::Int(1, "strict"), NxOptionPair::Int(2, "fuzzy"), NxOptionPair::End(),
};
const NxOptionPair L149Pairs[] = {
    NxOptionPair::Int(1, "normal"), NxOptionPair::Int(2, "exhausted"), NxOptionPair::End(),
};
const NxOptionPair L150Pairs[] = {
    NxOptionPair::Int(2, "enable"), NxOptionPair::Int(3, "disable"), NxOptionPair::End(),
};
const NxOptionPair L151Pairs[] = {
    NxOptionPair::Int(1, "other"), NxOptionPair::Int(2, "enable-strict"), NxOptionPair::Int(3, "disable"),
    NxOptionPair::Int(4, "enable-loose"), NxOptionPair::End(),
};
const NxOptionPair L152Pairs[] = {NxOptionPair::Int(1, "arp"), NxOptionPair::Int(2, "acl"), NxOptionPair::End()};
const NxOptionPair L153Pairs[] = {
    NxOptionPair::Int(1, "normal"), NxOptionPair::Int(2, "stop"), NxOptionPair::End(),
};
const NxOptionPair L154Pairs[] = {
    NxOptionPair::Int(3, "dhcp-snooping"), NxOptionPair::Int(4, "static"), NxOptionPair::End(),
};
const NxOptionPair L155Pairs[] = {
    NxOptionPair::Int(1, "inactive"), NxOptionPair::Int(2, "active"), NxOptionPair::End(),
};
const NxOptionPair L156Pairs[] = {
    NxOptionPair::Int(1, "other"), NxOptionPair::Int(2, "blockByAddrBind"), NxOptionPair::Int(3, "delete"),
    NxOptionPair::End(),
};
const NxOptionPair L157Pairs[] = {
    NxOptionPair::Int(1, "static"), NxOptionPair::Int(2, "dhcp-snooping"), NxOptionPair::Int(3, "nd-snooping"),
    NxOptionPair::End(),
};
const NxOptionPair L158Pairs[] = {
    NxOptionPair::Int(1, "quarantine_server"), NxOptionPair::Int(2, "zemo_login_page"), NxOptionPair::End(),
};
const NxOptionPair L159Pairs[] = {NxOptionPair::Int(1, "http"), NxOptionPair::Int(2, "https"), NxOptionPair::End()};
const NxOptionPair L160Pairs[] = {
    NxOptionPair::Int(1, "local"), NxOptionPair::Int(2, "pap"), NxOptionPair::Int(3, "chap"),
    NxOptionPair::Int(4, "ms_chap"), NxOptionPair::Int(5, "ms_chapv2"), NxOptionPair::Int(6, "eap_md5"),
    NxOptionPair::End(),
};
const NxOptionPair L161Pairs[] = {
    NxOptionPair::Int(1, "japanese"), NxOptionPair::Int(2, "english"), NxOptionPair::End(),
};
const NxOptionPair L162Pairs[] = {
    NxOptionPair::Int(1, "all"), NxOptionPair::Int(2, "tcp"), NxOptionPair::Int(3, "udp"), NxOptionPair::End(),
};
const NxOptionPair L163Pairs[] = {
    NxOptionPair::Int(1, "active"), NxOptionPair::Int(2, "inactive"), NxOptionPair::End(),
};
const NxOptionPair L164Pairs[] = {
    NxOptionPair::Int(1, "authenticated"), NxOptionPair::Int(2, "authenticating"), NxOptionPair::Int(3, "blocked"),
    NxOptionPair::End(),
};
const NxOptionPair L165Pairs[] = {
    NxOptionPair::Int(1, "active"), NxOptionPair::Int(2, "delete"), NxOptionPair::End(),
};
const NxOptionPair L166Pairs[] = {
    NxOptionPair::Int(1, "decrease"), NxOptionPair::Int(2, "nodecrease"), NxOptionPair::End(),
};
const NxOptionPair L167Pairs[] = {
    NxOptionPair::Int(1, "replace"), NxOptionPair::Int(2, "noreplace"), NxOptionPair::End(),
};
const NxOptionPair L168Pairs[] = {
    NxOptionPair::Int(1, "cs"), NxOptionPair::Int(2, "cas"), NxOptionPair::Int(3, "ms"), NxOptionPair::End(),
};
const NxOptionPair L169Pairs[] = {
    NxOptionPair::Int(1, "commander"), NxOptionPair::Int(2, "candidate"), NxOptionPair::Int(3, "member"),
    NxOptionPair::End(),
};
const NxOptionPair L170Pairs[] = {
    NxOptionPair::Int(1, "macBased"), NxOptionPair::Int(2, "subnetBased"), NxOptionPair::End(),
};
const NxOptionPair L171Pairs[] = {
    NxOptionPair::Int(1, "other"), NxOptionPair::Int(2, "volatile"), NxOptionPair::Int(3, "nonVolatile"),
    NxOptionPair::Int(4, "permanent"), NxOptionPair::Int(5, "readOnly"), NxOptionPair::End(),
};
const NxOptionPair L172Pairs[] = {
    NxOptionPair::Int(1, "noAuthNoPriv"), NxOptionPair::Int(2, "authNoPriv"), NxOptionPair::Int(3, "authPriv"),
    NxOptionPair::End(),
};
const NxOptionPair L173Pairs[] = {
    NxOptionPair::Int(1, "trap"), NxOptionPair::Int(2, "inform"), NxOptionPair::End(),
};
const NxOptionPair L174Pairs[] = {
    NxOptionPair::Int(1, "included"), NxOptionPair::Int(2, "excluded"), NxOptionPair::End(),
};
const NxOptionPair L175Pairs[] = {
    NxOptionPair::Str("1.3.6.1.6.3.10.1.1.1", "None"), NxOptionPair::Str("1.3.6.1.6.3.10.1.1.2", "MD5"),
    NxOptionPair::Str("1.3.6.1.6.3.10.1.1.3", "SHA"), NxOptionPair::End(),
};
const NxOptionPair L176Pairs[] = {
    NxOptionPair::Str("1.3.6.1.6.3.10.1.2.1", "None"), NxOptionPair::Str("1.3.6.1.6.3.10.1.2.2", "DES"),
    NxOptionPair::End(),
};
const NxOptionPair L177Pairs[] = {
    NxOptionPair::Int(1, "exact"), NxOptionPair::Int(2, "prefix"), NxOptionPair::End(),
};
const NxOptionPair L178Pairs[] = {
    NxOptionPair::Int(0, "fastEthernet"), NxOptionPair::Int(1, "gigaEthernet"), NxOptionPair::Int(2, "other"),
    NxOptionPair::End(),
};
const NxOptionPair L179Pairs[] = {
    NxOptionPair::Int(0, "link-down"), NxOptionPair::Int(1, "link-up"), NxOptionPair::Int(2, "other"),
    NxOptionPair::End(),
};
const NxOptionPair L180Pairs[] = {
    NxOptionPair::Int(0, "ok"), NxOptionPair::Int(1, "open"), NxOptionPair::Int(2, "short"),
    NxOptionPair::Int(3, "open-short"), NxOptionPair::Int(4, "crosstalk"), NxOptionPair::Int(5, "unknown"),
    NxOptionPair::Int(6, "count"), NxOptionPair::Int(7, "no-cable"), NxOptionPair::Int(8, "other"), NxOptionPair::End(),
};
const NxOptionPair L181Pairs[] = {
    NxOptionPair::Int(1, "action"), NxOptionPair::Int(2, "processing"), NxOptionPair::Int(3, "other"),
    NxOptionPair::End(),
};
const NxOptionPair L182Pairs[] = {
    NxOptionPair::Int(0, "stp"), NxOptionPair::Int(1, "rstp"), NxOptionPair::Int(2, "mstp"), NxOptionPair::End(),
};
const NxOptionPair L183Pairs[] = {
    NxOptionPair::Int(1, "dot1d"), NxOptionPair::Int(2, "dot1ad"), NxOptionPair::End(),
};
const NxOptionPair L184Pairs[] = {NxOptionPair::Int(0, "cist"), NxOptionPair::Int(1, "msti"), NxOptionPair::End()};
const NxOptionPair L185Pairs[] = {
    NxOptionPair::Int(1, "other"), NxOptionPair::Int(2, "disabled"), NxOptionPair::Int(3, "discarding"),
    NxOptionPair::Int(4, "learning"), NxOptionPair::Int(5, "forwarding"), NxOptionPair::Int(6, "broken"),
    NxOptionPair::Int(7, "no-stp-enabled"), NxOptionPair::Int(8, "err-disabled"), NxOptionPair::End(),
};
const NxOptionPair L186Pairs[] = {
    NxOptionPair::Int(0, "disable"), NxOptionPair::Int(1, "alternate"), NxOptionPair::Int(2, "backup"),
    NxOptionPair::Int(3, "root"), NxOptionPair::Int(4, "desinated"), NxOptionPair::Int(5, "master"),
    NxOptionPair::Int(6, "nonstp"), NxOptionPair::Int(7, "loopback"), NxOptionPair::End(),
};
const NxOptionPair L187Pairs[] = {
    NxOptionPair::Int(1, "operational"), NxOptionPair::Int(2, "non-operational"), NxOptionPair::End(),
};
const NxOptionPair L188Pairs[] = {
    NxOptionPair::Int(1, "shutdown"), NxOptionPair::Int(2, "normal"), NxOptionPair::End(),
};
const NxOptionPair L189Pairs[] = {
    NxOptionPair::Int(1, "unknown"), NxOptionPair::Int(2, "bidirectional"), NxOptionPair::Int(3, "tx-fault"),
    NxOptionPair::Int(4, "rx-fault"), NxOptionPair::Int(5, "link-down"), NxOptionPair::End(),
};
const NxOptionPair L190Pairs[] = {
    NxOptionPair::Int(1, "fowarding"), NxOptionPair::Int(2, "blocking"), NxOptionPair::Int(3, "signalfail"),
    NxOptionPair::Int(4, "signalfailblocked"), NxOptionPair::End(),
};
const NxOptionPair L191Pairs[] = {
    NxOptionPair::Int(1, "none"), NxOptionPair::Int(2, "west"), NxOptionPair::Int(3, "east"), NxOptionPair::End(),
};
const NxOptionPair L192Pairs[] = {
    NxOptionPair::Int(1, "begin"), NxOptionPair::Int(2, "init"), NxOptionPair::Int(3, "idle"),
    NxOptionPair::Int(4, "protection"), NxOptionPair::End(),
};
const NxOptionPair L193Pairs[] = {
    NxOptionPair::Int(1, "active"), NxOptionPair::Int(2, "inactive"), NxOptionPair::Int(3, "disabled"),
    NxOptionPair::End(),
};
const NxOptionPair L194Pairs[] = {
    NxOptionPair::Int(1, "none"), NxOptionPair::Int(2, "attackDetected"), NxOptionPair::Int(3, "attackCleared"),
    NxOptionPair::Int(4, "both"), NxOptionPair::End(),
};
const NxOptionPair L195Pairs[] = {
    NxOptionPair::Int(1, "drop"), NxOptionPair::Int(2, "block"), NxOptionPair::Int(3, "shutdown"), NxOptionPair::End(),
};
const NxOptionPair L196Pairs[] = {
    NxOptionPair::Int(1, "normal"), NxOptionPair::Int(2, "underAttack"), NxOptionPair::End(),
};
const NxOptionPair L197Pairs[] = {
    NxOptionPair::Int(1, "other"), NxOptionPair::Int(2, "invalid"), NxOptionPair::Int(3, "learned"),
    NxOptionPair::Int(4, "self"), NxOptionPair::Int(5, "mgmt"), NxOptionPair::End(),
};
const NxOptionPair L198Pairs[] = {
    NxOptionPair::Int(1, "disabled"), NxOptionPair::Int(2, "blocking"), NxOptionPair::Int(3, "listening"),
    NxOptionPair::Int(4, "learning"), NxOptionPair::Int(5, "forwarding"), NxOptionPair::Int(6, "broken"),
    NxOptionPair::End(),
};
const NxOptionPair L199Pairs[] = {
    NxOptionPair::Int(1, "other"), NxOptionPair::Int(2, "standard"), NxOptionPair::Int(3, "proprietary"),
    NxOptionPair::Int(4, "experiment"), NxOptionPair::End(),
};
const NxOptionPair L200Pairs[] = {
    NxOptionPair::Int(1, "other"), NxOptionPair::Int(2, "snmp-ip"), NxOptionPair::Int(3, "snmp-ipx"),
    NxOptionPair::Int(4, "snmp-ip-ipx"), NxOptionPair::End(),
};
const NxOptionPair L201Pairs[] = {
    NxOptionPair::Int(1, "other"), NxOptionPair::Int(2, "in-use"), NxOptionPair::Int(3, "not-in-use"),
    NxOptionPair::End(),
};
const NxOptionPair L202Pairs[] = {
    NxOptionPair::Int(1, "other"), NxOptionPair::Int(2, "proceeding"), NxOptionPair::Int(3, "completed"),
    NxOptionPair::Int(4, "failed"), NxOptionPair::End(),
};
const NxOptionPair L203Pairs[] = {
    NxOptionPair::Int(1, "other"), NxOptionPair::Int(2, "in-process"), NxOptionPair::Int(3, "invalid-file"),
    NxOptionPair::Int(4, "violation"), NxOptionPair::Int(5, "file-not-found"), NxOptionPair::Int(6, "disk-full"),
    NxOptionPair::Int(7, "complete"), NxOptionPair::Int(8, "time-out"), NxOptionPair::Int(9, "not-format"),
    NxOptionPair::Int(10, "memory-full"), NxOptionPair::End(),
};
const NxOptionPair L204Pairs[] = {
    NxOptionPair::Int(0, "not-supported"), NxOptionPair::Int(1, "supported"), NxOptionPair::End(),
};
const NxOptionPair L205Pairs[] = {
    NxOptionPair::Int(3, "warm-start"), NxOptionPair::Int(4, "no-reset"), NxOptionPair::End(),
};
const NxOptionPair L206Pairs[] = {
    NxOptionPair::Int(2, "console"), NxOptionPair::Int(3, "out-of-band"), NxOptionPair::Int(4, "notAvail"),
    NxOptionPair::End(),
};
const NxOptionPair L207Pairs[] = {
    NxOptionPair::Int(1, "other"), NxOptionPair::Int(2, "cfg-id1"), NxOptionPair::Int(3, "cfg-id2"),
    NxOptionPair::Int(4, "log"), NxOptionPair::Int(5, "all"), NxOptionPair::End(),
};
const NxOptionPair L208Pairs[] = {
    NxOptionPair::Int(2, "network-load"), NxOptionPair::Int(3, "out-of-band-load"), NxOptionPair::End(),
};
const NxOptionPair L209Pairs[] = {
    NxOptionPair::Int(2, "upload"), NxOptionPair::Int(3, "download"), NxOptionPair::End(),
};
const NxOptionPair L210Pairs[] = {
    NxOptionPair::Int(2, "inactive"), NxOptionPair::Int(3, "start"), NxOptionPair::Int(4, "delete"),
    NxOptionPair::Int(5, "config-as-bootup-fw"), NxOptionPair::End(),
};
const NxOptionPair L211Pairs[] = {
    NxOptionPair::Int(1, "config-as-bootup-fw"), NxOptionPair::Int(2, "delete"), NxOptionPair::Int(3, "none"),
    NxOptionPair::End(),
};
const NxOptionPair L212Pairs[] = {
    NxOptionPair::Int(1, "cfgId-1"), NxOptionPair::Int(2, "cfgId-2"), NxOptionPair::End(),
};
const NxOptionPair L213Pairs[] = {
    NxOptionPair::Int(1, "active"), NxOptionPair::Int(2, "delete"), NxOptionPair::Int(3, "bootup"),
    NxOptionPair::Int(4, "none"), NxOptionPair::End(),
};
const NxOptionPair L214Pairs[] = {
    NxOptionPair::Int(0, "critical"), NxOptionPair::Int(1, "warning"), NxOptionPair::Int(2, "information"),
    NxOptionPair::Int(3, "emergency"), NxOptionPair::Int(4, "alert"), NxOptionPair::Int(5, "error"),
    NxOptionPair::Int(6, "notice"), NxOptionPair::Int(7, "debug"), NxOptionPair::End(),
};
const NxOptionPair L215Pairs[] = {
    NxOptionPair::Int(2, "disabled"), NxOptionPair::Int(3, "bootp"), NxOptionPair::Int(4, "dhcp"), NxOptionPair::End(),
};
const NxOptionPair L216Pairs[] = {NxOptionPair::Int(2, "false"), NxOptionPair::End()};
const NxOptionPair L217Pairs[] = {
    NxOptionPair::Int(1, "none"), NxOptionPair::Int(2, "stormOccurred"), NxOptionPair::Int(3, "stormCleared"),
    NxOptionPair::Int(4, "both"), NxOptionPair::End(),
};
const NxOptionPair L218Pairs[] = {
    NxOptionPair::Int(1, "shutdown"), NxOptionPair::Int(2, "drop"), NxOptionPair::End(),
};
const NxOptionPair L219Pairs[] = {NxOptionPair::Int(1, "yes"), NxOptionPair::Int(2, "no"), NxOptionPair::End()};
const NxOptionPair L220Pairs[] = {
    NxOptionPair::Int(0, "stop"), NxOptionPair::Int(1, "active"), NxOptionPair::End(),
};
const NxOptionPair L221Pairs[] = {
    NxOptionPair::Int(0, "finish"), NxOptionPair::Int(1, "proceeding"), NxOptionPair::End(),
};
const NxOptionPair L222Pairs[] = {
    NxOptionPair::Int(1, "time-interval"), NxOptionPair::Int(2, "on-demand"), NxOptionPair::Int(3, "log-trigger"),
    NxOptionPair::End(),
};
const NxOptionPair L223Pairs[] = {
    NxOptionPair::Int(1, "swSysLogServerIndex-1"), NxOptionPair::Int(2, "swSysLogServerIndex-2"),
    NxOptionPair::Int(3, "swSysLogServerIndex-3"), NxOptionPair::Int(4, "swSysLogServerIndex-4"), NxOptionPair::End(),
};
const NxOptionPair L224Pairs[] = {
    NxOptionPair::Int(0, "local0"), NxOptionPair::Int(1, "local1"), NxOptionPair::Int(2, "local2"),
    NxOptionPair::Int(3, "local3"), NxOptionPair::Int(4, "local4"), NxOptionPair::Int(5, "local5"),
    NxOptionPair::Int(6, "local6"), NxOptionPair::Int(7, "local7"), NxOptionPair::End(),
};
const NxOptionPair L225Pairs[] = {
    NxOptionPair::Int(1, "all"), NxOptionPair::Int(2, "warning"), NxOptionPair::Int(3, "informational"),
    NxOptionPair::Int(4, "emergency"), NxOptionPair::Int(5, "alert"), NxOptionPair::Int(6, "critical"),
    NxOptionPair::Int(7, "error"), NxOptionPair::Int(8, "notice"), NxOptionPair::Int(9, "debug"), NxOptionPair::End(),
};
const NxOptionPair L226Pairs[] = {
    NxOptionPair::Int(1, "trap"), NxOptionPair::Int(2, "syslog"), NxOptionPair::End(),
};
const NxOptionPair L227Pairs[] = {
    NxOptionPair::Int(1, "disabled"), NxOptionPair::Int(4, "enabledXmitAndRcv"), NxOptionPair::End(),
};
const NxOptionPair L228Pairs[] = {
    NxOptionPair::Int(1, "disabled"), NxOptionPair::Int(2, "enabledXmit"), NxOptionPair::Int(3, "enabledRcv"),
    NxOptionPair::Int(4, "enabledXmitAndRcv"), NxOptionPair::End(),
};
const NxOptionPair L229Pairs[] = {
    NxOptionPair::Int(1, "unknown"), NxOptionPair::Int(2, "halfDuplex"), NxOptionPair::Int(3, "fullDuplex"),
    NxOptionPair::End(),
};
const NxOptionPair L230Pairs[] = {
    NxOptionPair::Int(1, "none"), NxOptionPair::Int(2, "tunnel"), NxOptionPair::Int(3, "uplink"), NxOptionPair::End(),
};
const NxOptionPair L231Pairs[] = {
    NxOptionPair::Int(1, "duration_1min"), NxOptionPair::Int(2, "duration_5min"),
    NxOptionPair::Int(3, "duration_30min"), NxOptionPair::End(),
};
const NxOptionPair L232Pairs[] = {NxOptionPair::Int(1, "nni"), NxOptionPair::Int(2, "uni"), NxOptionPair::End()};
const NxOptionPair L233Pairs[] = {
    NxOptionPair::Int(1, "add"), NxOptionPair::Int(2, "replace"), NxOptionPair::End(),
};
const NxOptionPair L234Pairs[] = {
    NxOptionPair::Int(1, "static"), NxOptionPair::Int(2, "mac-based-access-control"), NxOptionPair::Int(3, "ieee8021x"),
    NxOptionPair::Int(4, "wac"), NxOptionPair::Int(5, "zemo"), NxOptionPair::Int(6, "multiple-authentication"),
    NxOptionPair::End(),
};
const NxOptionPair L235Pairs[] = {
    NxOptionPair::Int(1, "normal"), NxOptionPair::Int(2, "active"), NxOptionPair::End(),
};
const NxOptionPair L236Pairs[] = {
    NxOptionPair::Int(1, "forward-all-groups"), NxOptionPair::Int(2, "forward-unregistered-groups"),
    NxOptionPair::Int(3, "filter-unregistered-groups"), NxOptionPair::End(),
};
const NxOptionPair L237Pairs[] = {
    NxOptionPair::Int(0, "none"), NxOptionPair::Int(1, "permit"), NxOptionPair::Int(2, "deny"), NxOptionPair::End(),
};
const NxOptionPair L238Pairs[] = {
    NxOptionPair::Int(1, "valid"), NxOptionPair::Int(2, "invalid"), NxOptionPair::End(),
};
const NxOptionPair L239Pairs[] = {
    NxOptionPair::Int(1, "ethernet"), NxOptionPair::Int(2, "rfc1042"), NxOptionPair::Int(3, "snap8021H"),
    NxOptionPair::Int(4, "snapOther"), NxOptionPair::Int(5, "llcOther"), NxOptionPair::End(),
};
const NxOptionPair L240Pairs[] = {
    NxOptionPair::Int(1, "copper"), NxOptionPair::Int(2, "fiber"), NxOptionPair::End(),
};
const NxOptionPair L241Pairs[] = {
    NxOptionPair::Int(0, "portType-none"), NxOptionPair::Int(2, "portType-100Base-T"),
    NxOptionPair::Int(3, "portType-100Base-X"), NxOptionPair::Int(4, "portType-1000Base-T"),
    NxOptionPair::Int(5, "portType-1000Base-X"), NxOptionPair::Int(6, "portType-10GBase-R"),
    NxOptionPair::Int(7, "portType-10GBase-CX4"), NxOptionPair::Int(8, "portType-SIO"),
    NxOptionPair::Int(9, "portType-module-empty"), NxOptionPair::Int(10, "portType-user-last"), NxOptionPair::End(),
};
const NxOptionPair L242Pairs[] = {
    NxOptionPair::Int(1, "other"), NxOptionPair::Int(2, "link-pass"), NxOptionPair::Int(3, "link-fail"),
    NxOptionPair::End(),
};
const NxOptionPair L243Pairs[] = {
    NxOptionPair::Int(0, "link-down"), NxOptionPair::Int(1, "full-10Mbps-8023x"),
    NxOptionPair::Int(2, "full-10Mbps-none"), NxOptionPair::Int(3, "half-10Mbps-backp"),
    NxOptionPair::Int(4, "half-10Mbps-none"), NxOptionPair::Int(5, "full-100Mbps-8023x"),
    NxOptionPair::Int(6, "full-100Mbps-none"), NxOptionPair::Int(7, "half-100Mbps-backp"),
    NxOptionPair::Int(8, "half-100Mbps-none"), NxOptionPair::Int(9, "full-1Gigabps-8023x"),
    NxOptionPair::Int(10, "full-1Gigabps-none"), NxOptionPair::Int(11, "half-1Gigabps-backp"),
    NxOptionPair::Int(12, "half-1Gigabps-none"), NxOptionPair::Int(13, "full-10Gigabps-8023x"),
    NxOptionPair::Int(14, "full-10Gigabps-none"), NxOptionPair::Int(15, "half-10Gigabps-8023x"),
    NxOptionPair::Int(16, "half-10Gigabps-none"), NxOptionPair::Int(17, "empty"), NxOptionPair::Int(18, "err-disabled"),
    NxOptionPair::End(),
};
const NxOptionPair L244Pairs[] = {
    NxOptionPair::Int(1, "err-none"), NxOptionPair::Int(2, "storm-control"), NxOptionPair::Int(3, "lbd-control"),
    NxOptionPair::End(),
};
const NxOptionPair L245Pairs[] = {
    NxOptionPair::Int(1, "other"), NxOptionPair::Int(2, "nway-enabled"),
    NxOptionPair::Int(3, "nway-disabled-10Mbps-Half"), NxOptionPair::Int(4, "nway-disabled-10Mbps-Full"),
    NxOptionPair::Int(5, "nway-disabled-100Mbps-Half"), NxOptionPair::Int(6, "nway-disabled-100Mbps-Full"),
    NxOptionPair::Int(8, "nway-disabled-1Gigabps-Full"), NxOptionPair::Int(9, "nway-disabled-1Gigabps-Full-master"),
    NxOptionPair::Int(10, "nway-disabled-1Gigabps-Full-slave"), NxOptionPair::End(),
};
const NxOptionPair L246Pairs[] = {
    NxOptionPair::Int(1, "restart"), NxOptionPair::Int(2, "norestart"), NxOptionPair::End(),
};
const NxOptionPair L247Pairs[] = {
    NxOptionPair::Int(2, "mac-source"), NxOptionPair::Int(3, "mac-destination"),
    NxOptionPair::Int(4, "mac-source-dest"), NxOptionPair::Int(5, "ip-source"), NxOptionPair::Int(6, "ip-destination"),
    NxOptionPair::Int(7, "ip-source-dest"), NxOptionPair::End(),
};
const NxOptionPair L248Pairs[] = {
    NxOptionPair::Int(1, "active"), NxOptionPair::Int(2, "passive"), NxOptionPair::End(),
};
const NxOptionPair L249Pairs[] = {
    NxOptionPair::Int(2, "static"), NxOptionPair::Int(3, "lacp"), NxOptionPair::End(),
};
const NxOptionPair L250Pairs[] = {
    NxOptionPair::Int(1, "enable"), NxOptionPair::Int(2, "disable"), NxOptionPair::Int(4, "createAndGo"),
    NxOptionPair::Int(5, "createAndWait"), NxOptionPair::Int(6, "destroy"), NxOptionPair::End(),
};
const NxOptionPair L251Pairs[] = {
    NxOptionPair::Int(2, "permanent"), NxOptionPair::Int(3, "deleteOnTimeout"), NxOptionPair::Int(4, "deleteOnReset"),
    NxOptionPair::End(),
};
const NxOptionPair L252Pairs[] = {
    NxOptionPair::Int(0, "invalid-vlan-type"), NxOptionPair::Int(1, "static-1q-vlan"),
    NxOptionPair::Int(2, "dynamic-vlan"), NxOptionPair::Int(3, "port-base-vlan"), NxOptionPair::Int(4, "protocolvlan"),
    NxOptionPair::Int(5, "double-vlan"), NxOptionPair::End(),
};
const NxOptionPair L253Pairs[] = {
    NxOptionPair::Int(1, "vlan-based"), NxOptionPair::Int(2, "port-based"), NxOptionPair::End(),
};
const NxOptionPair L254Pairs[] = {
    NxOptionPair::Int(1, "none"), NxOptionPair::Int(2, "loop_detected"), NxOptionPair::Int(3, "loop_cleared"),
    NxOptionPair::Int(4, "both"), NxOptionPair::End(),
};
const NxOptionPair L255Pairs[] = {
    NxOptionPair::Int(1, "normal"), NxOptionPair::Int(2, "loop"), NxOptionPair::Int(3, "error"),
    NxOptionPair::Int(4, "none"), NxOptionPair::End(),
};
const NxOptionPair L256Pairs[] = {
    NxOptionPair::Int(1, "strict"), NxOptionPair::Int(3, "weightfair"), NxOptionPair::End(),
};
const NxOptionPair L257Pairs[] = {
    NxOptionPair::Int(2, "querier"), NxOptionPair::Int(3, "non-querier"), NxOptionPair::End(),
};
const NxOptionPair L258Pairs[] = {
    NxOptionPair::Int(2, "disable"), NxOptionPair::Int(3, "enable"), NxOptionPair::End(),
};
const NxOptionPair L259Pairs[] = {
    NxOptionPair::Int(1, "other"), NxOptionPair::Int(2, "permanent"), NxOptionPair::Int(3, "dynamicGvrp"),
    NxOptionPair::End(),
};
const NxOptionPair L260Pairs[] = {
    NxOptionPair::Int(1, "Active"), NxOptionPair::Int(2, "NotInService"), NxOptionPair::Int(3, "NotReady"),
    NxOptionPair::Int(4, "CreateAndGo"), NxOptionPair::Int(5, "CreateAndWait"), NxOptionPair::Int(6, "Destroy"),
    NxOptionPair::End(),
};
const NxOptionPair L261Pairs[] = {
    NxOptionPair::Int(1, "admitAll"), NxOptionPair::Int(2, "admitOnlyVLANTagged"), NxOptionPair::End(),
};
const NxOptionPair L262Pairs[] = {
    NxOptionPair::Int(1, "independent"), NxOptionPair::Int(2, "shared"), NxOptionPair::End(),
};
const NxOptionPair L263Pairs[] = {
    NxOptionPair::Int(1, "other"), NxOptionPair::Int(2, "invalid"), NxOptionPair::Int(3, "permanent"),
    NxOptionPair::Int(4, "deleteOnReset"), NxOptionPair::Int(5, "deleteOnTimeout"), NxOptionPair::End(),
};
