#pragma once
// The rows of the ration table and of the day-total list, built from the ration as texts.
// The main window shows them; the exports and the ready dish read them back.

#include "ration/URacion.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

extern const QString kMealTotalText; // "Итого за прием:"
extern const QString kDayTotalText;  // "Итого за день:"

// One row: the caption (column "Время") and the seven sub-items, with the row's data.
// An entry row carries its entry's index; a meal subtotal row carries 0 and an empty product.
struct TRacRow {
    QString caption;
    QStringList sub; // product, portion, grams, kcal, Б, Ж, У
    int data = 0;
};

struct TRacTable {
    std::vector<TRacRow> rows;
    // Empty for an empty ration; otherwise the day-total row and the hidden sum row.
    std::vector<TRacRow> itog;
};

struct TRacViewOptions {
    bool subtotals = true; // CB1: a subtotal row after each meal
    bool percent = true;   // CBProc: the day's Б, Ж, У as shares of the energy
};

// What the rebuild asks of the store: a product's name and a measure's name, if they exist.
class TRacLookups {
public:
    virtual ~TRacLookups() = default;
    virtual std::optional<QString> ProductName(int idProd) = 0;
    virtual std::optional<QString> MeasureName(int idMif) = 0;
};

// The look-ups through the data module's SQL1.
class TStoreRacLookups : public TRacLookups {
public:
    std::optional<QString> ProductName(int idProd) override;
    std::optional<QString> MeasureName(int idMif) override;
};

TRacTable BuildRacTable(const TArraySave& ration, const TRacViewOptions& options,
                        TRacLookups& lookups);

// Fills the visible day-total row's grams, kcal and Б, Ж, У from the hidden sum row,
// in grams or as shares of the energy.
void FillDayTotal(TRacRow& dayTotal, const TRacRow& sums, bool percent);
