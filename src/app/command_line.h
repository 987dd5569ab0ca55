// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The program's command line: --help and --version, in German.

#include <QString>
#include <QStringList>

namespace zerbo::app {

struct CommandLineAnswer {
    bool answered = false; // true: print `text` and end with `exitCode`
    int exitCode = 0;
    QString text;
    bool toErrorStream = false;
};

// Reads the arguments (the program name first). Needs the application
// object, set up, for the program's name and version and for Qt's German
// texts. `answered` is false when the window should start.
CommandLineAnswer ReadCommandLine(const QStringList& arguments);

} // namespace zerbo::app
