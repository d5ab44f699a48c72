#include "program/command_line.h"

#include <QCommandLineParser>
#include <QStringList>
#include <cstdio>

#include "app/version_info.h"

namespace glyphora {

namespace {

constexpr int kRefused = 2;

void Print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

}  // namespace

std::optional<int> HandleCommandLine(int argc, char* argv[]) {
    if (argc <= 1) return std::nullopt;
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);

    // Our own two options rather than addHelpOption(): that one also offers --help-all, which
    // lists Qt's own options, and those are refused here (their environment variables serve).
    QCommandLineParser parser;
    // "-platform" reads as one unknown option, not as the letters p, l, a, t, ...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("Glyphora: find the characters of a font and copy them."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and exit."));
    parser.addOption(help);
    parser.addOption(version);

    QString refusal;
    if (!parser.parse(arguments))
        refusal = parser.errorText();
    else if (!parser.positionalArguments().isEmpty())
        refusal = QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments()[0]);
    if (!refusal.isEmpty()) {
        Print(stderr, QStringLiteral("glyphora: %1 Try 'glyphora --help'.\n").arg(refusal));
        return kRefused;
    }
    if (parser.isSet(help)) {
        Print(stdout, QStringLiteral("Usage: glyphora [--help | --version]\n") +
                          parser.applicationDescription() + QStringLiteral("\n\nOptions:\n") +
                          parser.helpText().section(QStringLiteral("Options:\n"), 1));
        return 0;
    }
    if (parser.isSet(version)) {
        Print(stdout, QStringLiteral("glyphora %1\n")
                          .arg(QString::fromStdString(ReleaseVersionText(kProgramVersion))));
        return 0;
    }
    return std::nullopt;  // only "--", which ends the options and names nothing
}

}  // namespace glyphora
