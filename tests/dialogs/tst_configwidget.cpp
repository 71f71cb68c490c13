// The settings window and its rules: time units, hotkey conflicts and the
// key text a display cell matches; pages, saving, resetting and the hotkey
// editors driven with real key presses.

#include "config/configparameter.h"
#include "dialogs/configwidget.h"
#include "dialogs/customkeysequenceedit.h"
#include "dialogs/settingsrules.h"
#include "formchild.h"
#include "modalhelper.h"
#include "slotwarningguard.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QtTest>

using namespace SettingsRules;

namespace {

ConfigParameter *store()
{
    return ConfigParameter::getInstance();
}

QByteArray storedFile()
{
    QFile file(store()->getSavePath());
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

} // namespace

class TestConfigWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void durationDisplay_data();
    void durationDisplay();
    void hotkeyConflicts_data();
    void hotkeyConflicts();
    void pressedKeysMatchTheFirstEqualHotkey_data();
    void pressedKeysMatchTheFirstEqualHotkey();

    void photoPageShowsAndSavesTheStore();
    void resetThenCloseStoresNothing();
    void hotkeyEditorsRefuseConflicts();

private:
    std::unique_ptr<ConfigWidget> open(int page);

    CaptureParameter m_capture;
    RecordParameter m_record;
    HotkeyParameter m_hotkeys;
};

void TestConfigWidget::initTestCase()
{
    vexotest::installSlotWarningGuard();
    m_capture = *store()->getCaptureParameter();
    m_record = *store()->getRecordParament();
    m_hotkeys = *store()->getHotkeyParameter();
}

void TestConfigWidget::cleanup()
{
    store()->writeCaptureParament(&m_capture);
    store()->writeRecordParameter(&m_record);
    store()->writeHotkeyParameter(&m_hotkeys);
}

std::unique_ptr<ConfigWidget> TestConfigWidget::open(int page)
{
    auto widget = std::make_unique<ConfigWidget>(page);
    widget->setAttribute(Qt::WA_DeleteOnClose, false);
    widget->show();
    return widget;
}

void TestConfigWidget::durationDisplay_data()
{
    QTest::addColumn<int>("ms");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("saved");

    QTest::newRow("first-run 1 ms") << 1 << 0 << 0 << 0;
    QTest::newRow("59.999 s") << 59999 << 59 << 0 << 59000;
    QTest::newRow("90 s") << 90000 << 1 << 1 << 60000;
    QTest::newRow("just under an hour") << 3599999 << 59 << 1 << 3540000;
    QTest::newRow("an hour") << 3600000 << 1 << 2 << 3600000;
    QTest::newRow("two hours") << 7200000 << 2 << 2 << 7200000;
}

void TestConfigWidget::durationDisplay()
{
    QFETCH(int, ms);
    QFETCH(int, value);
    QFETCH(int, unit);
    QFETCH(int, saved);
    const DurationDisplay shown = displayDuration(ms);
    QCOMPARE(shown.value, value);
    QCOMPARE(shown.unit, unit);
    QCOMPARE(durationMs(shown.value, shown.unit), saved);
}

void TestConfigWidget::hotkeyConflicts_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<bool>("conflict");
    const QStringList defaults = hotkeyTexts(ConfigParameter::defaultHotkeys());

    QTest::newRow("defaults") << defaults << false;
    QStringList twice = defaults;
    twice[3] = twice[2];
    QTest::newRow("zoom out = zoom in") << twice << true;
    QStringList lastPair = defaults;
    lastPair[7] = lastPair[0];
    QTest::newRow("first and last") << lastPair << true;
    QStringList empty = defaults;
    empty[1].clear();
    QTest::newRow("one empty editor") << empty << false;
    empty[5].clear();
    QTest::newRow("two empty editors") << empty << false;
}

void TestConfigWidget::hotkeyConflicts()
{
    QFETCH(QStringList, texts);
    QFETCH(bool, conflict);
    QCOMPARE(hasHotkeyConflict(texts), conflict);
}

void TestConfigWidget::pressedKeysMatchTheFirstEqualHotkey_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("action");

    QTest::newRow("Ctrl+E zooms in") << int(Qt::Key_E) << int(Qt::ControlModifier) << "Ctrl+E"
                                     << int(HotkeyAction::Enlarge);
    QTest::newRow("Ctrl+Shift+F5") << int(Qt::Key_F5) << int(Qt::ControlModifier | Qt::ShiftModifier)
                                   << "Ctrl+Shift+F5" << int(HotkeyAction::Photogrape);
    QTest::newRow("keypad modifier ignored")
        << int(Qt::Key_U) << int(Qt::ControlModifier | Qt::KeypadModifier) << "Ctrl+U"
        << int(HotkeyAction::Onoff);
    QTest::newRow("Meta is not added") << int(Qt::Key_E) << int(Qt::ControlModifier | Qt::MetaModifier)
                                       << "Ctrl+E" << int(HotkeyAction::Enlarge);
    QTest::newRow("a lone Control") << int(Qt::Key_Control) << int(Qt::ControlModifier) << "" << 0;
    QTest::newRow("a lone Alt") << int(Qt::Key_Alt) << int(Qt::AltModifier) << "" << 0;
    // Two equal stored texts: the first in record order wins.
    QTest::newRow("first of two equal")
        << int(Qt::Key_P) << int(Qt::ControlModifier) << "Ctrl+P" << int(HotkeyAction::WindowSize);
    QTest::newRow("no hotkey") << int(Qt::Key_Q) << int(Qt::ControlModifier) << "Ctrl+Q" << 0;
}

void TestConfigWidget::pressedKeysMatchTheFirstEqualHotkey()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, text);
    QFETCH(int, action);
    HotkeyParameter hotkeys = ConfigParameter::defaultHotkeys();
    hotkeys.photogrape = QStringLiteral("Ctrl+Shift+F5");
    hotkeys.displaySwitch = QStringLiteral("Ctrl+P");
    const QString pressed = pressedKeyText(key, Qt::KeyboardModifiers(modifiers));
    QCOMPARE(pressed, text);
    QCOMPARE(int(matchHotkey(pressed, hotkeys)), action);
}

void TestConfigWidget::photoPageShowsAndSavesTheStore()
{
    CaptureParameter c = ConfigParameter::firstRunCapture();
    c.grapTimeRadix = 90000;
    c.grapTimeCount = 7200000;
    c.captureMode = 1;
    c.nameRuleIndex = 42;
    store()->writeCaptureParament(&c);
    store()->setValue(QStringLiteral("CAPTURE"), QStringLiteral("NameRuleIndex"), 42);
    auto widget = open(0);

    QCOMPARE(child<QSpinBox>(widget.get(), "spinBox_grapTimeRadix")->value(), 1);
    QCOMPARE(child<QComboBox>(widget.get(), "comboBox_grapTimeRadix")->currentText(), QStringLiteral("分"));
    QCOMPARE(child<QSpinBox>(widget.get(), "spinBox_grapTimeCount")->value(), 2);
    QCOMPARE(child<QComboBox>(widget.get(), "comboBox_grapTimeCount")->currentText(), QStringLiteral("时"));
    QCOMPARE(child<QStackedWidget>(widget.get(), "stackedWidget_2")->currentIndex(), 1);

    child<QCheckBox>(widget.get(), "checkBox_autoSaveState")->setChecked(true);
    child<QLineEdit>(widget.get(), "lineEdit_savePath")->setText(QStringLiteral("/data/pictures"));
    QTest::mouseClick(child<QRadioButton>(widget.get(), "radioButton_captureCountMode"), Qt::LeftButton);
    QCOMPARE(child<QStackedWidget>(widget.get(), "stackedWidget_2")->currentIndex(), 0);
    QTest::mouseClick(child<QPushButton>(widget.get(), "pushButton_save"), Qt::LeftButton);
    QVERIFY(!widget->isVisible());

    auto value = [](const char *key) {
        return store()->value(QStringLiteral("CAPTURE"), QLatin1String(key));
    };
    QCOMPARE(value("AutoSaveState").toInt(), 2);
    QCOMPARE(value("SvaePath").toString(), QStringLiteral("/data/pictures"));
    QCOMPARE(value("CaptureMode").toInt(), 0);
    QCOMPARE(value("GrapTimeRadix").toInt(), 60000);
    QCOMPARE(value("NameRuleIndex").toInt(), 42);
    QCOMPARE(store()->getCaptureParameter()->nameRuleIndex, 42);
}

void TestConfigWidget::resetThenCloseStoresNothing()
{
    const QByteArray before = storedFile();
    const char *resets[] = {"pushButton_init", "pushButton_recordInit", "pushButton_hoykeyInit"};
    for (int page = 0; page < 3; ++page) {
        const char *reset = resets[page];
        auto widget = open(page);
        ModalAnswer answer;
        QTest::mouseClick(child<QPushButton>(widget.get(), reset), Qt::LeftButton);
        QVERIFY(answer.fired());
        QCOMPARE(answer.title(), QStringLiteral("提示"));
        QCOMPARE(answer.text(), QStringLiteral("重置参数成功"));
        QCOMPARE(answer.pressed(), QStringLiteral("确定"));
        widget->close();
    }
    QCOMPARE(storedFile(), before);
}

void TestConfigWidget::hotkeyEditorsRefuseConflicts()
{
    auto widget = open(2);
    QCOMPARE(child<QListWidget>(widget.get(), "listWidget_menu")->currentRow(), 2);
    QCOMPARE(child<QStackedWidget>(widget.get(), "stackedWidget")->currentIndex(), 2);
    auto *narrow = child<CustomKeySequenceEdit>(widget.get(), "keySequenceEdit_Narrow");
    auto *error = child<QLabel>(widget.get(), "label_error");
    auto *save = child<QPushButton>(widget.get(), "pushButton_hotkeySave");
    QVERIFY(!error->isVisible());

    QTest::keyClick(narrow, Qt::Key_E, Qt::ControlModifier);
    QVERIFY(error->isVisible());
    QCOMPARE(error->text(), QStringLiteral("*与已有快捷键冲突"));
    QVERIFY(!save->isEnabled());

    // A second combination replaces the first instead of being appended.
    QTest::keyClick(narrow, Qt::Key_K, Qt::ControlModifier);
    QCOMPARE(narrow->keySequence().toString(QKeySequence::PortableText), QStringLiteral("Ctrl+K"));
    QVERIFY(!error->isVisible());
    QVERIFY(save->isEnabled());

    // Backspace and Delete empty the field instead of becoming its key.
    for (const Qt::Key erase : {Qt::Key_Backspace, Qt::Key_Delete}) {
        QTest::keyClick(narrow, Qt::Key_K, Qt::ControlModifier);
        QTest::keyClick(narrow, erase);
        QVERIFY(narrow->keySequence().isEmpty());
        QCOMPARE(narrow->findChild<QLineEdit *>()->placeholderText(), QStringLiteral("请按下快捷键"));
        QVERIFY(save->isEnabled());
    }

    QTest::keyClick(narrow, Qt::Key_E, Qt::ControlModifier);
    QVERIFY(!save->isEnabled());
    {
        ModalAnswer answer;
        QTest::mouseClick(child<QPushButton>(widget.get(), "pushButton_hoykeyInit"), Qt::LeftButton);
        QVERIFY(answer.fired());
    }
    QCOMPARE(child<CustomKeySequenceEdit>(widget.get(), "keySequenceEdit_Enlarge")->keySequence(),
             QKeySequence(QStringLiteral("Ctrl+E")));
    QCOMPARE(narrow->keySequence(), QKeySequence(QStringLiteral("Ctrl+R")));
    // The reset leaves the message until the next key release.
    QVERIFY(!save->isEnabled());
    auto *photo = child<CustomKeySequenceEdit>(widget.get(), "keySequenceEdit_Photogrape");
    QTest::keyClick(photo, Qt::Key_F5, Qt::ShiftModifier);
    QVERIFY(save->isEnabled());

    QTest::mouseClick(save, Qt::LeftButton);
    QCOMPARE(store()->getHotkeyParameter()->photogrape, QStringLiteral("Shift+F5"));
    QCOMPARE(store()->getHotkeyParameter()->narrow, QStringLiteral("Ctrl+R"));
    QCOMPARE(store()->value(QStringLiteral("HOTKEYINFO"), QStringLiteral("Photogrape")).toString(),
             QStringLiteral("Shift+F5"));
}

VEXO_QTEST_MAIN(TestConfigWidget)
#include "tst_configwidget.moc"
