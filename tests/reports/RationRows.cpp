#include "tests/reports/RationRows.h"

TRacRow Row(const QString& caption, const QStringList& sub, int data) {
    TRacRow row;
    row.caption = caption;
    row.sub = sub;
    row.data = data;
    return row;
}

TRacTable WithTotals(std::vector<TRacRow> rows, const QStringList& sums) {
    TRacTable table;
    table.rows = std::move(rows);
    table.itog.push_back(Row(QString(), QStringList{QString(), kDayTotalText} + sums.mid(0, 5)));
    table.itog.push_back(Row(QString(), QStringList{QString(), QString()} + sums.mid(0, 5)));
    return table;
}

TRacTable TwoMealTable() {
    TRacTable table = WithTotals(
        {
            Row("08:00", {"Творог", "200г", "200", "150,0", "5,0", "3,0", "25,0"}, 0),
            Row("", {"Каша овсяная", "2 * тарелка", "400", "240,0", "12,0", "10,0", "20,0"}, 1),
            Row("", {"", kMealTotalText, "600", "390,0", "17,0", "13,0", "45,0"}),
            Row("13:00", {"Курица", "100г", "100", "100,0", "20,0", "2,0", "0,0"}, 2),
            Row("", {"Рис", "0,5 * стакан", "150", "527,5", "13,0", "25,0", "105,0"}, 3),
            Row("", {"", kMealTotalText, "250", "627,5", "33,0", "27,0", "105,0"}),
        },
        {"850", "1017,5", "50,0", "40,0", "150,0"});
    table.itog[0].sub[4] = "17,2";
    table.itog[0].sub[5] = "31,2";
    table.itog[0].sub[6] = "51,6";
    return table;
}
