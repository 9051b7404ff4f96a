// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/command_line.h"

#include <QCommandLineParser>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>

#include <cstdio>

namespace zoret::app {
namespace {

constexpr int usageErrorExitCode = 2;

const QString usage = QStringLiteral("Использование: zoret [параметры]\n"
                                     "Калькулятор ставок на спорт: экспрессы, системы и вилки.\n"
                                     "\n"
                                     "Параметры:\n"
                                     "  -h, --help                   показать эту справку и выйти\n"
                                     "  -v, --version                показать версию программы и выйти\n"
                                     "  --export-journal ФАЙЛ        записать весь журнал ставок в ФАЙЛ (CSV),\n"
                                     "                               а движения средств в ИМЯ.movements.csv рядом\n"
                                     "  --import-journal ФАЙЛ        добавить в журнал ставки из ФАЙЛА (CSV) и\n"
                                     "                               движения из ИМЯ.movements.csv, если он есть:\n"
                                     "                               кроме уже бывших в журнале; при ошибке в\n"
                                     "                               файле ни одной\n"
                                     "\n"
                                     "Принимаются и параметры Qt, например -platform, -style, -stylesheet.\n");

// The options QGuiApplication and QApplication take from the command line
// themselves; the parser only has to know them so that they are not errors.
const QStringList qtOptionsWithValue = {"platform",        "platformpluginpath", "platformtheme", "plugin",
                                        "qwindowgeometry", "qwindowicon",        "qwindowtitle",  "session",
                                        "display",         "geometry",           "title",         "style",
                                        "stylesheet"};
const QStringList qtFlags = {"reverse", "widgetcount"};

void addQtOptions(QCommandLineParser& parser)
{
    for (const QString& name : qtOptionsWithValue) {
        QCommandLineOption option(name, QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const QString& name : qtFlags) {
        QCommandLineOption option(name);
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

CommandLineAnswer usageError(const QString& message)
{
    return {usageErrorExitCode, QString(), QStringLiteral("zoret: %1\n\n").arg(message) + usage, std::nullopt};
}

// The unknown option as it was typed, with its dashes and any "=value".
QString typedOption(const QStringList& arguments, const QString& name)
{
    for (const QString& argument : arguments.mid(1)) {
        const QString withoutDashes = argument.mid(argument.startsWith("--") ? 2 : 1);
        if (argument.startsWith('-') && withoutDashes.section('=', 0, 0) == name)
            return argument;
    }
    return name;
}

// Qt's text of a parse error in Qt's own Russian translation. The parser runs
// before any application object exists (the journal's commands and --help
// need no display), so Qt cannot translate its texts itself.
QString inRussian(const QString& qtText)
{
    static const char* const englishTexts[] = {"Missing value after '%1'.", "Unexpected value after '%1'.",
                                               "Unknown option '%1'.", "Unknown options: %1."};
    QTranslator translator;
    if (!translator.load(QLocale(QLocale::Russian), "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return qtText;
    for (const char* english : englishTexts) {
        const QStringList around = QString::fromLatin1(english).split("%1");
        const QRegularExpression form("^" + QRegularExpression::escape(around[0]) + "(.+)"
                                      + QRegularExpression::escape(around[1]) + "$");
        const QString russian = translator.translate("QCommandLineParser", english);
        if (const auto match = form.match(qtText); match.hasMatch() && !russian.isEmpty())
            return russian.arg(match.captured(1));
    }
    return qtText;
}

QString parseErrorMessage(const QCommandLineParser& parser, const QStringList& arguments)
{
    const QStringList unknown = parser.unknownOptionNames();
    if (unknown.isEmpty()) // a missing or unexpected value: Qt's text names the option
        return QStringLiteral("ошибка в параметрах: %1").arg(inRussian(parser.errorText()));
    return QStringLiteral("неизвестный параметр «%1»").arg(typedOption(arguments, unknown.first()));
}

} // namespace

std::optional<CommandLineAnswer> answerCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    // Qt's options are single-dash words (-platform, -style=fusion).
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{"h", "help"});
    const QCommandLineOption version(QStringList{"v", "version"});
    const QCommandLineOption exportJournal("export-journal", QString(), QStringLiteral("file"));
    const QCommandLineOption importJournal("import-journal", QString(), QStringLiteral("file"));
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(exportJournal);
    parser.addOption(importJournal);
    addQtOptions(parser);

    if (!parser.parse(arguments))
        return usageError(parseErrorMessage(parser, arguments));
    if (!parser.positionalArguments().isEmpty())
        return usageError(QStringLiteral("лишний аргумент «%1»").arg(parser.positionalArguments().first()));
    if (parser.isSet(help))
        return CommandLineAnswer{0, usage, QString(), std::nullopt};
    if (parser.isSet(version))
        return CommandLineAnswer{0, QStringLiteral("zoret %1\n").arg(ZORET_VERSION), QString(), std::nullopt};
    const QStringList exports = parser.values(exportJournal), imports = parser.values(importJournal);
    if (exports.size() + imports.size() > 1)
        return usageError(QStringLiteral("журнал выгружается или загружается одним файлом за раз"));
    if (!exports.isEmpty())
        return CommandLineAnswer{0, {}, {}, JournalRequest{journal::JournalCommand::Export, exports.first()}};
    if (!imports.isEmpty())
        return CommandLineAnswer{0, {}, {}, JournalRequest{journal::JournalCommand::Import, imports.first()}};
    return std::nullopt;
}

int printAnswer(const CommandLineAnswer& answer)
{
    std::fputs(answer.standardOutput.toUtf8().constData(), stdout);
    std::fputs(answer.standardError.toUtf8().constData(), stderr);
    return answer.exitCode;
}

int runJournalCommand(const JournalRequest& request, const QString& journalPath)
{
    const journal::JournalCommandOutcome outcome = journal::journalCommand(request.command, request.file, journalPath);
    std::fputs(outcome.output.c_str(), stdout);
    std::fputs(outcome.error.c_str(), stderr);
    return outcome.exitCode;
}

} // namespace zoret::app
