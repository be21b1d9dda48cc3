#pragma once

#include <QString>

#include <thread>

namespace pipwell {

/* The folder the program stands in, as QCoreApplication::applicationDirPath() reads it, but
   before the application object exists. Empty when it cannot be told. */
QString programFolder();

/* The game's own texts and Qt's (the message boxes' buttons, the boxes' context menus) in the
   first of the desktop's UI languages (LANGUAGE, else LC_MESSAGES or LANG) that each has;
   English otherwise. Before the window is built. */
void installTranslations();

/* Reads the desktop's font configuration on another core while Qt connects to the display;
   the window's first text would otherwise wait for it. Join before building the window. */
std::jthread readFontsAhead();

} // namespace pipwell
