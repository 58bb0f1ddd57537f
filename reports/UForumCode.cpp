#include "reports/UForumCode.h"

#include "reports/UEnergyShares.h"

namespace {

void AppendEntryRow(QString& code, const TRacRow& row, bool withBzu) {
    code += QStringLiteral("[tr][td]") + row.caption + QStringLiteral("[/td][td]") +
            row.sub.value(0) + QStringLiteral("[/td][td]") + row.sub.value(1) +
            QStringLiteral("[/td][td]") + row.sub.value(2) + QStringLiteral("[/td][td]") +
            row.sub.value(3) + QStringLiteral("[/td]");
    if (withBzu)
        code += QStringLiteral("[td]") + row.sub.value(4) + QStringLiteral("[/td][td]") +
                row.sub.value(5) + QStringLiteral("[/td][td]") + row.sub.value(6) +
                QStringLiteral("[/td][/tr]");
    else
        code += QStringLiteral("[/tr]");
}

QString BlueBoldCell(const QString& text) {
    return QStringLiteral("[td][b][color=blue]") + text + QStringLiteral("[/color][/b][/td]");
}

void AppendMealTotalRow(QString& code, const TRacRow& row, bool withBzu) {
    code += QStringLiteral("[tr][td][b]") + row.caption + QStringLiteral("[/b][/td][td][b]") +
            row.sub.value(0) + QStringLiteral("[/b][/td]") +
            BlueBoldCell(QStringLiteral("Итого:")) + BlueBoldCell(row.sub.value(2)) +
            BlueBoldCell(row.sub.value(3));
    if (withBzu)
        code += BlueBoldCell(row.sub.value(4)) + BlueBoldCell(row.sub.value(5)) +
                BlueBoldCell(row.sub.value(6));
    code += QStringLiteral("[/tr]");
}

QString RedBoldCell(const QString& text) {
    return QStringLiteral("[td][color=red][b]") + text + QStringLiteral("[/b][/color][/td]");
}

void AppendDayTotalRow(QString& code, const TRacRow& dayTotal, const TRacRow& sums, bool withBzu) {
    const QString grams = QStringLiteral("г");
    code += QStringLiteral("[tr][td]") + dayTotal.caption + QStringLiteral("[/td][td]") +
            dayTotal.sub.value(0) + QStringLiteral("[/td]") + RedBoldCell(dayTotal.sub.value(1)) +
            RedBoldCell(dayTotal.sub.value(2) + grams) +
            RedBoldCell(dayTotal.sub.value(3) + QStringLiteral("к"));
    if (withBzu)
        code += RedBoldCell(sums.sub.value(4) + grams) + RedBoldCell(sums.sub.value(5) + grams) +
                RedBoldCell(sums.sub.value(6) + grams);
    code += QStringLiteral("[/tr]");
}

void AppendPercentRow(QString& code, const TRacRow& sums) {
    code +=
        QStringLiteral("[tr][td][/td][td][/td][td][color=red][b][/b][/color][/td]"
                       "[td][color=red][b][/b][/color][/td][td][color=blue][b][/b][/color][/td]");
    for (const QString& share : EnergyShareTexts(sums))
        code += QStringLiteral("[td][color=blue][b]") + share + QStringLiteral("[/b][/color][/td]");
    code += QStringLiteral("[/tr]");
}

} // namespace

QString BuildForumCode(const TRacTable& table, bool withBzu, const QString& webAddress) {
    if (table.rows.empty())
        return QString();
    QString code = QStringLiteral("[FONT=courier new][table][tr][td]Время[/td][td]продукт[/td]"
                                  "[td]порция[/td][td]граммы[/td][td]ккал[/td]");
    code +=
        withBzu ? QStringLiteral("[td]Б[/td][td]Ж[/td][td]У[/td][/tr]") : QStringLiteral("[/tr]");
    for (const TRacRow& row : table.rows) {
        if (row.sub.value(1) == kMealTotalText)
            AppendMealTotalRow(code, row, withBzu);
        else
            AppendEntryRow(code, row, withBzu);
    }
    const TRacRow& dayTotal = table.itog.at(0);
    const TRacRow& sums = table.itog.at(1);
    AppendDayTotalRow(code, dayTotal, sums, withBzu);
    if (withBzu)
        AppendPercentRow(code, sums);
    code += QStringLiteral("[/table][/FONT]Отчет составлен в программе [URL=") + webAddress +
            QStringLiteral("]Едомер[/URL]");
    return code;
}
