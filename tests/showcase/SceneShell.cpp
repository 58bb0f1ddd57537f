// The main window's frame: every window at once with its caption, for reading the titles of
// the real windows (xwininfo -root -tree), and the error box over them.

#include "app/UMain.h"
#include "catalog/ULevelGrup.h"
#include "catalog/UNewGrup.h"
#include "catalog/UNewMera.h"
#include "catalog/UNewPodgrup.h"
#include "catalog/UNewProd.h"
#include "catalog/UPoiskpas.h"
#include "dish/UBludo.h"
#include "dish/UPorc.h"
#include "ration/USaveRacion.h"
#include "ration/UVvod.h"
#include "reports/Unit1.h"
#include "tests/showcase/Showcase.h"
#include "ui/UDialog.h"
#include "ui/UErrorBox.h"
#include "ui/UMessage.h"

#include <QTimer>

EDOMER_SCENE(titles, [] {
    for (TForm* form : std::initializer_list<TForm*>{fNewProd, FMessage, fNewMera, fDialog,
                                                     fNewGrup, fLevelGrup, fNewPodgrup, fVvod,
                                                     fSaveRacion, fBludo, fPorc, fHTML, fPoisk})
        form->show();
    QTimer::singleShot(0, fMain, [] { ShowErrorBox(QStringLiteral("Ошибка базы данных: сбой")); });
})
