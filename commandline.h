#pragma once

#include <QCommandLineParser>
#include <QStringList>

// What the program is asked to do: run its built-in test, open the test in a
// folder, check that test without opening it, or print its help or version.
class CommandLine
{
public:
    enum class Action { RunBuiltin, Open, Check, Help, Version, Wrong };

    explicit CommandLine(const QStringList &arguments);

    // The arguments the program was started with, read before an application
    // object exists.
    static QStringList arguments(int argc, char *argv[]);

    Action action() const { return m_action; }
    // Whether the action shows the test window, which needs a display.
    bool showsWindow() const { return m_action == Action::RunBuiltin || m_action == Action::Open; }
    // The test folder to open or check.
    const QString &path() const { return m_path; }
    // Why the command line is wrong, when it is.
    const QString &errorText() const { return m_errorText; }
    QString helpText() const { return m_parser.helpText(); }

private:
    QCommandLineParser m_parser;
    Action m_action = Action::RunBuiltin;
    QString m_path;
    QString m_errorText;
};
