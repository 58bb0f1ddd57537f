#include "tests/showcase/Showcase.h"

#include "app/UApplication.h"
#include "app/UMain.h"
#include "app/UStartup.h"
#include "platform/UProgramFolder.h"
#include "ui/USeams.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <map>
#include <string>

namespace {
std::map<std::string, TScene>& Scenes() {
    static std::map<std::string, TScene> scenes;
    return scenes;
}
} // namespace

int RegisterScene(const char* name, TScene scene) {
    Scenes()[name] = std::move(scene);
    return int(Scenes().size());
}

EDOMER_SCENE(main, [] {})

int main(int argc, char** argv) {
    TApplication app(argc, argv);
    const std::string name = argc > 1 ? argv[1] : "main";
    if (!Scenes().count(name)) {
        std::fprintf(stderr, "scenes:");
        for (const auto& scene : Scenes())
            std::fprintf(stderr, " %s", scene.first.c_str());
        std::fprintf(stderr, "\n");
        return 2;
    }
    QTemporaryDir dir;
    QFile::copy(QStringLiteral(EDOMER_BIN_DIR "/KKAL.mdb"), dir.path() + "/KKAL.mdb");
    QFile::setPermissions(dir.path() + "/KKAL.mdb", QFile::ReadOwner | QFile::WriteOwner);
    OverrideProgramFilePath(dir.path() + QStringLiteral("/edomer"));
    TApplicationForms forms(false);
    forms.ShowMainForm();
    Scenes()[name]();
    return app.exec();
}

namespace {

class TWorkbookSeams : public TSeams {
public:
    QString SaveFileName(QWidget*, const QString&, const QString&, const QString&) override {
        return QCoreApplication::arguments().value(2);
    }
    bool OpenDocument(const QString&) override { return true; }
};

} // namespace

void WriteWorkbookBy(std::function<void()> click) {
    static TWorkbookSeams seams;
    InstallSeams(&seams);
    QTimer::singleShot(0, fMain, [click] {
        click();
        QCoreApplication::quit();
    });
}
