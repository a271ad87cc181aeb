// SPDX-License-Identifier: MIT
// Widget tests run under the offscreen platform and need one application object.

#include <QApplication>
#include <QString>
#include <gtest/gtest.h>

namespace {

// The offscreen platform reports every window feature it lacks; those notes are noise here.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QLatin1String("This plugin does not support")))
        return;
    qt_message_output(type, context, message);
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietHandler);
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
