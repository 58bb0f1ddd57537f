#pragma once
// The statements of the group dialogs on tab_grup (names bound as :naim_mera; a new row is
// written by InsertGroup of store/UCatalogRows), and the
// deletion of a group with its subgroups, their products and the products' measures.

#include <QString>
#include <optional>
#include <vector>

struct TGroupRow {
    int id;
    QString name;
};

// Whether any group or subgroup carries the name, compared without letter case.
bool GroupNameExists(const QString& name);
void RenameGroup(int idGrup, const QString& name);
// A group without subgroups becomes the last subgroup of another group.
void MoveGroupInto(int idGrup, const QString& name, int numTv, int idParent);
void UpdateSubgroup(int idGrup, const QString& name, int numTv, int idParent);
// Two neighbours change places: the num_tv of both rows are written in one transaction.
void StorePositions(int firstId, int firstPosition, int secondId, int secondPosition);
// The top-level groups in the tree's order.
std::vector<TGroupRow> TopLevelGroups();
std::vector<TGroupRow> TopLevelGroupsOtherThan(int idGrup);

// Deletes the group, its subgroups, all their products and those products' measures in one
// transaction; either everything goes or nothing does. A top-level group gives its position,
// and every row with a larger num_tv moves one place up.
void DeleteGroupCascade(int idGrup, std::optional<int> topLevelPosition);
