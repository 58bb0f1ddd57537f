// The diary, and its workbook, over a month of days saved under their dates, with a plan among
// them, four days left out, the weights of every third day and a norm of 2 200 kcal.

#include "app/UMain.h"
#include "base/UFormat.h"
#include "diary/UDnevnik.h"
#include "diary/UNormaStore.h"
#include "diary/UWeights.h"
#include "ration/URacionEntry.h"
#include "ration/URacionStore.h"
#include "store/UDM.h"
#include "tests/showcase/Showcase.h"

#include <QTimer>

namespace {

TRacionItem Entry(const char* product, int hour, int grams) {
    TQuery& q = DM->SQL1;
    q.SetSQL(QStringLiteral("SELECT id_prod,kkal,bel,zir,ugl FROM tab_prod WHERE naim_prod=:n"));
    q.SetParam(QStringLiteral("n"), QString::fromUtf8(product));
    q.Open();
    TRacionItem entry;
    entry.vremy = hour / 24.0;
    entry.id_prod = q.Fields(0).AsInteger();
    SetGramsAmount(entry, grams,
                   {q.Fields(1).AsFloat(), q.Fields(2).AsFloat(), q.Fields(3).AsFloat(),
                    q.Fields(4).AsFloat()});
    return entry;
}

void FillMonth() {
    const char* const menu[] = {"Молоко 3,2%",
                                "Хлеб ржаной",
                                "Сыр российский",
                                "Суп куриный с лапшой",
                                "Гречка ядрица, варёная",
                                "Яйцо куриное варёное",
                                "Яблоко",
                                "Творог 9%",
                                "Кефир 1%"};
    const int grams[] = {250, 100, 50, 350, 250, 100, 200, 200, 250};
    const QDate today = QDate::currentDate();
    for (int back = 29; back >= 0; --back) {
        const QDate date = today.addDays(-back);
        if (back == 24 || back == 17 || back == 16 || back == 8)
            continue;
        TArraySave ration;
        for (std::size_t i = 0; i < std::size(menu); ++i)
            ration.push_back(Entry(menu[i], 8 + int(i / 3) * 4,
                                   grams[i] + int((back * 37 + i * 53) % 121) - 60));
        SaveRacionAs(FormatDdMmYy(date), ration);
        if (back % 3 == 0)
            WriteWeight(DM->ADOTrans, date, 82.6 - 0.06 * (29 - back) + (back % 2) * 0.3);
    }
    SaveRacionAs(QStringLiteral("Разгрузочный день"), {Entry(menu[8], 12, 1050)});
    TNorma norma;
    norma.vruchnuyu = true;
    norma.kkal = 2200;
    StoreNorma(norma);
}

void ShowDiary() {
    FillMonth();
    QTimer::singleShot(0, fMain, [] { fMain->ButDnevnikClick(); });
}

void WriteDiaryWorkbook() {
    FillMonth();
    WriteWorkbookBy([] { fDnevnik->ButExcelClick(); });
}

} // namespace

EDOMER_SCENE(help_dnevnik, ShowDiary)
EDOMER_SCENE(help_dnevnik_workbook, WriteDiaryWorkbook)
