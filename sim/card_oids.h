// The OID families of the simulated card, each added to the card's table with handlers that
// work on its model.
#pragma once

class CardModel;
class OidTable;

// Published general, 802.3 and 802.11 OIDs.
void AddGeneralOids(OidTable& table, CardModel& model);
// kStatusWord to kWepDisable: station settings and state.
void AddStationOids(OidTable& table, CardModel& model);
// kPreambleType to kRadioState: link, keys, counters, access point and radio.
void AddLinkOids(OidTable& table, CardModel& model);
// kMacRegister to kDiagSet80E, kDiagCommand901, kDiagCommand906: registers, EEPROM, diagnostics.
void AddDiagnosticOids(OidTable& table, CardModel& model);
