// The OIDs the drivers answer and the NDIS status values they report.
#pragma once

#include "platform/core/win_types.h"

namespace ndis {
constexpr DWORD kSuccess = 0;
constexpr DWORD kFailure = 0xC0000001;
constexpr DWORD kNotSupported = 0xC00000BB;
constexpr DWORD kInvalidLength = 0xC0010014;
constexpr DWORD kInvalidData = 0xC0010015;
constexpr DWORD kBufferTooShort = 0xC0010016;
constexpr DWORD kInvalidOid = 0xC0010017;
constexpr DWORD kAdapterRemoved = 0xC0010018;
}  // namespace ndis

namespace oids {
// Published general and 802.3/802.11 OIDs.
constexpr DWORD kLinkSpeed = 0x00010107;
constexpr DWORD kMaximumTotalSize = 0x00010111;
constexpr DWORD kMediaConnectStatus = 0x00010114;
constexpr DWORD kVendorDriverVersion = 0x00010116;
constexpr DWORD kXmitOk = 0x00020101;
constexpr DWORD kRcvOk = 0x00020102;
constexpr DWORD kXmitError = 0x00020103;
constexpr DWORD kRcvError = 0x00020104;
constexpr DWORD kCurrentAddress = 0x01010102;
constexpr DWORD kNetworkTypeInUse = 0x0D010204;

// Station settings and state.
constexpr DWORD kStatusWord = 0xFFA0C000;
constexpr DWORD kBssid = 0xFFA0C001;
constexpr DWORD kSsid = 0xFFA0C002;
constexpr DWORD kRssi = 0xFFA0C006;
constexpr DWORD kInfrastructureMode = 0xFFA0C008;
constexpr DWORD kFragThreshold = 0xFFA0C009;
constexpr DWORD kRtsThreshold = 0xFFA0C00A;
constexpr DWORD kRxAntenna = 0xFFA0C00C;
constexpr DWORD kSupportedRates = 0xFFA0C00E;
constexpr DWORD kDesiredRates = 0xFFA0C00F;
constexpr DWORD kConfiguration = 0xFFA0C010;
constexpr DWORD kStatistics = 0xFFA0C011;
constexpr DWORD kDisassociate = 0xFFA0C014;
constexpr DWORD kPowerMode = 0xFFA0C015;
constexpr DWORD kBssidList = 0xFFA0C016;
constexpr DWORD kAuthType = 0xFFA0C017;
constexpr DWORD kBssidListScan = 0xFFA0C019;
constexpr DWORD kWepStatus = 0xFFA0C01A;
constexpr DWORD kWepDisable = 0xFFA0C01C;

// Link, keys, counters, access point and radio.
constexpr DWORD kPreambleType = 0xFFA0C502;
constexpr DWORD kLinkQuality = 0xFFA0C503;
constexpr DWORD kFlagPair = 0xFFA0C504;
constexpr DWORD kKeyEntry = 0xFFA0C505;
constexpr DWORD kWepKey = 0xFFA0C507;
constexpr DWORD kTxByteCount = 0xFFA0C508;
constexpr DWORD kRxByteCount = 0xFFA0C509;
constexpr DWORD kScanState = 0xFFA0C50A;
constexpr DWORD kEnvironment = 0xFFA0C50B;
constexpr DWORD kOption50C = 0xFFA0C50C;
constexpr DWORD kOption50D = 0xFFA0C50D;
constexpr DWORD kInfoBlock = 0xFFA0C50F;
constexpr DWORD kOption510 = 0xFFA0C510;
constexpr DWORD kApMode = 0xFFA0C511;
constexpr DWORD kApInfo = 0xFFA0C512;
constexpr DWORD kRadioState = 0xFFA0C516;

// Registers, EEPROM and diagnostics.
constexpr DWORD kMacRegister = 0xFFA0C801;
constexpr DWORD kBasebandRegister = 0xFFA0C802;
constexpr DWORD kEeprom = 0xFFA0C803;
constexpr DWORD kDiag804 = 0xFFA0C804;
constexpr DWORD kDiagCounters805 = 0xFFA0C805;
constexpr DWORD kDiagCommand806 = 0xFFA0C806;
constexpr DWORD kDiagWrite807 = 0xFFA0C807;
constexpr DWORD kDiag808 = 0xFFA0C808;
constexpr DWORD kDiagCommand809 = 0xFFA0C809;
constexpr DWORD kDiagCommand80A = 0xFFA0C80A;
constexpr DWORD kDiagCommand80B = 0xFFA0C80B;
constexpr DWORD kDiagCounters80D = 0xFFA0C80D;
constexpr DWORD kDiagSet80E = 0xFFA0C80E;
constexpr DWORD kDiagCommand901 = 0xFFA0C901;
constexpr DWORD kDiagCommand906 = 0xFFA0C906;

// Sizes of the fixed records.
constexpr DWORD kSsidRecordSize = 36;
constexpr DWORD kConfigurationSize = 32;
constexpr DWORD kStatisticsSize = 104;
constexpr DWORD kBssidEntrySize = 104;
constexpr DWORD kMaxListEntries = 32;
constexpr DWORD kInfoBlockSize = 724;
constexpr DWORD kApInfoSize = 20;
constexpr DWORD kKeyEntrySize = 48;
constexpr DWORD kWepKeySize = 17;
constexpr DWORD kMacRegisterSize = 12;
constexpr DWORD kBasebandRegisterSize = 3;
constexpr DWORD kEepromRecordSize = 6;
constexpr DWORD kDiagWrite807Size = 2360;
constexpr DWORD kDiag808Size = 48;
}  // namespace oids
