#include "installer/UfSetup.h"

#include "installer/UInstall.h"
#include "platform/UProgramFolder.h"
#include "platform/USpecialFolders.h"
#include "ui/UControls.h"
#include "ui/UErrorBox.h"
#include "ui/UFonts.h"
#include "ui/UProcessStart.h"
#include "ui/USeams.h"
#include "ui/USkin.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

TfSetup* fSetup = nullptr;

namespace {
constexpr int kWidth = 520;
constexpr int kHeight = 340;
constexpr int kBannerHeight = 64;
const QColor kBackground(255, 251, 240);
const QString kSubfolder = QStringLiteral("Едомер/");

// One paragraph a line; the memo wraps them to its width.
const QStringList kAgreement = {
    QStringLiteral("Программа «Едомер» предоставляется «как есть», без каких-либо гарантий. "
                   "Вы пользуетесь ею на свой страх и риск."),
    QString(),
    QStringLiteral("Калорийность, белки, жиры и углеводы в каталоге продуктов — справочные "
                   "значения: в настоящих продуктах они могут заметно отличаться. Программа не "
                   "заменяет совета врача или диетолога."),
    QString(),
    QStringLiteral("Каталог, сохранённые рационы и настройки хранятся только на этом компьютере, "
                   "в папке программы, и никуда не передаются."),
};

// A page below the banner, filled with the window's colour so that it covers the page before.
QWidget* Page(QWidget* parent, const char* name) {
    QWidget* page = Named(new QWidget(parent), name);
    page->setGeometry(0, kBannerHeight, kWidth, kHeight - kBannerHeight);
    page->setAutoFillBackground(true);
    page->hide();
    return page;
}

QPlainTextEdit* Memo(QWidget* parent, const char* name, const QRect& geometry) {
    QPlainTextEdit* memo = Named(new QPlainTextEdit(parent), name);
    memo->setGeometry(geometry);
    memo->setReadOnly(true);
    return memo;
}
} // namespace

TfSetup::TfSetup(QWidget* parent) : TForm(parent) {
    setObjectName(QStringLiteral("fSetup"));
    SetCaption(QStringLiteral("Установка программы   Едомер"));
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    SetClientSize(kWidth, kHeight);
    FillWithColour(this, kBackground);
    CreateBanner();
    CreateAgreementPage();
    CreateFolderPage();
    CreateResultPage();
    Connect(CB, &QCheckBox::clicked, this, [this] { CBClick(); });
    Connect(ButDalee1, &QPushButton::clicked, this, [this] { ButDalee1Click(); });
    Connect(ButDir, &QPushButton::clicked, this, [this] { ButDirClick(); });
    Connect(ButDalee2, &QPushButton::clicked, this, [this] { ButDalee2Click(); });
    Connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
}

void TfSetup::CreateBanner() {
    Panel1 = Named(new TXiPanel(this, QColor(245, 223, 156)), "Panel1");
    Panel1->setGeometry(0, 0, kWidth, kBannerHeight);
    auto* icon = Named(new QLabel(Panel1), "ImageIcon");
    icon->setGeometry(12, 8, 48, 48);
    icon->setScaledContents(true);
    icon->setPixmap(QPixmap(QStringLiteral(":/installer/res/edomer.png")));
    LabTitle = Named(new QLabel(QStringLiteral("Едомер"), Panel1), "LabTitle");
    QFont title = Verdana8(true);
    title.setPointSize(16);
    LabTitle->setFont(title);
    LabTitle->setGeometry(72, 8, kWidth - 84, 28);
    LabSubtitle = Named(new QLabel(QStringLiteral("Дневник питания: калории, белки, жиры и "
                                                  "углеводы за день"),
                                   Panel1),
                        "LabSubtitle");
    LabSubtitle->setGeometry(72, 38, kWidth - 84, 18);
}

void TfSetup::CreateAgreementPage() {
    Memo1 = Memo(this, "Memo1", QRect(16, kBannerHeight + 14, kWidth - 32, 170));
    Memo1->setPlainText(kAgreement.join(QLatin1Char('\n')));
    CB = Named(new QCheckBox(QStringLiteral("Я принимаю условия соглашения"), this), "CB");
    CB->setGeometry(16, kBannerHeight + 196, 300, 20);
    ButDalee1 = Named(new TXiButton(QStringLiteral("Далее >>"), this), "ButDalee1");
    ButDalee1->setGeometry(kWidth - 116, kHeight - 40, 100, 27);
    ButDalee1->setEnabled(false);
}

void TfSetup::CreateFolderPage() {
    Pan2 = Page(this, "Pan2");
    Label1 =
        Named(new QLabel(QStringLiteral("Укажите папку для установки программы"), Pan2), "Label1");
    Label1->setGeometry(16, 40, kWidth - 32, 18);
    EdProgFiles = Named(new QLineEdit(Pan2), "EdProgFiles");
    EdProgFiles->setGeometry(16, 62, kWidth - 76, 24);
    ButDir = Named(new TXiButton(QStringLiteral("..."), Pan2), "ButDir");
    ButDir->setGeometry(kWidth - 52, 62, 36, 24);
    ButDalee2 = Named(new TXiButton(QStringLiteral("Начать установку"), Pan2), "ButDalee2");
    ButDalee2->setGeometry(kWidth - 156, kHeight - kBannerHeight - 40, 140, 27);
}

void TfSetup::CreateResultPage() {
    Pan3 = Page(this, "Pan3");
    Image1 = Named(new QLabel(Pan3), "Image1");
    Image1->setGeometry(16, 16, 200, 200);
    Image1->setScaledContents(true);
    Image1->setPixmap(QPixmap(QStringLiteral(":/installer/res/setup.jpg")));
    // A line per shortcut that could not be made may overfill it, so it scrolls when it must.
    Memo2 = Memo(Pan3, "Memo2", QRect(232, 16, kWidth - 248, 150));
    Memo2->setFrameShape(QFrame::NoFrame);
    Memo2->viewport()->setAutoFillBackground(false);
    Memo2->setStyleSheet(QStringLiteral("background: transparent"));
    CBZapusk = Named(new QCheckBox(QStringLiteral("Запустить программу?"), Pan3), "CBZapusk");
    CBZapusk->setGeometry(232, 180, 260, 20);
    CBZapusk->setChecked(true);
    Button1 = Named(new TXiButton(QStringLiteral("ОК"), Pan3), "Button1");
    Button1->setGeometry(kWidth - 91, kHeight - kBannerHeight - 40, 75, 27);
    Label2 = Named(new QLabel(Pan3), "Label2");
    Label2->setGeometry(16, 222, 200, 18);
}

void TfSetup::CBClick() {
    ButDalee1->setEnabled(CB->isChecked());
}

void TfSetup::ButDalee1Click() {
    EdProgFiles->setText(SpecialFolderPath(CSIDL_PROGRAM_FILES) + QLatin1Char('/') + kSubfolder);
    Pan2->show();
    Pan2->raise();
}

void TfSetup::ButDirClick() {
    const QString picked =
        Seams().BrowseFolder(this, QStringLiteral("В какую папку установить программу?"));
    if (!picked.isEmpty())
        EdProgFiles->setText(WithTrailingSlash(picked) + kSubfolder);
}

void TfSetup::ButDalee2Click() {
    FFolder = WithTrailingSlash(EdProgFiles->text());
    if (!InstallProgramFiles(ProgramFilePath(), ProgramFolder(), FFolder)) {
        Fail(QStringLiteral("Установка завершилась неудачей: ошибка при копировании файлов."));
        return;
    }
    const QString startMenu = MakeStartMenuFolder();
    const QString desktop = SpecialFolderPath(CSIDL_DESKTOPDIRECTORY);
    const std::vector<TShortcut> shortcuts = CreateShortcuts(
        FFolder, startMenu, desktop.isEmpty() ? desktop : WithTrailingSlash(desktop));
    for (const QString& line : ResultLines(FFolder, shortcuts))
        Memo2->appendPlainText(line);
    Pan3->show();
    Pan3->raise();
}

void TfSetup::Button1Click() {
    if (!CBZapusk->isChecked())
        return;
    StartProcess(this, FFolder + kInstalledProgram);
    Close();
}

void TfSetup::Fail(const QString& message) {
    Seams().ShowMessageBox(this, QApplication::applicationName(), message, QMessageBox::NoIcon);
    Close();
}
