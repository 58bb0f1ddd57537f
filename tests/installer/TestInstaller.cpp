#include "installer/UInstall.h"
#include "installer/UfSetup.h"
#include "platform/UDesktopEntry.h"
#include "platform/UProgramFolder.h"
#include "platform/USpecialFolders.h"
#include "tests/common/TestRegistry.h"
#include "tests/common/TestSeams.h"
#include "ui/USkin.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <map>

namespace {

const QString kFailure =
    QStringLiteral("Установка завершилась неудачей: ошибка при копировании файлов.");

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void WriteFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

bool Executable(const QString& path) {
    return QFile::permissions(path) & QFile::ExeOwner;
}

// A home folder of its own (HOME and the XDG folders inside it) and a distribution folder
// with the installer and its files; the installer window with the scripted desktop.
class TSetupHome {
public:
    TSetupHome() {
        for (const char* name : {"HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME"})
            FSaved[name] = qgetenv(name);
        qputenv("HOME", Home().toUtf8());
        qputenv("XDG_DATA_HOME", (Home() + "/.local/share").toUtf8());
        qputenv("XDG_CONFIG_HOME", (Home() + "/.config").toUtf8());
        QDir().mkpath(Home());
        QDir().mkpath(Dist());
        WriteFile(Dist() + "/SETUP.EXE", "#!/bin/sh\n");
        QFile::setPermissions(Dist() + "/SETUP.EXE",
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        WriteFile(Dist() + "/KKAL.mdb", "starter catalog");
        WriteFile(Dist() + "/setting.ini", "[lvRac]\nCB1=1\n");
        WriteFile(Dist() + "/Справка.chm", "help");
        OverrideProgramFilePath(Dist() + "/SETUP.EXE");
        Setup.show();
    }
    ~TSetupHome() {
        OverrideProgramFilePath(QString());
        for (const auto& [name, value] : FSaved)
            value.isNull() ? qunsetenv(name.c_str()) : qputenv(name.c_str(), value);
    }

    QString Home() const { return FDir.path() + "/home"; }
    QString Dist() const { return FDir.path() + "/dist"; }
    QString Installed() const { return Home() + "/.local/opt/Едомер/"; }
    QString Menu() const { return Home() + "/.local/share/applications/Едомер/"; }
    QString Desktop() const { return Home() + "/Desktop/"; }

    // Accepts the agreement and goes on to the folder page.
    void ToFolderPage() {
        Setup.CB->click();
        Setup.ButDalee1->click();
    }
    void Install(const QString& folder) {
        ToFolderPage();
        Setup.EdProgFiles->setText(folder);
        Setup.ButDalee2->click();
    }

    TScriptedSeams Seams;
    TfSetup Setup;

private:
    QTemporaryDir FDir;
    std::map<std::string, QByteArray> FSaved;
};

} // namespace

class TestInstaller : public QObject {
    Q_OBJECT
private slots:
    void specialFoldersLieInTheHome() {
        TSetupHome home;
        QCOMPARE(SpecialFolderPath(CSIDL_PROGRAM_FILES), home.Home() + "/.local/opt");
        QVERIFY(QFileInfo(home.Home() + "/.local/opt").isDir());
        QCOMPARE(SpecialFolderPath(CSIDL_PROGRAMS), home.Home() + "/.local/share/applications");
        QCOMPARE(SpecialFolderPath(CSIDL_DESKTOPDIRECTORY), home.Home() + "/Desktop");
        QVERIFY(QFileInfo(home.Home() + "/Desktop").isDir());
        QCOMPARE(SpecialFolderPath(37), QString());
    }

    void agreementEnablesNext() {
        TSetupHome home;
        QVERIFY(!home.Setup.CB->isChecked());
        QVERIFY(!home.Setup.ButDalee1->isEnabled());
        QVERIFY(!home.Setup.Pan2->isVisible());
        home.Setup.CB->click();
        QVERIFY(home.Setup.ButDalee1->isEnabled());
        home.Setup.CB->click();
        QVERIFY(!home.Setup.ButDalee1->isEnabled());
        home.Setup.CB->click();
        home.Setup.ButDalee1->click();
        QVERIFY(home.Setup.Pan2->isVisible());
        QCOMPARE(home.Setup.EdProgFiles->text(), home.Installed());
    }

    void folderBrowser() {
        TSetupHome home;
        home.ToFolderPage();
        home.Setup.ButDir->click();
        QCOMPARE(home.Seams.FolderTitles,
                 QStringList{QStringLiteral("В какую папку установить программу?")});
        QCOMPARE(home.Setup.EdProgFiles->text(), home.Installed());
        home.Seams.AnswerFolder(home.Home() + "/Мои программы");
        home.Setup.ButDir->click();
        QCOMPARE(home.Setup.EdProgFiles->text(), home.Home() + "/Мои программы/Едомер/");
        home.Seams.AnswerFolder("/");
        home.Setup.ButDir->click();
        QCOMPARE(home.Setup.EdProgFiles->text(), QStringLiteral("/Едомер/"));
    }

    void installsEveryFileWhereItBelongs() {
        TSetupHome home;
        QDir().mkpath(home.Dist() + "/Архив");
        WriteFile(home.Dist() + "/Архив/KKAL-2026-01-01.mdb", "daily copy");
        home.Install(home.Installed());
        const QString d = home.Installed();
        QCOMPARE(ReadFile(d + "Едомер.exe"), QByteArray("#!/bin/sh\n"));
        QVERIFY(Executable(d + "Едомер.exe"));
        QCOMPARE(ReadFile(d + "KKAL.mdb"), QByteArray("starter catalog"));
        QCOMPARE(ReadFile(d + "setting.ini"), QByteArray("[lvRac]\nCB1=1\n"));
        QCOMPARE(ReadFile(d + "Справка.chm"), QByteArray("help"));
        QVERIFY(!QImage(d + "Едомер.png").isNull());
        QVERIFY(!QFile::exists(d + "1.xls"));
        QVERIFY(!QFileInfo::exists(d + "Архив"));

        const QByteArray program = ReadFile(home.Menu() + "Едомер.desktop");
        QVERIFY(program.contains("Type=Application\n"));
        QVERIFY(program.contains("Name=Едомер\n"));
        QVERIFY(program.contains("Exec=\"" + (d + "Едомер.exe").toUtf8() + "\"\n"));
        QVERIFY(program.contains("Icon=" + (d + "Едомер.png").toUtf8() + "\n"));
        QVERIFY(!Executable(home.Menu() + "Едомер.desktop"));
        const QByteArray help = ReadFile(home.Menu() + "Справка.desktop");
        QVERIFY(help.contains("Type=Link\n"));
        QVERIFY(help.contains("Name=Справка\n"));
        QVERIFY(help.contains("URL=" + QUrl::fromLocalFile(d + "Справка.chm").toEncoded() + "\n"));
        QCOMPARE(ReadFile(home.Desktop() + "Едомер.desktop"), program);
        QVERIFY(Executable(home.Desktop() + "Едомер.desktop"));

        QVERIFY(home.Setup.Pan3->isVisible());
        QCOMPARE(home.Setup.Memo2->toPlainText(),
                 QStringLiteral("Инсталяция успешно завершена\n- программа установлена в ") + d +
                     QStringLiteral("\n- программа добавлена в меню Пуск\\Едомер\n"
                                    "- создан ярлык на рабочем столе"));
        QVERIFY(home.Seams.Boxes().empty());
    }

    void desktopEntriesAreValid() {
        const QString validator = QStandardPaths::findExecutable("desktop-file-validate");
        if (validator.isEmpty())
            QSKIP("desktop-file-validate is not installed");
        TSetupHome home;
        home.Install(home.Home() + "/My $dir \"x\" 100%/");
        const QString d = home.Home() + "/My $dir \"x\" 100%/";
        for (const QString& entry :
             {home.Menu() + "Едомер.desktop", home.Menu() + "Справка.desktop",
              home.Desktop() + "Едомер.desktop"}) {
            QProcess check;
            check.start(validator, {entry});
            QVERIFY(check.waitForFinished());
            const QString output = QString::fromUtf8(check.readAll());
            QVERIFY2(check.exitCode() == 0 && !output.contains("error"), qPrintable(output));
        }
        QVERIFY(ReadFile(home.Menu() + "Едомер.desktop")
                    .contains("Exec=\"" + home.Home().toUtf8() +
                              "/My \\\\$dir \\\\\"x\\\\\" 100%%/Едомер.exe\"\n"));
        QVERIFY(QFile::exists(d + "Едомер.exe"));
    }

    void reinstallKeepsTheDatabase() {
        TSetupHome home;
        QDir().mkpath(home.Installed());
        for (const char* name : {"Едомер.exe", "KKAL.mdb", "setting.ini", "Справка.chm"})
            WriteFile(home.Installed() + QString::fromUtf8(name), "earlier");
        home.Install(home.Installed());
        QCOMPARE(ReadFile(home.Installed() + "KKAL.mdb"), QByteArray("earlier"));
        QCOMPARE(ReadFile(home.Installed() + "Едомер.exe"), QByteArray("#!/bin/sh\n"));
        QCOMPARE(ReadFile(home.Installed() + "setting.ini"), QByteArray("[lvRac]\nCB1=1\n"));
        QCOMPARE(ReadFile(home.Installed() + "Справка.chm"), QByteArray("help"));
        QVERIFY(home.Setup.Pan3->isVisible());
    }

    void installingIntoTheSourceFolderKeepsItsFiles() {
        TSetupHome home;
        home.Install(home.Dist());
        QCOMPARE(ReadFile(home.Dist() + "/setting.ini"), QByteArray("[lvRac]\nCB1=1\n"));
        QCOMPARE(ReadFile(home.Dist() + "/Справка.chm"), QByteArray("help"));
        QCOMPARE(ReadFile(home.Dist() + "/Едомер.exe"), QByteArray("#!/bin/sh\n"));
        QVERIFY(home.Setup.Pan3->isVisible());
    }

    void foldersCreatedLevelByLevel() {
        TSetupHome home;
        home.Install(home.Home() + "/первый/второй");
        QVERIFY(QFile::exists(home.Home() + "/первый/второй/Едомер.exe"));
        QVERIFY(home.Setup.Memo2->toPlainText().contains(home.Home() + "/первый/второй/\n"));
        QVERIFY(ForceFolders(home.Home() + "/a/b/c/"));
        QVERIFY(QFileInfo(home.Home() + "/a/b/c").isDir());
        QVERIFY(ForceFolders(home.Home() + "/a/b/c"));
        QVERIFY(!ForceFolders(QString()));
        QVERIFY(!ForceFolders("/"));
        WriteFile(home.Home() + "/file", "x");
        QVERIFY(!ForceFolders(home.Home() + "/file/sub/"));
    }

    void failedCopyEndsTheInstaller() {
        TSetupHome home;
        QFile::remove(home.Dist() + "/Справка.chm");
        home.Install(home.Installed());
        QCOMPARE(home.Seams.Boxes().size(), size_t(1));
        QCOMPARE(home.Seams.Boxes()[0].text, kFailure);
        QCOMPARE(home.Seams.Boxes()[0].icon, QMessageBox::NoIcon);
        QVERIFY(!home.Setup.isVisible());
        QVERIFY(!QFile::exists(home.Menu() + "Едомер.desktop"));

        TSetupHome blocked;
        WriteFile(blocked.Home() + "/file", "x");
        blocked.Install(blocked.Home() + "/file/Едомер/");
        QCOMPARE(blocked.Seams.Boxes().size(), size_t(1));
        QCOMPARE(blocked.Seams.Boxes()[0].text, kFailure);
        QVERIFY(!blocked.Setup.isVisible());

        // A folder in the way of a shortcut: the last page names it, and installing goes on.
        TSetupHome named;
        QDir().mkpath(named.Menu() + "Справка.desktop");
        QDir().mkpath(named.Desktop() + "Едомер.desktop");
        named.Install(named.Installed());
        QCOMPARE(named.Setup.Memo2->toPlainText().section('\n', 2),
                 QStringLiteral("- создан ярлык «Едомер» в меню Пуск\\Едомер\n"
                                "- не удалось создать ярлык «Справка» в меню Пуск\\Едомер\n"
                                "- не удалось создать ярлык «Едомер» на рабочем столе"));
    }

    void okStartsTheInstalledProgram() {
        TSetupHome home;
        home.Install(home.Installed());
        home.Setup.CBZapusk->click();
        QVERIFY(!home.Setup.CBZapusk->isChecked());
        home.Setup.Button1->click();
        QVERIFY(home.Seams.StartedPrograms.isEmpty());
        QVERIFY(home.Setup.isVisible());
        home.Setup.CBZapusk->click();
        home.Setup.Button1->click();
        QCOMPARE(home.Seams.StartedPrograms, QStringList{home.Installed() + "Едомер.exe"});
        QVERIFY(!home.Setup.isVisible());

        TSetupHome failing;
        failing.Seams.StartProcessResult = false;
        failing.Install(failing.Installed());
        failing.Setup.Button1->click();
        QCOMPARE(failing.Seams.Boxes().size(), size_t(1));
        QCOMPARE(failing.Seams.Boxes()[0].caption, QStringLiteral("Failure process"));
        QCOMPARE(failing.Seams.Boxes()[0].text,
                 QStringLiteral("Fault run process: '") + failing.Installed() + "Едомер.exe'");
        QVERIFY(!failing.Setup.isVisible());
    }
};

EDOMER_TEST(TestInstaller)
#include "TestInstaller.moc"
