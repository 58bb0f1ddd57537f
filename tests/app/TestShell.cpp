// Start-up, the main window's frame, the settings file, the message and question boxes and
// the application's error box.

#include "app/UMain.h"
#include "app/UMy.h"
#include "app/UStartup.h"
#include "base/UErrors.h"
#include "catalog/UNewProd.h"
#include "catalog/UPoiskpas.h"
#include "platform/UProgramFolder.h"
#include "ration/USaveRacion.h"
#include "store/UDM.h"
#include "tests/common/TestApp.h"
#include "tests/common/TestKeys.h"
#include "tests/common/TestRegistry.h"
#include "ui/UDialog.h"
#include "ui/UErrorBox.h"
#include "ui/UKeys.h"
#include "ui/UListView.h"
#include "ui/UMessage.h"
#include "ui/USkin.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>

class TestShell : public QObject {
    Q_OBJECT

    static void WriteIniBytes(const QByteArray& text) {
        QFile file(SettingsFilePath());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
    }
    static QByteArray IniBytes() {
        QFile file(SettingsFilePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // The faults of the layout inside a container of the main window, and inside its
    // containers in turn: visible controls that cover one another (the totals' unit, switch
    // and edit lie over the totals list by design), that stick out of the container, or whose
    // text is cut.
    static QStringList LayoutFaults(QWidget* container) {
        QStringList faults;
        QList<QWidget*> shown;
        for (QWidget* child : container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (child->isVisibleTo(fMain))
                shown << child;
        const auto overTotals = [](const QWidget* a, const QWidget* b) {
            return a == fMain->LVItog &&
                   (b == fMain->EProc || b == fMain->CBProc || b == fMain->Edit1);
        };
        for (int i = 0; i < shown.size(); ++i) {
            QWidget* w = shown[i];
            for (int j = i + 1; j < shown.size(); ++j)
                if (w->geometry().intersects(shown[j]->geometry()) && !overTotals(w, shown[j]) &&
                    !overTotals(shown[j], w))
                    faults << w->objectName() + QStringLiteral(" covers ") + shown[j]->objectName();
            if (!container->rect().contains(w->geometry()))
                faults << w->objectName() + QStringLiteral(" sticks out");
            const auto* label = qobject_cast<QLabel*>(w);
            const auto* button = qobject_cast<QAbstractButton*>(w);
            const bool cut = label && label->wordWrap()
                                 ? label->heightForWidth(w->width()) > w->height()
                                 : w->sizeHint().width() > w->width();
            if (((label && !label->text().isEmpty()) || (button && !button->text().isEmpty())) &&
                cut)
                faults << w->objectName() + QStringLiteral(" is cut");
            if (w->metaObject() == &QWidget::staticMetaObject || qobject_cast<TXiPanel*>(w))
                faults << LayoutFaults(w);
        }
        return faults;
    }

private slots:
    void SetupModeIsChosenByTheFileNameAlone() {
        QVERIFY(IsSetupMode(QStringLiteral("/media/cd/SETUP.EXE")));
        QVERIFY(IsSetupMode(QStringLiteral("/media/cd/setup.exe")));
        QVERIFY(IsSetupMode(QStringLiteral("Setup.Exe")));
        QVERIFY(!IsSetupMode(QStringLiteral("/media/cd/SETUP1.EXE")));
        QVERIFY(!IsSetupMode(QStringLiteral("/media/cd/SETUP.EXE.BAK")));
        QVERIFY(!IsSetupMode(QStringLiteral("/media/SETUP.EXE/edomer")));
        // Only a-z are upper-cased: a Cyrillic "е" does not count as an "E".
        QVERIFY(!IsSetupMode(QStringLiteral("/media/cd/setup.ex\u0435")));
    }

    void StartUpCreatesEveryWindowAndCleansUngroupedProducts() {
        TScriptedSeams seams;
        TTestStore arrange(TStoreKind::Empty);
        const int group = AddGroup(QStringLiteral("Овощи"), 0, 0);
        const int kept = AddProduct(QStringLiteral("Морковь"), group, 41);
        const int lost = AddProduct(QStringLiteral("Без группы"), 0, 10);
        AddMeasure(lost, QStringLiteral("100г"), 100, 10);
        arrange.Module.reset();
        DM = nullptr;
        TApplicationForms forms(false);
        QCOMPARE(CountSql(QStringLiteral("SELECT count(*) FROM tab_prod")), 1);
        QCOMPARE(CountSql(QStringLiteral("SELECT id_prod FROM tab_prod")), kept);
        QCOMPARE(
            CountSql(QStringLiteral("SELECT count(*) FROM tab_mera WHERE id_prod=%1").arg(lost)),
            1);
        QCOMPARE(forms.MainForm(), static_cast<QWidget*>(fMain));
        for (QObject* window : {static_cast<QObject*>(fNewProd), static_cast<QObject*>(FMessage),
                                static_cast<QObject*>(fDialog), static_cast<QObject*>(fSaveRacion)})
            QVERIFY(window);
        QCOMPARE(QApplication::applicationName(), QStringLiteral("Едомер"));
        // Empty but not null, or the toolkit would compose the titles of the real windows.
        QVERIFY(QApplication::applicationDisplayName().isEmpty());
        QVERIFY(!QApplication::applicationDisplayName().isNull());
        QCOMPARE(fMain->windowTitle(),
                 QStringLiteral("Едомер — Иван Весов — https://edomer.example.org"));
        QVERIFY(FMessage->windowTitle().isEmpty());
        QVERIFY(fDialog->windowTitle().isEmpty());
        QVERIFY(fMain->RacionSaved);
    }

    void MissingDatabaseIsReportedAndStartUpCarriesOn() {
        TTestApp app(TStoreKind::None);
        QVERIFY(!app.Seams.Errors().isEmpty());
        QVERIFY(app.Seams.Errors().constFirst().contains(QStringLiteral("KKAL.mdb")));
        QVERIFY(fPoisk);
        QVERIFY(!QFile::exists(app.Folder.DatabasePath()));
    }

    void LargeScreenKeepsTheDesign() {
        TTestApp app;
        QCOMPARE(fMain->minimumSize(), QSize(866, 748));
        QCOMPARE(fMain->size(), QSize(866, 748));
        QCOMPARE(fMain->Panel1->height(), 312);
        QCOMPARE(fMain->Panel_Grup->width(), 866 / 2 - 20);
        QCOMPARE(fMain->TVGrup->width(), fMain->Panel_Grup->width() - 31);
        QCOMPARE(fMain->XiButton1->geometry().right() + 1, fMain->TVGrup->geometry().right() + 1);
    }

    void SmallScreensAdaptTheLayout() {
        {
            TTestApp app(TStoreKind::Empty, QSize(1024, 600));
            QCOMPARE(fMain->height(), 570);
            QCOMPARE(fMain->minimumHeight(), 570);
            QCOMPARE(fMain->width(), 866);
            QCOMPARE(fMain->Panel1->height(), 210);
            QCOMPARE(fMain->XiPanel2->height(), 210);
            QCOMPARE(fMain->XiPanel1->y(), fMain->XiPanel2->y() + 210 + 1);
        }
        TTestApp app(TStoreKind::Empty, QSize(800, 600));
        QCOMPARE(fMain->width(), 780);
        QCOMPARE(fMain->height(), 570);
        QCOMPARE(fMain->Panel_Grup->width(), 780 / 2 - 20);
        QCOMPARE(fMain->TVGrup->width(), 370 - 31);
        QCOMPARE(fMain->TVGrup->minimumWidth(), 370 - 31);
        QCOMPARE(fMain->XiButton1->x() + fMain->XiButton1->width(),
                 fMain->TVGrup->x() + fMain->TVGrup->width());
        QCOMPARE(fMain->XiPanel2->width(), fMain->Panel_racion->width() - 17);
        for (TListView* list : {fMain->LVRac, fMain->LVItog}) {
            QCOMPARE(list->ColumnWidth(2), 135 - 60);
            int others = 0;
            for (int c = 2; c <= 7; ++c)
                others += list->ColumnWidth(c);
            QCOMPARE(list->ColumnWidth(1), list->width() - 50 - 140 - others);
        }
        QCOMPARE(fMain->LVProd->width(), fMain->panel_prod->width() - 37);
        QCOMPARE(fMain->LVProd->height(), fMain->panel_prod->height() - 75);
        QCOMPARE(fMain->ButPoisk->x() + fMain->ButPoisk->width(),
                 fMain->LVProd->x() + fMain->LVProd->width());
        QCOMPARE(fMain->ButDelProd->x() + fMain->ButDelProd->width(),
                 fMain->ButPoisk->x() + fMain->ButPoisk->width());
        QCOMPARE(fMain->ButEditProd->x(),
                 fMain->ButDelProd->x() - 10 - fMain->ButEditProd->width());
        QCOMPARE(fMain->ButNewProd->y(), fMain->LVProd->y() + fMain->LVProd->height() + 12);
        QCOMPARE(fMain->LVProd->ColumnWidth(0),
                 fMain->LVProd->width() - fMain->LVProd->ColumnWidth(1) - 40);
    }

    void NothingCoversAnythingOnAnyScreen() {
        for (const QSize screen :
             {QSize(800, 600), QSize(1024, 600), QSize(1024, 768), QSize(1280, 1024)}) {
            TTestApp app(TStoreKind::Empty, screen);
            QCOMPARE(LayoutFaults(fMain).join(QStringLiteral("; ")), QString());
            QVERIFY(fMain->EdPoisk->geometry().right() < fMain->ButPoisk->x());
            // The delete hint keeps one line where there is room for it.
            QCOMPARE(fMain->Label2->wordWrap(), screen.width() < 870);
        }
    }

    void SettingsFileKeepsEverythingItDidNotWrite() {
        TTestFolder folder;
        const QString path = SettingsFilePath();
        const QString section = QStringLiteral("lvRac");
        QCOMPARE(ReadSetting(path, section, QStringLiteral("CB1"), QStringLiteral("1")),
                 QStringLiteral("1"));
        QVERIFY(!QFile::exists(path));
        const QByteArray windows =
            "; Окно\r\n"
            "[Окно]\r\n"
            "LastDir=C:\\Users\\Ivan\\Documents\r\n\r\n"
            "[LVRAC]\r\n;CB3=0\r\ncb1 = yes \r\nCB2=2\r\nCB3=\r\nCB4=\"0\"\r\n\r\n"
            "[other]\r\nkeep=this";
        WriteIniBytes(windows);
        QVERIFY(!ReadOption(QStringLiteral("CB1")));
        QVERIFY(!ReadOption(QStringLiteral("CB2")));
        QVERIFY(ReadOption(QStringLiteral("CB3")));
        QVERIFY(!ReadOption(QStringLiteral("CB4")));
        QCOMPARE(ReadSetting(path, QStringLiteral("окно"), QStringLiteral("lastdir"), QString()),
                 QStringLiteral("C:\\Users\\Ivan\\Documents"));
        QCOMPARE(IniBytes(), windows);

        // The value changes on its own line, a new key ends its section, a new section the file.
        QVERIFY(WriteSetting(path, section, QStringLiteral("CB1"), QStringLiteral("1")));
        QVERIFY(WriteSetting(path, section, QStringLiteral("CB5"), QStringLiteral("0")));
        QVERIFY(
            WriteSetting(path, QStringLiteral("Новый"), QStringLiteral("k"), QStringLiteral("v")));
        QByteArray expected = windows;
        expected.replace("cb1 = yes ", "cb1 = 1");
        expected.replace("CB4=\"0\"\r\n", "CB4=\"0\"\r\nCB5=0\r\n");
        expected += "\r\n[Новый]\r\nk=v\r\n";
        QCOMPARE(IniBytes(), expected);
        QVERIFY(ReadOption(QStringLiteral("CB1")));

        WriteIniBytes("[lvRac]\nCB1=0\n");
        QVERIFY(WriteSetting(path, section, QStringLiteral("CB2"), QStringLiteral("1")));
        QCOMPARE(IniBytes(), QByteArray("[lvRac]\nCB1=0\nCB2=1\n"));

        // A settings file that cannot be written (here a folder of that name) reports false.
        QVERIFY(QDir().mkdir(folder.Folder() + QStringLiteral("locked.ini")));
        QVERIFY(!WriteSetting(folder.Folder() + QStringLiteral("locked.ini"), section,
                              QStringLiteral("CB2"), QStringLiteral("1")));
    }

    void OptionsAreRestoredAtStartAndWrittenAtClose() {
        TTestFolder folder;
        WriteIniBytes("[lvRac]\nCB1=2\nCB2=0\nCB3=0\nCB4=\n[other]\nkeep=this\n");
        TScriptedSeams seams;
        {
            TApplicationForms forms(false);
            QVERIFY(!fMain->CB1->isChecked());
            QVERIFY(!fMain->CB2->isChecked());
            QVERIFY(fMain->CBProc->isChecked());
            QVERIFY(!fNewProd->CBBZY->isChecked());
            fMain->CB1->setChecked(true);
            fMain->show();
            QVERIFY(fMain->close());
        }
        QCOMPARE(IniBytes(),
                 QByteArray("[lvRac]\nCB1=1\nCB2=0\nCB3=0\nCB4=1\n[other]\nkeep=this\n"));
    }

    void CloseQuestionOnUnsavedChanges() {
        TTestApp app;
        fMain->show();
        QVERIFY(!fMain->ButSave->isEnabled());
        QVERIFY(fMain->ButLoad->isEnabled());
        fMain->RacionSaved = false;
        app.Seams.AnswerQuestion(mrYes);
        QVERIFY(!fMain->close());
        QCOMPARE(app.Seams.Questions,
                 QStringList{QStringLiteral("Сохранить изменения в текущем рационе?")});
        QCOMPARE(app.Seams.Messages(),
                 QStringList{QStringLiteral("Пустой рацион сохранить нельзя")});
        QVERIFY(fMain->isVisible());
        app.Seams.AnswerQuestion(mrCancel);
        QVERIFY(fMain->close());
        fMain->show();
        app.Seams.AnswerQuestion(mrNo);
        QVERIFY(fMain->close());
        fMain->show();
        fMain->RacionSaved = true;
        QVERIFY(fMain->close());
        QCOMPARE(app.Seams.Questions.size(), 3);
    }

    void HelpButtonOpensTheHelpFileBesideTheProgram() {
        TTestApp app;
        app.Seams.OpenDocumentResult = false;
        fMain->XiButton1->click();
        QCOMPARE(app.Seams.OpenedDocuments,
                 QStringList{ProgramFolder() + QStringLiteral("Справка.chm")});
        QVERIFY(app.Seams.Boxes().empty());
    }

    void ThrowingHandlersShowTheErrorBoxAndTheProgramCarriesOn() {
        TTestApp app;
        int runs = 0;
        auto* button = new TXiButton(QStringLiteral("x"), fMain);
        Connect(button, &QPushButton::clicked, fMain, [&] {
            ++runs;
            throw EStoreError(QStringLiteral("Ошибка базы данных: сбой"));
        });
        button->click();
        button->click();
        QCOMPARE(runs, 2);
        QCOMPARE(app.Seams.Errors(), (QStringList{QStringLiteral("Ошибка базы данных: сбой"),
                                                  QStringLiteral("Ошибка базы данных: сбой")}));
        QCOMPARE(app.Seams.Boxes().front().caption, QStringLiteral("Едомер"));
        auto* edit = new QLineEdit(fMain);
        KeysOf(edit)->KeyPress = [](QChar&) { StrToInt(QStringLiteral("12,5")); };
        TypeText(edit, QStringLiteral("7"));
        QCOMPARE(app.Seams.Errors().last(), QStringLiteral("«12,5» — не целое число"));
        QCOMPARE(edit->text(), QStringLiteral("7"));
    }

    void MessageAndQuestionBoxes() {
        TTestApp app;
        QWidget narrow;
        narrow.setGeometry(500, 300, 100, 50);
        FMessage->Show(QStringLiteral("Первый текст"), &narrow);
        FMessage->Show(QStringLiteral("Второй"), &narrow);
        QCOMPARE(app.Seams.Messages(),
                 (QStringList{QStringLiteral("Первый текст"), QStringLiteral("Второй")}));
        QCOMPARE(FMessage->labMesage->text(), QStringLiteral("Второй"));
        // (100 - 289) / 2 = -94.5 rounds to -94; (50 - 120) / 2 = -35.
        QCOMPARE(FMessage->pos(), QPoint(500 - 94, 300 - 35));
        QCOMPARE(FMessage->size(), QSize(289, 120));
        QCOMPARE(fDialog->size(), QSize(300, 124));
        app.Seams.OnModal([](QDialog* d) { d->close(); });
        QCOMPARE(fDialog->Ask(QStringLiteral("Вопрос?"), fMain), int(mrCancel));
        app.Seams.OnModalOf<TfDialog>([](TfDialog* d) { d->ButNo->click(); });
        QVERIFY(!fDialog->AskYes(QStringLiteral("Вопрос?"), fMain));
        app.Seams.OnModalOf<TfDialog>([](TfDialog* d) { d->ButDa->click(); });
        QVERIFY(fDialog->AskYes(QStringLiteral("Вопрос?"), fMain));
        QCOMPARE(fDialog->pos(), QPoint(fMain->x() + 283, fMain->y() + 312));
        // A question too long for the label at its font is set smaller until it fits; the
        // next short one has the font back.
        QLabel* label = fDialog->LabMessage;
        const auto fits = [label] {
            return QFontMetricsF(label->font())
                       .boundingRect(QRectF(0, 0, label->width(), 1e6), Qt::TextWordWrap,
                                     label->text())
                       .height() <= label->height();
        };
        app.Seams.AnswerQuestion(mrNo);
        app.Seams.AnswerQuestion(mrNo);
        fDialog->AskYes(QStringLiteral("Удалить группу \"Ветчина, бекон, копчёности из "
                                       "магазина у дома\" (все продукты, вход. в состав также "
                                       "будут удалены)? "),
                        fMain);
        QVERIFY(label->font().pointSizeF() < 8 && fits());
        fDialog->AskYes(QStringLiteral("Вопрос?"), fMain);
        QCOMPARE(label->font().pointSizeF(), 8.0);
        QCOMPARE(label->geometry(), QRect(58, 24, 217, 49));
    }
};

EDOMER_TEST(TestShell)
#include "TestShell.moc"
