#pragma once
// MIB variables: the static record of a MibObjectTable, syntax codes and access bits.
#include <cstdint>

class NxOptionList;

// Syntax codes (NxSNMPSyntax).
enum NxSNMPSyntax : int32_t {
    sxBoolean = 1, sxInteger = 2, sxBitStr = 3, sxOctetStr = 4, sxNull = 5, sxObjectId = 6,
    sxIpAddress = 64, sxCounter = 65, sxGauge = 66, sxTimeTicks = 67, sxOpaque = 68, sxNsapAddr = 69,
    sxCounter64 = 70, sxUInteger = 71, sxDouble = 72, sxMacAddress = 73, sxDateTime = 74,
    sxBcDateTime = 75, sxDisplayStr = 76, sxIpv6Address = 77, sxBitList = 78, sxInetAddress = 81,
    sxBool8 = 193, sxInt8 = 194, sxUInt8 = 195, sxBool16 = 196, sxInt16 = 197, sxUInt16 = 198,
};

// Access bits (NxSNMPAccess).
enum NxSNMPAccess : int32_t {
    notaccess = 1, readonly = 2, writeonly = 4, readwrite = 6, derived = 8, hidden = 16, invalid = 32, implied = 64,
};

// One record of a static MibObjectTable. The table ends with a record whose Oid is nullptr;
// an index that exists only in the instance has Oid " " (or "  ", or "").
struct NxSNMPVar {
    const char* Oid = nullptr;
    const char* Caption = nullptr;
    int32_t Syntax = 0;
    int32_t Access = 0;
    NxOptionList* Options = nullptr;
    const char* GetExpr = nullptr;
    const char* SetExpr = nullptr;
    const char* AuxExpr = nullptr;
};

using MibObjectTable = const NxSNMPVar*;

// Variable-list kinds (NxVarListKind).
enum NxVarListKind : uint8_t { SVT_SV = 0, MVT_SV = 1, MVT_FMV = 2, MVT_UMV = 3 };
