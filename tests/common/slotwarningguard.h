#ifndef VEXO_TESTS_SLOTWARNINGGUARD_H
#define VEXO_TESTS_SLOTWARNINGGUARD_H

// A slot bound by name whose form object was renamed never fires and only
// leaves a warning; these helpers turn that warning into a failed run.
// Use VEXO_QTEST_MAIN(TestClass) instead of QTEST_MAIN.

#include <QByteArray>
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
    if (message.contains(QLatin1String("QMetaObject::connectSlotsByName: No matching signal"))) {
        ++slotWarningCount();
        std::fprintf(stderr, "FAIL: %s\n", qPrintable(message));
    }
    if (previousHandler() != nullptr)
        previousHandler()(type, context, message);
}

inline void installSlotWarningGuard()
{
    previousHandler() = qInstallMessageHandler(slotWarningHandler);
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
