#pragma once
// Result numbers of the SNMP library, as the error-code tables map them:
//   0                success
//   1 .. 18          the agent's error status (tooBig .. inconsistentName)
//   -1 .. -23        library results (time-out -5, session closed -8, ...)
//   -1402 .. -1418   SNMPv3 message processing
//   1401 .. 1414     user-based security
namespace snmp::result {

constexpr int Success = 0;

// Library results.
constexpr int Error = -1;
constexpr int ResourceUnavailable = -2;
constexpr int InternalError = -3;
constexpr int Unsupported = -4;
constexpr int Timeout = -5;
constexpr int AsyncResponse = -6;
constexpr int SessionDestroyed = -8;
constexpr int InvalidPdu = -11;
constexpr int InvalidTarget = -12;
constexpr int InvalidCallback = -13;
constexpr int InvalidOid = -17;
constexpr int InvalidAddress = -18;
constexpr int TransportFailed = -22;

// SNMPv3 message processing.
constexpr int MpOk = -1401;
constexpr int MpUnsupportedSecurityModel = -1402;
constexpr int MpNotInTimeWindow = -1403;
constexpr int MpInvalidMessage = -1405;
constexpr int MpInvalidEngineId = -1406;
constexpr int MpParseError = -1408;
constexpr int MpUnknownMsgId = -1409;
constexpr int MpBuildError = -1413;
constexpr int MpUnknownPduHandlers = -1415;
constexpr int MpUnavailableContext = -1416;
constexpr int MpUnknownContext = -1417;

// User-based security.
constexpr int UsmOk = 1400;
constexpr int UsmError = 1401;
constexpr int UsmUnsupportedSecurityLevel = 1403;
constexpr int UsmUnknownSecurityName = 1404;
constexpr int UsmEncryptionError = 1405;
constexpr int UsmDecryptionError = 1406;
constexpr int UsmAuthenticationError = 1407;
constexpr int UsmAuthenticationFailure = 1408;
constexpr int UsmParseError = 1409;
constexpr int UsmUnknownEngineId = 1410;
constexpr int UsmNotInTimeWindow = 1411;
constexpr int UsmUnsupportedAuthProtocol = 1412;
constexpr int UsmUnsupportedPrivProtocol = 1413;

} // namespace snmp::result
