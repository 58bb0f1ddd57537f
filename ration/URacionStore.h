#pragma once
// Saved rations in the store: the names in tab_nazv_rac, their entries in tab_racion. Every
// writing call runs in one transaction, so a failure leaves the stored rations as they were.

#include "ration/URacion.h"

#include <QString>
#include <optional>

// The id of the saved ration of that name (letter case ignored), hidden names included.
std::optional<int> FindSavedRacion(const QString& name);
bool SavedRacionExists(int id);
// The name of the saved ration, empty when there is none with that id.
QString SavedRacionName(int id);

// Replaces the saved ration's entries by the ration's.
void ResaveRacion(int id, const TArraySave& ration);
// Stores the ration under a new name; returns the new saved ration's id.
int SaveRacionAs(const QString& name, const TArraySave& ration);
// The entries in ascending time, equal times in the order they were written.
TArraySave LoadRacion(int id);
// Removes the saved ration with its entries.
void DeleteSavedRacion(int id);
