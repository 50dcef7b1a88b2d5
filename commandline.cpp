#include "commandline.h"

using namespace Qt::Literals::StringLiterals;

CommandLine::CommandLine(const QStringList &arguments)
{
    m_parser.setApplicationDescription(
        u"Тест с един верен отговор. Без ПАПКА показва вградения тест."_s);
    // Qt's own help option would also offer --help-all with Qt's options, which
    // izpit does not take: its command line is only what is listed here.
    const QCommandLineOption help({u"h"_s, u"help"_s}, u"Показва тази помощ."_s);
    const QCommandLineOption version({u"v"_s, u"version"_s}, u"Показва версията."_s);
    m_parser.addOptions({help, version});
    const QCommandLineOption check(u"check"_s,
                                   u"Проверява теста в ПАПКА, без да го отваря: всяка грешка и "
                                   "всяко предупреждение излизат като „файл:ред: съобщение“; "
                                   "изходният код е 0, когато тестът може да се проведе, и 1, "
                                   "когато не може."_s);
    m_parser.addOption(check);
    m_parser.addPositionalArgument(
        u"ПАПКА"_s,
        u"Папка с тест (questions.gift, settings.txt, pictures/) или файлът questions.gift в нея."_s,
        u"[ПАПКА]"_s);

    if (!m_parser.parse(arguments)) {
        m_action = Action::Wrong;
        m_errorText = m_parser.errorText();
        return;
    }
    const QStringList paths = m_parser.positionalArguments();
    if (m_parser.isSet(help)) {
        m_action = Action::Help;
    } else if (m_parser.isSet(version)) {
        m_action = Action::Version;
    } else if (paths.size() > 1) {
        m_action = Action::Wrong;
        m_errorText = u"Дадени са %1 папки; отваря се само една."_s.arg(paths.size());
    } else if (m_parser.isSet(check)) {
        m_action = paths.isEmpty() ? Action::Wrong : Action::Check;
        if (paths.isEmpty())
            m_errorText = u"--check иска папката, която да провери."_s;
    } else {
        m_action = paths.isEmpty() ? Action::RunBuiltin : Action::Open;
    }
    m_path = paths.value(0);
}

QStringList CommandLine::arguments(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}
