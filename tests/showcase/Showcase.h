#pragma once
// Scenes for looking at the windows under Xvfb: "edomer_showcase SCENE" starts the program
// over a temporary copy of the ready database, arranges the scene and runs the event loop.
// Each area registers its scenes in a file of its own here.

#include <functional>

using TScene = std::function<void()>;
int RegisterScene(const char* name, TScene scene);

#define EDOMER_SCENE(name, body) static const int name##Scene = RegisterScene(#name, body);

// Runs an "в Excel" click that saves to the file named after the scene, opens nothing, and
// ends the program.
void WriteWorkbookBy(std::function<void()> click);
