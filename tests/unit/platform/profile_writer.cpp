// Helper process for the profile file tests: writes values into one file as fast as it can.
//
//   profile_writer <file> keys <prefix> <count>   writes <prefix>0 .. <prefix><count-1> in section
//                                                 "S", each with its number as value; exit code 1
//                                                 when a write fails
//   profile_writer <file> churn                   rewrites "counter" (1, 2, 3, ...) and a value of
//                                                 changing length in section "S" until killed

#include "platform/profile_file.h"

#include <QCoreApplication>
#include <QStringList>

using kalmora::platform::WriteProfileString;

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() >= 5 && args[2] == QLatin1String("keys")) {
        const int count = args[4].toInt();
        for (int i = 0; i < count; ++i) {
            if (!WriteProfileString(args[1], QStringLiteral("S"), args[3] + QString::number(i), QString::number(i)))
                return 1;
        }
        return 0;
    }
    if (args.size() >= 3 && args[2] == QLatin1String("churn")) {
        for (qint64 i = 1;; ++i) {
            WriteProfileString(args[1], QStringLiteral("S"), QStringLiteral("counter"), QString::number(i));
            WriteProfileString(
                args[1], QStringLiteral("S"), QStringLiteral("pad"), QString(int(i % 300), QLatin1Char('p')));
        }
    }
    return 2;
}
