// The forum code of the ration, character for character, and its window.

#include "app/UMain.h"
#include "base/UFormat.h"
#include "reports/UForumCode.h"
#include "reports/Unit1.h"
#include "tests/common/TestApp.h"
#include "tests/common/TestRegistry.h"
#include "tests/reports/RationRows.h"
#include "ui/USkin.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

const QString kAddress = QStringLiteral("https://edomer.example.org");

// One meal at 08:00 of two entries; the visible day-total row shows shares, as with CBProc.
TRacTable BreakfastTable() {
    TRacTable table = WithTotals(
        {
            Row("08:00", {"Творог", "200г", "200", "150,0", "5,0", "4,0", "20,0"}, 0),
            Row("", {"Яблоко", "1 * штука", "100", "50,0", "1,0", "1,0", "8,0"}, 1),
            Row("", {"", kMealTotalText, "300", "200,0", "6,0", "5,0", "28,0"}),
        },
        {"300", "200,0", "6,0", "5,0", "28,0"});
    table.itog[0].sub[4] = "13,2";
    table.itog[0].sub[5] = "25,0";
    table.itog[0].sub[6] = "61,8";
    return table;
}

} // namespace

class TestForumCode : public QObject {
    Q_OBJECT
private slots:
    void CodeWithNutrientsMatchesTheExample() {
        TLocaleScope comma(TLocaleScope::Comma());
        const QString expected = QStringLiteral(
            "[FONT=courier new][table][tr][td]Время[/td][td]продукт[/td][td]порция[/td]"
            "[td]граммы[/td][td]ккал[/td][td]Б[/td][td]Ж[/td][td]У[/td][/tr]"
            "[tr][td]08:00[/td][td]Творог[/td][td]200г[/td][td]200[/td][td]150,0[/td]"
            "[td]5,0[/td][td]4,0[/td][td]20,0[/td][/tr]"
            "[tr][td][/td][td]Яблоко[/td][td]1 * штука[/td][td]100[/td][td]50,0[/td]"
            "[td]1,0[/td][td]1,0[/td][td]8,0[/td][/tr]"
            "[tr][td][b][/b][/td][td][b][/b][/td][td][b][color=blue]Итого:[/color][/b][/td]"
            "[td][b][color=blue]300[/color][/b][/td][td][b][color=blue]200,0[/color][/b][/td]"
            "[td][b][color=blue]6,0[/color][/b][/td][td][b][color=blue]5,0[/color][/b][/td]"
            "[td][b][color=blue]28,0[/color][/b][/td][/tr]"
            "[tr][td][/td][td][/td][td][color=red][b]Итого за день:[/b][/color][/td]"
            "[td][color=red][b]300г[/b][/color][/td][td][color=red][b]200,0к[/b][/color][/td]"
            "[td][color=red][b]6,0г[/b][/color][/td][td][color=red][b]5,0г[/b][/color][/td]"
            "[td][color=red][b]28,0г[/b][/color][/td][/tr]"
            "[tr][td][/td][td][/td][td][color=red][b][/b][/color][/td]"
            "[td][color=red][b][/b][/color][/td][td][color=blue][b][/b][/color][/td]"
            "[td][color=blue][b]13,2%[/b][/color][/td][td][color=blue][b]25,0%[/b][/color][/td]"
            "[td][color=blue][b]61,8%[/b][/color][/td][/tr][/table][/FONT]"
            "Отчет составлен в программе [URL=https://edomer.example.org]Едомер[/URL]");
        const QString code = BuildForumCode(BreakfastTable(), true, kAddress);
        QCOMPARE(code, expected);
        QVERIFY(!code.contains(QLatin1Char('\n')) && !code.contains(QLatin1Char('\r')));
        QCOMPARE(BuildForumCode(TRacTable(), true, kAddress), QString());
    }

    void CodeWithoutNutrientsEndsRowsAfterTheEnergy() {
        TLocaleScope comma(TLocaleScope::Comma());
        const QString expected = QStringLiteral(
            "[FONT=courier new][table][tr][td]Время[/td][td]продукт[/td][td]порция[/td]"
            "[td]граммы[/td][td]ккал[/td][/tr]"
            "[tr][td]08:00[/td][td]Творог[/td][td]200г[/td][td]200[/td][td]150,0[/td][/tr]"
            "[tr][td][/td][td]Яблоко[/td][td]1 * штука[/td][td]100[/td][td]50,0[/td][/tr]"
            "[tr][td][b][/b][/td][td][b][/b][/td][td][b][color=blue]Итого:[/color][/b][/td]"
            "[td][b][color=blue]300[/color][/b][/td][td][b][color=blue]200,0[/color][/b][/td]"
            "[/tr]"
            "[tr][td][/td][td][/td][td][color=red][b]Итого за день:[/b][/color][/td]"
            "[td][color=red][b]300г[/b][/color][/td][td][color=red][b]200,0к[/b][/color][/td]"
            "[/tr][/table][/FONT]"
            "Отчет составлен в программе [URL=https://edomer.example.org]Едомер[/URL]");
        QCOMPARE(BuildForumCode(BreakfastTable(), false, kAddress), expected);
    }

    void SharesOfADayWithoutNutrients() {
        TLocaleScope point(TLocaleScope::Point());
        const TRacTable table =
            WithTotals({Row("21:15", {"Чай", "250г", "250", "0.0", "0.0", "0.0", "0.0"}, 0)},
                       {"250", "0.0", "0.0", "0.0", "0.0"});
        const QString code = BuildForumCode(table, true, kAddress);
        QCOMPARE(code.count(QStringLiteral("[td][color=blue][b]?%[/b][/color][/td]")), 3);
        QVERIFY(code.contains(QStringLiteral("[td]21:15[/td][td]Чай[/td][td]250г[/td][td]250[/td]"
                                             "[td]0.0[/td][td]0.0[/td][td]0.0[/td][td]0.0[/td]")));
        // A share that rounds to zero from below prints without a sign.
        const TRacTable noCarbs =
            WithTotals({Row("08:00", {"Сало", "15г", "15", "139.0", "1.0", "15.0", "0.0"}, 0)},
                       {"15", "139.0", "1.0", "15.0", "0.0"});
        const QString fat = BuildForumCode(noCarbs, true, kAddress);
        QVERIFY(fat.contains(QStringLiteral("[b]97.1%[/b][/color][/td][td][color=blue][b]0.0%")));
        QVERIFY(!fat.contains(QStringLiteral("-0.0")));
        // Shares use the separator of the locale.
        const TRacTable shared =
            WithTotals({Row("08:00", {"Сыр", "10г", "10", "35.0", "6.0", "5.0", "28.0"}, 0)},
                       {"10", "35.0", "6.0", "5.0", "28.0"});
        QVERIFY(BuildForumCode(shared, true, kAddress)
                    .contains(QStringLiteral("[b]13.2%[/b][/color][/td][td][color=blue][b]25.0%"
                                             "[/b][/color][/td][td][color=blue][b]61.8%[/b]")));
    }

    void WindowSelectsReplacesAndCopiesTheText() {
        TTestApp app;
        fMain->setGeometry(100, 50, 900, 760);
        QCOMPARE(fHTML->Caption(), QStringLiteral("Код для вставки в HTML-страницы"));
        QCOMPARE(fHTML->ButDa->text(), QStringLiteral("Копировать"));
        QVERIFY(!fHTML->RE->isReadOnly());
        QCOMPARE(fHTML->RE->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        QString selected, copied;
        QPoint at;
        app.Seams.OnModalOf<TfHTML>([&](TfHTML* d) {
            selected = d->RE->textCursor().selectedText();
            d->RE->moveCursor(QTextCursor::End);
            d->ButDa->click();
            copied = app.Seams.Clipboard;
            QVERIFY(d->isVisible()); // copying leaves the window open
            d->Close();
        });
        const QString first = QStringLiteral("[FONT=courier new][table]первый[/table][/FONT]");
        fHTML->ShowCode(first, fMain);
        QCOMPARE(selected, first);
        QCOMPARE(copied, first);

        // Shown once, the window knows its frame and is centred over the main window.
        app.Seams.OnModalOf<TfHTML>([&](TfHTML* d) {
            selected = d->RE->textCursor().selectedText();
            at = d->frameGeometry().topLeft();
            d->Close();
        });
        const QString second = QStringLiteral("второй");
        fHTML->ShowCode(second, fMain);
        QCOMPARE(selected, second);
        QCOMPARE(fHTML->RE->toPlainText(), second);
        QCOMPARE(app.Seams.Clipboard, first);
        const QRect main = fMain->frameGeometry();
        const QSize own = fHTML->frameGeometry().size();
        QCOMPARE(at, QPoint(CentredOffset(main.left(), main.width(), own.width()),
                            CentredOffset(main.top(), main.height(), own.height())));
        QVERIFY(app.Seams.Unexpected.isEmpty());
    }
};

EDOMER_TEST(TestForumCode)
#include "TestForumCode.moc"
