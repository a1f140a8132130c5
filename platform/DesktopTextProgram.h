#pragma once

#include <QProcessEnvironment>
#include <QString>

// The desktop's program for plain text, as the name of its desktop entry ("org.gnome.TextEditor.desktop"),
// asked of xdg-mime as the desktop's opener xdg-open asks it. Empty when none is registered, when
// xdg-utils is not installed or when the question takes too long. The environment is the one the
// question runs in (the desktop's folders are read from its XDG_* variables).
QString desktopTextProgram(const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());
