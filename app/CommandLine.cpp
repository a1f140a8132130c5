#include "app/CommandLine.h"

#include <QFileInfo>

#include <cstdlib>
#include <initializer_list>

namespace {

// The options that QApplication takes for itself (with one dash or two), so that they are known
// before it exists; hidden from the help, which is the game's.
void addQtOptions(QCommandLineParser& parser)
{
    const auto add = [&parser](std::initializer_list<const char*> names, const QString& valueName) {
        for (const char* name : names) {
            QCommandLineOption option(QString::fromLatin1(name), QString(), valueName);
            option.setFlags(QCommandLineOption::HiddenFromHelp);
            parser.addOption(option);
        }
    };
    add({"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "qwindowicon",
         "qwindowtitle", "session", "style", "stylesheet", "qmljsdebugger", "display", "name", "visual",
         "geometry", "icon", "title"},
        QStringLiteral("value"));
    add({"reverse", "testability", "widgetcount", "nograb", "dograb"}, QString());
}

}  // namespace

CommandLine::CommandLine(const QStringList& arguments)
    : settingsOption(QStringLiteral("settings"), QStringLiteral("Start with the settings file FILE."),
                     QStringLiteral("FILE")),
      languageOption(QStringLiteral("lang"), QStringLiteral("Play in LANG for this run: ja (Japanese) or en (English)."),
                     QStringLiteral("LANG"))
{
    parser.setApplicationDescription(QStringLiteral("ちんちろりん, the three-dice game for two to six seats."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(settingsOption);
    parser.addOption(languageOption);
    parser.addPositionalArgument(QStringLiteral("invitation"),
                                 QStringLiteral("Open the window to join the room of an invitation line."),
                                 QStringLiteral("[qubrin://host:port/CODE | qubrins://host:port/CODE]"));
    addQtOptions(parser);
    // Qt's options are words after one dash.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parsed = parser.parse(arguments);
}

bool CommandLine::asksForText() const
{
    return parsed && (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all")) ||
                      parser.isSet(QStringLiteral("version")));
}

void CommandLine::answer(QCoreApplication& app)
{
    parser.process(app);  // ends the program on help, version and errors
    std::exit(EXIT_SUCCESS);
}

QString CommandLine::error() const
{
    if (!parsed)
        return parser.errorText();
    const QStringList arguments = parser.positionalArguments();
    const bool named = !arguments.isEmpty() && (arguments.constFirst().startsWith(QStringLiteral("qubrin:"), Qt::CaseInsensitive) ||
                                                 arguments.constFirst().startsWith(QStringLiteral("qubrins:"), Qt::CaseInsensitive));
    const qsizetype invitations = named ? 1 : 0;
    if (invitations == 1 && !invitation())
        return QStringLiteral("Not an invitation '%1': use qubrin://host:port/CODE or qubrins://host:port/CODE.")
            .arg(arguments.constFirst());
    if (arguments.size() > invitations)
        return QStringLiteral("Unexpected argument '%1'.").arg(arguments.at(invitations));
    if (parser.isSet(languageOption) && !language())
        return QStringLiteral("Unknown language '%1': use ja or en.").arg(parser.value(languageOption));
    return {};
}

QString CommandLine::settingsFile() const
{
    const QString file = parser.value(settingsOption);
    return file.isEmpty() ? QString() : QFileInfo(file).absoluteFilePath();
}

std::optional<Language> CommandLine::language() const { return languageFromCode(parser.value(languageOption)); }

std::optional<net::Invitation> CommandLine::invitation() const
{
    const QStringList arguments = parser.positionalArguments();
    return arguments.isEmpty() ? std::nullopt : net::Invitation::fromString(arguments.constFirst());
}
