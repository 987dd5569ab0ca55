// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What every Zerbo program sets up on its application object before it
// shows a window: names, version, Qt's German texts and the icon.

#include <QIcon>
#include <QString>

class QCoreApplication;
class QGuiApplication;

namespace zerbo::app {

// The reverse-DNS id the desktop file, the metainfo and the icon share.
QString ApplicationId();
QString ApplicationVersion();

// Name, version and Qt's own German texts (context menus, standard
// buttons, dialogs, command-line help). Returns false when Qt's German
// translation is not installed; Qt then speaks English.
bool SetUpApplication(QCoreApplication& app);

// The application icon, drawn from the built-in SVG in eight sizes from 16
// to 256 px when it is first asked for.
QIcon ApplicationIcon();

// Everything of SetUpApplication, plus the desktop file name and the
// window icon.
bool SetUpGuiApplication(QGuiApplication& app);

} // namespace zerbo::app
