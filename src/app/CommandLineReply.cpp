// SPDX-License-Identifier: MIT
#include "app/CommandLineReply.h"

#include <QCoreApplication>
#include <cstdio>

namespace orvane {

namespace {

// The exit status for a command line the program does not understand, as command-line tools
// use it.
constexpr int kUsageError = 2;

void print(std::FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

QString usage()
{
    return QCoreApplication::translate(
        "CommandLine",
        "Usage: orvane [SCHEME-FILE]\n"
        "       orvane --help | --version\n"
        "Orvane designs colour schemes: it derives sixteen related colours from one.\n"
        "SCHEME-FILE, a scheme saved by Orvane (.vrx), opens after start-up.\n"
        "\n"
        "  --help      show this help and exit\n"
        "  --version   show the version and exit\n"
        "  --          end the options: what follows names the scheme file\n"
        "\n"
        "Qt's options, such as --platform NAME, are accepted too.\n"
        "More in the manual page: man orvane\n");
}

} // namespace

int replyToCommandLine(const CommandLineDecision& decision)
{
    if (decision.request == CommandLineRequest::Help) {
        print(stdout, usage());
        return 0;
    }
    if (decision.request == CommandLineRequest::Version) {
        std::printf("Orvane %s\n", ORVANE_VERSION);
        return 0;
    }
    print(stderr, QCoreApplication::translate("CommandLine",
                                              "orvane: unknown option '%1' (see 'orvane --help')\n")
                      .arg(QString::fromLocal8Bit(decision.option.c_str())));
    return kUsageError;
}

} // namespace orvane
