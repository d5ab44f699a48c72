#include <QApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <QtTest>

#include "app/version_info.h"
#include "program/program_icon.h"

namespace glyphora {

class ProgramTest : public QObject {
    Q_OBJECT

private slots:
    // The real executable, without any display: a window attempt would abort, so status 0 or 2
    // also proves that no window was opened.
    void CommandLine_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");  // a pattern for the whole of standard output
        QTest::addColumn<QString>("err");  // and of standard error
        const QString version = QRegularExpression::escape(
            QString::fromStdString("glyphora " + ReleaseVersionText(kProgramVersion) + "\n"));
        QTest::newRow("version") << QStringList{"--version"} << 0 << "^" + version + "$"
                                 << "^$";
        QTest::newRow("short version") << QStringList{"-v"} << 0 << "^" + version + "$"
                                       << "^$";
        QTest::newRow("help") << QStringList{"--help"} << 0
                              << "^Usage: glyphora .*\n  -h, --help .*\n  -v, --version .*\n$"
                              << "^$";
        QTest::newRow("operand") << QStringList{"file.txt"} << 2 << "^$"
                                 << "^glyphora: [^\n]*'file.txt'[^\n]*\n$";
        QTest::newRow("unknown option") << QStringList{"--fullscreen"} << 2 << "^$"
                                        << "^glyphora: [^\n]*'fullscreen'[^\n]*\n$";
        QTest::newRow("Qt's own option") << QStringList{"-platform", "offscreen"} << 2 << "^$"
                                         << "^glyphora: [^\n]*'platform'[^\n]*\n$";
        QTest::newRow("help with an operand") << QStringList{"--help", "x"} << 2 << "^$"
                                              << "^glyphora: [^\n]*'x'[^\n]*\n$";
    }
    void CommandLine() {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(name);
        program.setProcessEnvironment(environment);
        program.start(QCoreApplication::applicationDirPath() + "/glyphora", arguments);
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), status);
        const QString printed = QString::fromLocal8Bit(program.readAllStandardOutput());
        const QString complaint = QString::fromLocal8Bit(program.readAllStandardError());
        const auto whole = QRegularExpression::DotMatchesEverythingOption;
        QVERIFY2(QRegularExpression(out, whole).match(printed).hasMatch(), qPrintable(printed));
        QVERIFY2(QRegularExpression(err, whole).match(complaint).hasMatch(), qPrintable(complaint));
    }

};

}  // namespace glyphora

QTEST_MAIN(glyphora::ProgramTest)
#include "program_test.moc"
