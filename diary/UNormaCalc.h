#pragma once
// The daily norm from the person's own figures (Mifflin–St Jeor), the grams of protein, fat and
// carbohydrate its shares give, and the checks of the norm dialog's fields, as plain functions.

#include "diary/UNormaStore.h"

#include <QString>
#include <QStringList>
#include <variant>

// The items of the activity and goal choices and their factors, in the order of the items.
extern const QStringList kAktivnostItems;
extern const double kAktivnostFactors[5];
extern const QStringList kCelItems;
extern const double kCelFactors[3];

// The basal metabolism: 10 × weight + 6,25 × height − 5 × age, + 5 for a man, − 161 for a
// woman.
double BasalMetabolism(int pol, int vozrast, double rost, double ves);
// The norm of the figures: the basal metabolism times both factors, to a whole kcal.
long long ComputedKkal(int pol, int vozrast, double rost, double ves, int aktivnost, int cel);

// Grams a day that carry the shares (percent) of the energy, with the program's 4,1 and 9,3
// kcal a gram, each to one decimal.
struct TNormaGrams {
    double bel = 0, zir = 0, ugl = 0;
};
TNormaGrams GramsOfShares(double kkal, double belProc, double zirProc, double uglProc);

// The dialog's fields as typed.
struct TNormaInput {
    int pol = 0;
    QString vozrast, rost, ves;
    int aktivnost = 2;
    int cel = 1;
    QString belProc, zirProc, uglProc;
    bool vruchnuyu = false;
    QString kkal; // the manual figure
};
TNormaInput InputOfNorma(const TNorma& norma);

// What the dialog shows while the user types: the computed norm for EdKkal (empty while the
// figures do not allow one) and LabRaschet's text.
struct TNormaView {
    QString kkal;
    QString raschet;
};
TNormaView ViewOfInput(const TNormaInput& input);

// The field a refusal puts the focus in, and its notice.
enum class TNormaField { Vozrast, Rost, Ves, BelProc, ZirProc, UglProc, Kkal };
struct TNormaRefusal {
    TNormaField field;
    QString message;
};
// The norm the fields give, or the first refusal in the order of the checks: age, height,
// weight (only when filled in for a manual norm), each share and their sum, the manual energy.
std::variant<TNorma, TNormaRefusal> CheckNorma(const TNormaInput& input);
