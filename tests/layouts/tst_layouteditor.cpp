// The layout editor on its own: names, division, marking, merge and divide,
// working copies, and what reaches Config.ini.
#include "configparameter.h"
#include "customwindowsettingwidget.h"
#include "layoutgrid.h"
#include "modalhelper.h"
#include "slotwarningguard.h"

#include <QComboBox>
#include <QFile>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>

namespace {

ConfigParameter *config()
{
    return ConfigParameter::getInstance();
}

SceneFrameLayout layout(const QString &name, int size, const QString &frames)
{
    return SceneFrameLayout{name, size, size, frames.split(QLatin1Char('|'))};
}

// Types a name into the next name prompt, or cancels it for a null name.
void answerNamePrompt(const QString &name)
{
    QTimer::singleShot(0, [name] {
        auto *input = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
        QVERIFY(input);
        QCOMPARE(input->windowTitle(), QStringLiteral("自定义画面分割"));
        QCOMPARE(input->labelText(), QStringLiteral("画面分割名称"));
        if (name.isNull()) {
            input->reject();
            return;
        }
        input->setTextValue(name);
        input->accept();
    });
}

} // namespace

class TstLayoutEditor final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { vexotest::installSlotWarningGuard(); }
    void init() { QVERIFY(config()->writeSceneFrameLayout({})); }

    void completeLayouts_data();
    void completeLayouts();
    void names_data();
    void names();
    void marking_data();
    void marking();
    void division();
    void workingCopies();
    void randomEditsStayComplete();

private:
    static void click(CustomWindowSettingWidget &editor, const char *button)
    {
        QTest::mouseClick(editor.findChild<QPushButton *>(QLatin1String(button)), Qt::LeftButton);
    }
    static QListWidget *list(CustomWindowSettingWidget &editor)
    {
        return editor.findChild<QListWidget *>(QStringLiteral("listWidget"));
    }
    static QComboBox *division(CustomWindowSettingWidget &editor)
    {
        return editor.findChild<QComboBox *>(QStringLiteral("comboBox_framdivision"));
    }
};

void TstLayoutEditor::completeLayouts_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("frames");
    QTest::addColumn<bool>("complete");
    QTest::newRow("unit 2x2") << 2 << "0,0,1,1|0,1,1,1|1,0,1,1|1,1,1,1" << true;
    QTest::newRow("merged 3x3") << 3 << "0,0,2,2|0,2,1,1|1,2,1,1|2,0,1,3" << true;
    QTest::newRow("one cell") << 1 << "0,0,1,1" << true;
    QTest::newRow("gap") << 2 << "0,0,1,2|1,0,1,1" << false;
    QTest::newRow("overlap") << 2 << "0,0,2,2|1,1,1,1" << false;
    QTest::newRow("outside") << 2 << "0,0,1,1|0,1,1,1|1,0,1,1|1,1,1,2" << false;
    QTest::newRow("malformed") << 2 << "0,0,1,1|0,1|1,0,1,1|1,1,1,1" << false;
    QTest::newRow("size 4") << 4 << QString(unitFrames(4).join(QLatin1Char('|'))) << false;
    QTest::newRow("empty") << 2 << "" << false;
}

void TstLayoutEditor::completeLayouts()
{
    QFETCH(int, size);
    QFETCH(QString, frames);
    QTEST(isCompleteLayout(layout({}, size, frames)), "complete");
}

void TstLayoutEditor::names_data()
{
    QTest::addColumn<QString>("name"); // null: the prompt is cancelled
    QTest::addColumn<bool>("added");
    QTest::newRow("cancelled") << QString() << false;
    QTest::newRow("empty") << QString(QLatin1String("")) << false;
    QTest::newRow("duplicate") << QStringLiteral("Line") << false;
    QTest::newRow("other case") << QStringLiteral("line") << true;
    QTest::newRow("blanks") << QStringLiteral("   ") << true;
    QTest::newRow("comma") << QStringLiteral("a,b") << false;
    QTest::newRow("slash") << QStringLiteral("a/") << false;
    QTest::newRow("non-Latin") << QStringLiteral("产线 Ωmega ☃") << true;
    QTest::newRow("ini syntax") << QStringLiteral("[x]=y;#%\\\"") << true;
    QTest::newRow("very long") << QString(3000, QChar(0x76F8)) << true;
}

void TstLayoutEditor::names()
{
    QFETCH(QString, name);
    QFETCH(bool, added);
    const SceneFrameLayout line = layout(QStringLiteral("Line"), 2, unitFrames(2).join(QLatin1Char('|')));
    CustomWindowSettingWidget editor({line});
    ModalAnswer box;
    answerNamePrompt(name);
    click(editor, "pushButton_addFram");
    box.stop();
    QCOMPARE(list(editor)->count(), added ? 2 : 1);
    // Only a name that was typed and refused gets the message.
    QCOMPARE(box.fired(), !added && !name.isNull());
    if (box.fired()) {
        QCOMPARE(box.title(), QStringLiteral("提示"));
        QCOMPARE(box.text(), QStringLiteral("创建失败，请检查名称是否重复或者为空"));
        QCOMPARE(box.icon(), QMessageBox::Critical);
    }
    // Every accepted name comes back from the file as it was typed.
    click(editor, "pushButton_save");
    QCOMPARE(editor.result(), int(QDialog::Accepted));
    const QVector<SceneFrameLayout> stored = config()->readSceneFrameLayout();
    QCOMPARE(stored.size(), list(editor)->count());
    if (added) {
        QCOMPARE(stored.at(1).name, name);
        QCOMPARE(stored.at(1).frameLayoutList, unitFrames(2));
    }
}

void TstLayoutEditor::marking_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("frames");
    QTest::addColumn<QStringList>("marked");
    QTest::addColumn<int>("pressed");
    QTest::addColumn<QString>("afterMerge"); // empty: merge stays disabled
    const QString unit2 = unitFrames(2).join(QLatin1Char('|'));
    QTest::newRow("top two") << 2 << unit2 << QStringList{"0,0,1,1", "0,1,1,1"} << int(Qt::LeftButton)
                             << "0,0,1,2|1,0,1,1|1,1,1,1";
    QTest::newRow("diagonal") << 2 << unit2 << QStringList{"0,0,1,1", "1,1,1,1"} << int(Qt::LeftButton) << "";
    QTest::newRow("L shape") << 2 << unit2 << QStringList{"0,0,1,1", "1,0,1,1", "1,1,1,1"}
                             << int(Qt::LeftButton) << "";
    QTest::newRow("single, right button")
        << 2 << unit2 << QStringList{"1,0,1,1"} << int(Qt::RightButton) << unit2;
    QTest::newRow("merged frames") << 3 << "0,0,1,2|0,2,1,1|1,0,1,2|1,2,1,1|2,0,1,1|2,1,1,1|2,2,1,1"
                                   << QStringList{"0,0,1,2", "1,0,1,2"} << int(Qt::LeftButton)
                                   << "0,0,2,2|0,2,1,1|1,2,1,1|2,0,1,1|2,1,1,1|2,2,1,1";
    QTest::newRow("frame sticking out") << 3 << "0,0,2,1|0,1,1,1|0,2,1,1|1,1,1,2|2,0,1,3"
                                        << QStringList{"0,0,2,1", "0,1,1,1"} << int(Qt::LeftButton) << "";
}

void TstLayoutEditor::marking()
{
    QFETCH(int, size);
    QFETCH(QString, frames);
    QFETCH(QStringList, marked);
    QFETCH(int, pressed);
    const auto button = Qt::MouseButton(pressed);
    QFETCH(QString, afterMerge);
    CustomWindowSettingWidget editor({layout(QStringLiteral("A"), size, frames)});
    editor.show();
    auto *merge = editor.findChild<QPushButton *>(QStringLiteral("pushButton_merge"));
    QVERIFY(!merge->isEnabled());
    list(editor)->setCurrentRow(0);
    QCOMPARE(editor.previewFrames(), frames.split(QLatin1Char('|')));
    for (const QString &frame : marked)
        QTest::mouseClick(editor.previewCell(frame), button);
    // A double click toggles once: the widget gets a press, then a
    // double-click event in place of the second press.
    QLabel *first = editor.previewCell(marked.first());
    QTest::mouseClick(first, button);
    QMouseEvent second(QEvent::MouseButtonDblClick, QPointF(2, 2), button, button, Qt::NoModifier);
    QApplication::sendEvent(first, &second);
    QTest::mouseClick(first, button);
    QCOMPARE(first->styleSheet(), QStringLiteral("border: 1px solid red;"));
    QCOMPARE(merge->isEnabled(), !afterMerge.isEmpty());
    if (afterMerge.isEmpty())
        return;
    click(editor, "pushButton_merge");
    QVERIFY(!merge->isEnabled());
    click(editor, "pushButton_save");
    QCOMPARE(config()->readSceneFrameLayout().at(0).frameLayoutList, afterMerge.split(QLatin1Char('|')));
}

void TstLayoutEditor::division()
{
    const QString merged3 = QStringLiteral("0,0,2,2|0,2,1,1|1,2,1,1|2,0,1,1|2,1,1,1|2,2,1,1");
    CustomWindowSettingWidget editor({layout(QStringLiteral("Big"), 3, merged3)});
    editor.show();
    // New layouts take the division shown when they are first displayed.
    for (int index : {1, 0}) {
        division(editor)->setCurrentIndex(index);
        answerNamePrompt(QStringLiteral("new %1").arg(index));
        click(editor, "pushButton_addFram");
        QCOMPARE(editor.previewFrames(), unitFrames(index == 1 ? 3 : 2));
    }
    // A stored 3x3 shows "3x3" and keeps its frames.
    list(editor)->setCurrentRow(0);
    QCOMPARE(division(editor)->currentIndex(), 1);
    QCOMPARE(editor.previewFrames(), merged3.split(QLatin1Char('|')));
    // Dividing with nothing marked changes nothing; a marked 2x2 frame
    // becomes four unit cells.
    click(editor, "pushButton_division");
    QCOMPARE(editor.previewFrames().size(), 6);
    QTest::mouseClick(editor.previewCell(QStringLiteral("0,0,2,2")), Qt::LeftButton);
    click(editor, "pushButton_division");
    QCOMPARE(editor.previewFrames(), unitFrames(3));
    // Merge again, then a new division discards the merge.
    QTest::mouseClick(editor.previewCell(QStringLiteral("2,1,1,1")), Qt::LeftButton);
    QTest::mouseClick(editor.previewCell(QStringLiteral("2,2,1,1")), Qt::LeftButton);
    click(editor, "pushButton_merge");
    QVERIFY(editor.previewFrames().contains(QStringLiteral("2,1,1,2")));
    division(editor)->setCurrentIndex(0);
    QCOMPARE(editor.previewFrames(), unitFrames(2));
    QCOMPARE(editor.layouts().at(0).row, 2);
}

void TstLayoutEditor::workingCopies()
{
    const QString halves = QStringLiteral("0,0,1,2|1,0,1,2");
    const QVector<SceneFrameLayout> stored{
        layout(QStringLiteral("A"), 2, unitFrames(2).join(QLatin1Char('|'))),
        layout(QStringLiteral("B"), 2, halves),
        layout(QStringLiteral("C"), 3, unitFrames(3).join(QLatin1Char('|')))};
    QVERIFY(config()->writeSceneFrameLayout(stored));
    QFile file(config()->getSavePath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    {
        // Edits, additions and deletions are lost when the editor is closed.
        CustomWindowSettingWidget editor(stored);
        editor.show();
        list(editor)->setCurrentRow(0);
        QTest::mouseClick(editor.previewCell(QStringLiteral("0,0,1,1")), Qt::LeftButton);
        QTest::mouseClick(editor.previewCell(QStringLiteral("1,0,1,1")), Qt::LeftButton);
        click(editor, "pushButton_merge");
        // Switching away and back keeps the merge.
        list(editor)->setCurrentRow(1);
        list(editor)->setCurrentRow(0);
        QCOMPARE(editor.previewFrames(), (QStringList{"0,0,2,1", "0,1,1,1", "1,1,1,1"}));
        // 30 more layouts, added and deleted in quick turns.
        for (int i = 0; i < 40; ++i) {
            answerNamePrompt(QStringLiteral("扩展 %1").arg(i));
            click(editor, "pushButton_addFram");
            if (i % 4 == 3)
                click(editor, "pushButton_deleteFram");
        }
        QCOMPARE(list(editor)->count(), 33);
        // Deleting the shown layout leaves the others as they were.
        list(editor)->setCurrentRow(1);
        click(editor, "pushButton_deleteFram");
        QCOMPARE(editor.layouts().at(0).frameLayoutList, (QStringList{"0,0,2,1", "0,1,1,1", "1,1,1,1"}));
        QCOMPARE(editor.layouts().at(1).frameLayoutList, stored.at(2).frameLayoutList);
        editor.reject();
    }
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
    file.close();

    // Save with nothing selected writes every record as it stands.
    CustomWindowSettingWidget editor(stored);
    list(editor)->setCurrentRow(1);
    QTest::mouseClick(editor.previewCell(QStringLiteral("0,0,1,2")), Qt::LeftButton);
    click(editor, "pushButton_division");
    list(editor)->clearSelection();
    click(editor, "pushButton_save");
    const QVector<SceneFrameLayout> saved = config()->readSceneFrameLayout();
    QCOMPARE(saved.size(), 3);
    QCOMPARE(saved.at(1).frameLayoutList, (QStringList{"0,0,1,1", "0,1,1,1", "1,0,1,2"}));
    QCOMPARE(saved.at(2).frameLayoutList, stored.at(2).frameLayoutList);
}

void TstLayoutEditor::randomEditsStayComplete()
{
    // Whatever the user clicks, the preview and every saved layout stay
    // complete grids the main window can place.
    QRandomGenerator random(8);
    CustomWindowSettingWidget editor({});
    editor.show();
    int names = 0;
    for (int step = 0; step < 600; ++step) {
        const int choice = random.bounded(20);
        if (choice == 0 || list(editor)->count() == 0) {
            answerNamePrompt(QString::number(names++));
            click(editor, "pushButton_addFram");
        } else if (choice == 1) {
            click(editor, "pushButton_deleteFram");
        } else if (choice == 2) {
            list(editor)->setCurrentRow(random.bounded(list(editor)->count()));
        } else if (choice == 3) {
            division(editor)->setCurrentIndex(random.bounded(2));
        } else if (choice < 6) {
            click(editor, choice == 4 ? "pushButton_merge" : "pushButton_division");
        } else if (!editor.previewFrames().isEmpty()) {
            const QStringList frames = editor.previewFrames();
            QTest::mouseClick(editor.previewCell(frames.at(random.bounded(frames.size()))), Qt::LeftButton);
        }
        if (QListWidgetItem *item = list(editor)->currentItem(); item && item->isSelected()) {
            const SceneFrameLayout shown = editor.layouts().at(list(editor)->row(item));
            QVERIFY2(isCompleteLayout(layout({}, shown.row, editor.previewFrames().join(QLatin1Char('|')))),
                     qPrintable(editor.previewFrames().join(QLatin1Char('|'))));
        }
    }
    click(editor, "pushButton_save");
    for (const SceneFrameLayout &saved : config()->readSceneFrameLayout())
        QVERIFY2(isCompleteLayout(saved), qPrintable(saved.frameLayoutList.join(QLatin1Char('|'))));
}

VEXO_QTEST_MAIN(TstLayoutEditor)
#include "tst_layouteditor.moc"
