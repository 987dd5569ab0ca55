// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/command_line.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>

namespace zerbo::app {

namespace {

// The options the window toolkit takes itself when it starts (-platform
// offscreen, -style Fusion, ...): known here so that they are no error.
void AddToolkitOptions(QCommandLineParser& parser) {
    const char* const withValue[] = {"platform",       "platformpluginpath", "platformtheme",
                                     "plugin",         "qmljsdebugger",      "qwindowgeometry",
                                     "qwindowicon",    "qwindowtitle",       "session",
                                     "display",        "geometry",           "style",
                                     "stylesheet",     "name",               "title",
                                     "visual"};
    const char* const switches[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};
    for (const char* name : withValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("x"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : switches) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

} // namespace

CommandLineAnswer ReadCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QString::fromUtf8(
        "Zerbo – Schnittwerte für die Werkstatt.\n"
        "Empfiehlt Schnittgeschwindigkeit und Vorschub für Fräsen, Drehen, Bohren, Reiben,\n"
        "Senken und Sägen und berechnet Drehzahl, Vorschubgeschwindigkeit, Zeitspanvolumen,\n"
        "Leistung, spezifische Schnittkraft und Spanungsdicke."));
    const QCommandLineOption help({"h", "help"},
                                  QString::fromUtf8("Zeigt diese Hilfe an und beendet das Programm."));
    const QCommandLineOption version(
        {"v", "version"}, QString::fromUtf8("Zeigt die Versionsnummer an und beendet das Programm."));
    parser.addOption(help);
    parser.addOption(version);
    AddToolkitOptions(parser);
    const bool understood = parser.parse(arguments);
    if (parser.isSet(help)) return {true, 0, parser.helpText(), false};
    if (parser.isSet(version)) {
        return {true, 0,
                QCoreApplication::applicationName() + ' ' +
                    QCoreApplication::applicationVersion() + '\n',
                false};
    }
    const QString hint = QString::fromUtf8("„zerbo --help“ zeigt, was Zerbo versteht.\n");
    if (!understood) return {true, 2, parser.errorText() + '\n' + hint, true};
    if (!parser.positionalArguments().isEmpty()) {
        return {true, 2,
                QString::fromUtf8("Zerbo erwartet keine Argumente: %1\n")
                        .arg(parser.positionalArguments().join(' ')) +
                    hint,
                true};
    }
    return {};
}

} // namespace zerbo::app
