// The layout editor on its own: names, division, marking, merge and divide,
// and what reaches Config.ini.
#include "config/configparameter.h"
#include "layouts/customwindowsettingwidget.h"
#include "layouts/layoutgrid.h"
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

const QString kUnit2 = QStringLiteral("0,0,1,1|0,1,1,1|1,0,1,1|1,1,1,1");

ConfigParameter *config()
{
    return ConfigParameter::getInstance();
}

SceneFrameLayout layout(const QString &name, int size, const QString &frames)
{
    return SceneFrameLayout{name, size, size, frames.split(QLatin1Char('|'))};
}

QString shown(const CustomWindowSettingWidget &editor)
{
    return editor.previewFrames().join(QLatin1Char('|'));
}

void click(QWidget &editor, const char *button)
{
    QTest::mouseClick(editor.findChild<QPushButton *>(QLatin1String(button)), Qt::LeftButton);
}

void clickCells(CustomWindowSettingWidget &editor, const QStringList &frames,
                Qt::MouseButton button = Qt::LeftButton)
{
    for (const QString &frame : frames)
        QTest::mouseClick(editor.previewCell(frame), button);
}

QListWidget *list(QWidget &editor)
{
    return editor.findChild<QListWidget *>();
}

QComboBox *division(QWidget &editor)
{
    return editor.findChild<QComboBox *>();
}

// Adds a layout, typing name into the prompt (a null name cancels it).
void add(QWidget &editor, const QString &name)
{
    QTimer::singleShot(0, [name] {
        auto *input = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
        QVERIFY(input);
        QCOMPARE(input->windowTitle() + input->labelText(), QStringLiteral("自定义画面分割画面分割名称"));
        input->setTextValue(name);
        name.isNull() ? input->reject() : input->accept();
    });
    click(editor, "pushButton_addFram");
}

} // namespace

class TstLayoutEditor final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { vexotest::installSlotWarningGuard(); }
    void init() { QVERIFY(config()->writeSceneFrameLayout({})); }

    void names_data();
    void names();
    void marking_data();
    void marking();
    void editsStayInTheEditorUntilSave();
    void randomEditsStayComplete();
};

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
    CustomWindowSettingWidget editor({layout(QStringLiteral("Line"), 2, kUnit2)});
    ModalAnswer box;
    add(editor, name);
    box.stop();
    // Only a name that was typed and refused gets the message.
    QCOMPARE(box.fired(), !added && !name.isNull());
    if (box.fired())
        QCOMPARE(box.title() + box.text(), QStringLiteral("提示创建失败，请检查名称是否重复或者为空"));
    // Every accepted name comes back from the file as it was typed.
    click(editor, "pushButton_save");
    QCOMPARE(editor.result(), int(QDialog::Accepted));
    const QVector<SceneFrameLayout> stored = config()->readSceneFrameLayout();
    QCOMPARE(stored.size(), added ? 2 : 1);
    if (added)
        QCOMPARE(stored.at(1).name + stored.at(1).frameLayoutList.join(QLatin1Char('|')), name + kUnit2);
}

void TstLayoutEditor::marking_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("frames");
    QTest::addColumn<QStringList>("marked");
    QTest::addColumn<QString>("afterMerge"); // empty: merge stays disabled
    QTest::newRow("top two") << 2 << kUnit2 << QStringList{"0,0,1,1", "0,1,1,1"} << "0,0,1,2|1,0,1,1|1,1,1,1";
    QTest::newRow("diagonal") << 2 << kUnit2 << QStringList{"0,0,1,1", "1,1,1,1"} << "";
    QTest::newRow("L shape") << 2 << kUnit2 << QStringList{"0,0,1,1", "1,0,1,1", "1,1,1,1"} << "";
    QTest::newRow("single") << 2 << kUnit2 << QStringList{"1,0,1,1"} << kUnit2;
    QTest::newRow("merged frames") << 3 << "0,0,1,2|0,2,1,1|1,0,1,2|1,2,1,1|2,0,1,1|2,1,1,1|2,2,1,1"
                                   << QStringList{"0,0,1,2", "1,0,1,2"}
                                   << "0,0,2,2|0,2,1,1|1,2,1,1|2,0,1,1|2,1,1,1|2,2,1,1";
    QTest::newRow("frame sticking out")
        << 3 << "0,0,2,1|0,1,1,1|0,2,1,1|1,1,1,2|2,0,1,3" << QStringList{"0,0,2,1", "0,1,1,1"} << "";
}

void TstLayoutEditor::marking()
{
    QFETCH(int, size);
    QFETCH(QString, frames);
    QFETCH(QStringList, marked);
    QFETCH(QString, afterMerge);
    CustomWindowSettingWidget editor({layout(QStringLiteral("A"), size, frames)});
    editor.show();
    auto *merge = editor.findChild<QPushButton *>(QStringLiteral("pushButton_merge"));
    list(editor)->setCurrentRow(0);
    QCOMPARE(shown(editor), frames);
    clickCells(editor, marked, Qt::RightButton);
    QLabel *first = editor.previewCell(marked.first());
    QCOMPARE(first->styleSheet(), QStringLiteral("border: 1px solid red;"));
    QCOMPARE(merge->isEnabled(), !afterMerge.isEmpty());
    if (afterMerge.isEmpty())
        return;
    click(editor, "pushButton_merge");
    QVERIFY(!merge->isEnabled());
    click(editor, "pushButton_save");
    QCOMPARE(config()->readSceneFrameLayout().at(0).frameLayoutList.join(QLatin1Char('|')), afterMerge);
}

void TstLayoutEditor::editsStayInTheEditorUntilSave()
{
    const QString merged3 = QStringLiteral("0,0,2,2|0,2,1,1|1,2,1,1|2,0,1,1|2,1,1,1|2,2,1,1");
    const QVector<SceneFrameLayout> stored{layout(QStringLiteral("A"), 2, kUnit2),
                                           layout(QStringLiteral("B"), 3, merged3)};
    QVERIFY(config()->writeSceneFrameLayout(stored));
    const auto fileBytes = [] {
        QFile file(config()->getSavePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QByteArray before = fileBytes();
    CustomWindowSettingWidget editor(stored);
    editor.show();
    // A stored 3x3 shows "3x3" with its own frames; dividing nothing
    // changes nothing, dividing the marked 2x2 frame gives unit cells.
    list(editor)->setCurrentRow(1);
    QCOMPARE(division(editor)->currentIndex(), 1);
    click(editor, "pushButton_division");
    QCOMPARE(shown(editor), merged3);
    clickCells(editor, {QStringLiteral("0,0,2,2")});
    click(editor, "pushButton_division");
    QCOMPARE(editor.previewFrames(), unitFrames(3));
    // A merge survives switching away and back, not a new division.
    clickCells(editor, {QStringLiteral("2,1,1,1"), QStringLiteral("2,2,1,1")});
    click(editor, "pushButton_merge");
    list(editor)->setCurrentRow(0);
    QCOMPARE(division(editor)->currentIndex(), 0);
    list(editor)->setCurrentRow(1);
    QVERIFY(shown(editor).endsWith(QLatin1String("2,1,1,2")));
    division(editor)->setCurrentIndex(0);
    QCOMPARE(shown(editor), kUnit2);
    // New layouts take the division shown when they first appear; 40
    // added and some deleted in quick turns.
    for (int i = 0; i < 40; ++i) {
        division(editor)->setCurrentIndex(i % 2);
        add(editor, QStringLiteral("扩展 %1").arg(i));
        QCOMPARE(editor.previewFrames(), unitFrames(i % 2 ? 3 : 2));
        if (i % 4 == 3)
            click(editor, "pushButton_deleteFram");
    }
    QCOMPARE(list(editor)->count(), 32);
    // Deleting the shown layout leaves the others as they were.
    list(editor)->setCurrentRow(0);
    click(editor, "pushButton_deleteFram");
    QCOMPARE(editor.layouts().at(0).frameLayoutList.join(QLatin1Char('|')), kUnit2);
    QCOMPARE(editor.layouts().at(0).name, QStringLiteral("B"));
    editor.close();
    QCOMPARE(editor.result(), int(QDialog::Rejected));
    QCOMPARE(fileBytes(), before);
}

void TstLayoutEditor::randomEditsStayComplete()
{
    // The check itself: gaps, overlaps and frames outside fail it.
    for (const char *bad : {"0,0,1,2|1,0,1,1", "0,0,2,2|1,1,1,1", "0,0,1,1|0,1,1,1|1,0,1,1|1,1,1,2", "0,0|1"})
        QVERIFY(!isUsableLayout(layout({}, 2, QLatin1String(bad))));
    // Whatever the user clicks, the preview and every saved layout stay
    // complete grids the main window can place.
    QRandomGenerator random(8);
    CustomWindowSettingWidget editor({});
    editor.show();
    int names = 0;
    for (int step = 0; step < 600; ++step) {
        const int choice = random.bounded(20);
        if (choice == 0 || list(editor)->count() == 0)
            add(editor, QString::number(names++));
        else if (choice == 1)
            click(editor, "pushButton_deleteFram");
        else if (choice == 2)
            list(editor)->setCurrentRow(random.bounded(list(editor)->count()));
        else if (choice == 3)
            division(editor)->setCurrentIndex(random.bounded(2));
        else if (choice < 6)
            click(editor, choice == 4 ? "pushButton_merge" : "pushButton_division");
        else if (!editor.previewFrames().isEmpty())
            clickCells(editor, {editor.previewFrames().at(random.bounded(editor.previewFrames().size()))});
        if (QListWidgetItem *item = list(editor)->currentItem(); item && item->isSelected()) {
            const int size = editor.layouts().at(list(editor)->row(item)).row;
            QVERIFY2(isUsableLayout(layout({}, size, shown(editor))), qPrintable(shown(editor)));
        }
    }
    click(editor, "pushButton_save");
    for (const SceneFrameLayout &saved : config()->readSceneFrameLayout())
        QVERIFY2(isUsableLayout(saved), qPrintable(saved.frameLayoutList.join(QLatin1Char('|'))));
}

VEXO_QTEST_MAIN(TstLayoutEditor)
#include "tst_layouteditor.moc"
