#pragma once
// Starting another program without waiting for it.

#include <QString>

class QWidget;

// Starts the program at the path as a new process with the caller's environment and current
// folder. A start that fails is reported in a message box owned by the window.
void StartProcess(QWidget* owner, const QString& program);
