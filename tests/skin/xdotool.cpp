#include "tests/skin/xdotool.h"

#include <QProcess>
#include <QTest>
#include <gtest/gtest.h>

QString XdoTool(const QStringList& arguments) {
    QProcess process;
    process.start("xdotool", arguments);
    // The application keeps handling its events meanwhile, as it would for a real user. Those
    // events may include the process's end, after which waitForFinished only says false.
    while (process.state() != QProcess::NotRunning && !process.waitForFinished(10))
        QCoreApplication::processEvents();
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    QTest::qWait(60);
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

void PointerTo(QPoint screenPosition) {
    XdoTool(
        {"mousemove", QString::number(screenPosition.x()), QString::number(screenPosition.y())});
}

void Drag(QPoint from, QPoint to, int button) {
    PointerTo(from);
    XdoTool({"mousedown", QString::number(button)});
    for (int step = 1; step <= 3; ++step)
        PointerTo(from + (to - from) * step / 3);
    XdoTool({"mouseup", QString::number(button)});
}

void ClickAt(QPoint screenPosition, int button) {
    PointerTo(screenPosition);
    XdoTool({"click", QString::number(button)});
}
