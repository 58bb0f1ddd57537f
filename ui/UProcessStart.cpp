#include "ui/UProcessStart.h"

#include "ui/USeams.h"

void StartProcess(QWidget* owner, const QString& program) {
    if (!Seams().StartProcess(program, {}))
        Seams().ShowMessageBox(owner, QStringLiteral("Failure process"),
                               QStringLiteral("Fault run process: '") + program + QLatin1Char('\''),
                               QMessageBox::Critical);
}
