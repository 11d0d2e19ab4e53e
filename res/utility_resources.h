// Registers the utility's resources (dialog templates, string table, icon, bitmap) with the
// window system. Safe to call more than once: later calls replace the entries.
#pragma once

void RegisterUtilityResources();
