#ifndef VEXO_TESTS_SLOTWARNINGGUARD_H
#define VEXO_TESTS_SLOTWARNINGGUARD_H

// A slot bound by name whose form object was renamed never fires and only
// leaves a warning, as does a row of the parameter dock's handler tables
// whose control is not in the dock; these helpers turn such a warning into a
// failure.
//
// QTest::qExec installs its own message handler when it starts, so call
// vexotest::installSlotWarningGuard() in initTestCase(); VEXO_QTEST_MAIN
// (use it instead of QTEST_MAIN) also fails the run if any such warning was
// seen at all.

#include <QApplication>
#include <QByteArray>
#include <QThread>
#include <QtGlobal>
#include <QtTest>

#include <atomic>
#include <cstdio>

namespace vexotest {

inline std::atomic<int> &slotWarningCount()
{
    static std::atomic<int> count{0};
    return count;
}

inline QtMessageHandler &previousHandler()
{
    static QtMessageHandler handler = nullptr;
    return handler;
}

inline void slotWarningHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    // The offscreen platform's complaints about window features say nothing
    // about the code under test.
    if (message.startsWith(QLatin1String("This plugin does not support")))
        return;
    if (previousHandler() != nullptr)
        previousHandler()(type, context, message);
    if (message.contains(QLatin1String("QMetaObject::connectSlotsByName: No matching signal")) ||
        message.startsWith(QLatin1String("ParameterPanel: no control"))) {
        ++slotWarningCount();
        if (QCoreApplication::instance() != nullptr &&
            QThread::currentThread() == QCoreApplication::instance()->thread())
            QTest::qFail(qPrintable(message), __FILE__, __LINE__);
    }
}

inline void installSlotWarningGuard()
{
    const QtMessageHandler previous = qInstallMessageHandler(slotWarningHandler);
    if (previous != slotWarningHandler)
        previousHandler() = previous;
}

} // namespace vexotest

#define VEXO_QTEST_MAIN(TestObject)                                                                          \
    int main(int argc, char **argv)                                                                          \
    {                                                                                                        \
        vexotest::installSlotWarningGuard();                                                                 \
        QApplication app(argc, argv);                                                                        \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                             \
        TestObject tc;                                                                                       \
        QTEST_SET_MAIN_SOURCE_PATH                                                                           \
        const int result = QTest::qExec(&tc, argc, argv);                                                    \
        if (vexotest::slotWarningCount() > 0) {                                                              \
            std::fprintf(stderr, "%d slot(s) bound by name found no signal\n",                               \
                         int(vexotest::slotWarningCount()));                                                 \
            return result != 0 ? result : 1;                                                                 \
        }                                                                                                    \
        return result;                                                                                       \
    }

#endif // VEXO_TESTS_SLOTWARNINGGUARD_H
