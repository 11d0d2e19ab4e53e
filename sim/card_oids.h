// The OID families of the simulated card, each added to the card's table with handlers that
// work on its model.
#pragma once

class CardModel;
class OidTable;

// Published general, 802.3 and 802.11 OIDs.
void AddGeneralOids(OidTable& table, CardModel& model);
// 0xFFA0C000 to 0xFFA0C01C: station settings and state.
void AddStationOids(OidTable& table, CardModel& model);
// 0xFFA0C502 to 0xFFA0C516: link, keys, counters, access point and radio.
void AddLinkOids(OidTable& table, CardModel& model);
// 0xFFA0C801 to 0xFFA0C80E, 0xFFA0C901 and 0xFFA0C906: registers, EEPROM and diagnostics.
void AddDiagnosticOids(OidTable& table, CardModel& model);
