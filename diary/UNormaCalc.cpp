#include "diary/UNormaCalc.h"

#include "base/UFormat.h"

#include <algorithm>
#include <cmath>

const QStringList kAktivnostItems = {
    QStringLiteral("минимальная (сидячая работа, без спорта)"),
    QStringLiteral("низкая (лёгкие тренировки 1–3 раза в неделю)"),
    QStringLiteral("средняя (тренировки 3–5 раз в неделю)"),
    QStringLiteral("высокая (тренировки 6–7 раз в неделю)"),
    QStringLiteral("очень высокая (физическая работа и тренировки)")};
const double kAktivnostFactors[5] = {1.2, 1.375, 1.55, 1.725, 1.9};
const QStringList kCelItems = {QStringLiteral("снизить вес"), QStringLiteral("сохранить вес"),
                               QStringLiteral("набрать вес")};
const double kCelFactors[3] = {0.85, 1.0, 1.15};

namespace {

constexpr double kShareTolerance = 0.05 + 1e-9;

struct TRange {
    double low, high;
    bool Holds(double value) const { return value >= low && value <= high; }
};
constexpr TRange kVozrast{14, 110};
constexpr TRange kRost{100, 250};
constexpr TRange kVes{20, 400};
constexpr TRange kShare{0, 100};
constexpr TRange kKkal{500, 10000};

bool ReadWhole(const QString& text, TRange range, int& value) {
    return TryStrToInt(text, value) && range.Holds(value);
}

bool ReadNumber(const QString& text, TRange range, double& value) {
    return TryStrToFloat(text, value) && std::isfinite(value) && range.Holds(value);
}

// A factor with at least one decimal: 1,0, 1,55, 1,375.
QString FactorText(double factor) {
    const QString text = FormatGeneral(factor);
    return text.contains(DecimalSeparator()) ? text : text + DecimalSeparator() + QLatin1Char('0');
}

QString WholeText(double value) {
    return FormatWholeGrams(RoundHalfEven(value));
}

struct TFigures {
    int vozrast = 0;
    double rost = 0, ves = 0;
};

bool ReadFigures(const TNormaInput& input, TFigures& f) {
    return ReadWhole(input.vozrast, kVozrast, f.vozrast) && ReadNumber(input.rost, kRost, f.rost) &&
           ReadNumber(input.ves, kVes, f.ves);
}

QString GramsText(double kkal, const TNormaInput& input) {
    double bel = 0, zir = 0, ugl = 0;
    if (!ReadNumber(input.belProc, kShare, bel) || !ReadNumber(input.zirProc, kShare, zir) ||
        !ReadNumber(input.uglProc, kShare, ugl) ||
        std::abs(bel + zir + ugl - 100) > kShareTolerance)
        return QStringLiteral("белки, жиры и углеводы вместе должны составлять 100 %");
    const TNormaGrams g = GramsOfShares(kkal, bel, zir, ugl);
    return QStringLiteral("белки %1 г, жиры %2 г, углеводы %3 г")
        .arg(FormatOneDecimal(g.bel), FormatOneDecimal(g.zir), FormatOneDecimal(g.ugl));
}

TNormaRefusal Refusal(TNormaField field, const QString& label, const QString& rule) {
    return {field, QStringLiteral("Укажите в поле «%1» %2").arg(label, rule)};
}

} // namespace

double BasalMetabolism(int pol, int vozrast, double rost, double ves) {
    return 10 * ves + 6.25 * rost - 5 * vozrast + (pol == 0 ? 5 : -161);
}

long long ComputedKkal(int pol, int vozrast, double rost, double ves, int aktivnost, int cel) {
    return RoundHalfEven(BasalMetabolism(pol, vozrast, rost, ves) * kAktivnostFactors[aktivnost] *
                         kCelFactors[cel]);
}

TNormaGrams GramsOfShares(double kkal, double belProc, double zirProc, double uglProc) {
    return {RoundedTo(kkal * belProc / 410, 1), RoundedTo(kkal * zirProc / 930, 1),
            RoundedTo(kkal * uglProc / 410, 1)};
}

TNormaInput InputOfNorma(const TNorma& n) {
    TNormaInput input;
    input.pol = n.pol;
    input.vozrast = n.vozrast ? QString::number(*n.vozrast) : QString();
    input.rost = n.rost ? FormatGeneral(*n.rost) : QString();
    input.ves = n.ves ? FormatGeneral(*n.ves) : QString();
    // A file changed by hand may hold a choice beyond the items.
    input.aktivnost = std::clamp(n.aktivnost, 0, int(kAktivnostItems.size()) - 1);
    input.cel = std::clamp(n.cel, 0, int(kCelItems.size()) - 1);
    input.belProc = FormatGeneral(n.bel_proc);
    input.zirProc = FormatGeneral(n.zir_proc);
    input.uglProc = FormatGeneral(n.ugl_proc);
    input.vruchnuyu = n.vruchnuyu;
    input.kkal = n.kkal > 0 ? WholeText(n.kkal) : QString();
    return input;
}

TNormaView ViewOfInput(const TNormaInput& input) {
    TNormaView view;
    if (input.vruchnuyu) {
        int kkal = 0;
        if (!ReadWhole(input.kkal, kKkal, kkal))
            view.raschet = QStringLiteral("Укажите калорийность: целое число от 500 до 10000 ккал");
        else
            view.raschet = QStringLiteral("Калорийность задана вручную: %1 ккал; %2")
                               .arg(QString::number(kkal), GramsText(kkal, input));
        return view;
    }
    TFigures f;
    if (!ReadFigures(input, f)) {
        view.raschet = QStringLiteral("Для расчёта укажите возраст (14–110 лет), рост "
                                      "(100–250 см) и вес (20–400 кг)");
        return view;
    }
    const long long kkal =
        ComputedKkal(input.pol, f.vozrast, f.rost, f.ves, input.aktivnost, input.cel);
    view.kkal = FormatWholeGrams(kkal);
    view.raschet =
        QStringLiteral("Основной обмен %1 ккал × %2 × %3 = %4 ккал; %5")
            .arg(WholeText(BasalMetabolism(input.pol, f.vozrast, f.rost, f.ves)),
                 FactorText(kAktivnostFactors[input.aktivnost]), FactorText(kCelFactors[input.cel]),
                 view.kkal, GramsText(double(kkal), input));
    return view;
}

std::variant<TNorma, TNormaRefusal> CheckNorma(const TNormaInput& input) {
    TNorma n;
    n.pol = input.pol;
    n.aktivnost = input.aktivnost;
    n.cel = input.cel;
    n.vruchnuyu = input.vruchnuyu;
    const auto needed = [&](const QString& text) {
        return !input.vruchnuyu || !text.trimmed().isEmpty();
    };
    int vozrast = 0;
    double value = 0;
    if (needed(input.vozrast)) {
        if (!ReadWhole(input.vozrast, kVozrast, vozrast))
            return Refusal(TNormaField::Vozrast, QStringLiteral("Возраст, лет"),
                           QStringLiteral("целое число от 14 до 110"));
        n.vozrast = vozrast;
    }
    if (needed(input.rost)) {
        if (!ReadNumber(input.rost, kRost, value))
            return Refusal(TNormaField::Rost, QStringLiteral("Рост, см"),
                           QStringLiteral("число от 100 до 250"));
        n.rost = value;
    }
    if (needed(input.ves)) {
        if (!ReadNumber(input.ves, kVes, value))
            return Refusal(TNormaField::Ves, QStringLiteral("Вес, кг"),
                           QStringLiteral("число от 20 до 400"));
        n.ves = value;
    }
    const struct {
        const QString& text;
        TNormaField field;
        QString label;
        double& share;
    } shares[] = {{input.belProc, TNormaField::BelProc, QStringLiteral("Белки, %"), n.bel_proc},
                  {input.zirProc, TNormaField::ZirProc, QStringLiteral("Жиры, %"), n.zir_proc},
                  {input.uglProc, TNormaField::UglProc, QStringLiteral("Углеводы, %"), n.ugl_proc}};
    for (const auto& s : shares)
        if (!ReadNumber(s.text, kShare, s.share))
            return Refusal(s.field, s.label, QStringLiteral("число от 0 до 100"));
    const double sum = n.bel_proc + n.zir_proc + n.ugl_proc;
    if (std::abs(sum - 100) > kShareTolerance)
        return TNormaRefusal{TNormaField::BelProc,
                             QStringLiteral("Белки, жиры и углеводы вместе должны составлять "
                                            "100 %, а не %1 %")
                                 .arg(FormatGeneral(RoundedTo(sum, 2)))};
    if (input.vruchnuyu) {
        int kkal = 0;
        if (!ReadWhole(input.kkal, kKkal, kkal))
            return Refusal(TNormaField::Kkal, QStringLiteral("Калорийность, ккал"),
                           QStringLiteral("целое число от 500 до 10000"));
        n.kkal = kkal;
    } else {
        n.kkal = double(ComputedKkal(n.pol, vozrast, *n.rost, *n.ves, n.aktivnost, n.cel));
    }
    return n;
}
