#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

// Name-based slot binding fails silently when a form object is renamed; Qt
// only warns. The test programs collect those warnings and fail on them.
namespace slotwarnings {

inline QStringList &caught()
{
    static QStringList list;
    return list;
}

inline QtMessageHandler &previous()
{
    static QtMessageHandler handler = nullptr;
    return handler;
}

inline void handler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.contains(QLatin1String("connectSlotsByName: No matching signal")))
        caught().append(message);
    if (previous())
        previous()(type, context, message);
}

inline void install()
{
    previous() = qInstallMessageHandler(handler);
}

} // namespace slotwarnings

// A test main that fails the run when any slot went unbound. The test class
// calls slotwarnings::install() in its initTestCase.
#define SHELL_TEST_MAIN(TestClass)                                                                           \
    int main(int argc, char *argv[])                                                                         \
    {                                                                                                        \
        QApplication app(argc, argv);                                                                        \
        TestClass test;                                                                                      \
        int status = QTest::qExec(&test, argc, argv);                                                        \
        for (const QString &warning : slotwarnings::caught()) {                                              \
            qCritical("unbound slot: %s", qPrintable(warning));                                              \
            status = 1;                                                                                      \
        }                                                                                                    \
        return status;                                                                                       \
    }
