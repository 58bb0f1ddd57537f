#pragma once
// The special folders the installer asks for by their Windows CSIDL numbers, mapped onto the
// freedesktop places of the user's home.

#include <QString>

enum TSpecialFolder {
    CSIDL_PROGRAMS = 2,          // the programs folder of the start menu
    CSIDL_DESKTOPDIRECTORY = 16, // the desktop
    CSIDL_PROGRAM_FILES = 38     // where programs are installed
};

// The folder's path without a trailing separator, created when missing; the empty text for a
// number without a counterpart here, or a folder that cannot be created.
QString SpecialFolderPath(int csidl);
