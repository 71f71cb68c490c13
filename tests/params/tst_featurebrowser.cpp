// The feature browser on a simulated camera: the tree and its columns, the
// search, a typed value written once when editing is finished and read back,
// a refusal with the camera's reason, grey-outs that follow the camera, and
// commands as buttons.
#include "VexoCameraSDK.h"
#include "VexoCameraSim.h"
#include "formchild.h"
#include "modalhelper.h"
#include "params/featurebrowser.h"
#include "params/parameterdock.h"
#include "params/parameterpanel.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTreeWidget>
#include <QtTest>

#include <limits>

namespace {

QTreeWidgetItem *findFeature(QTreeWidget *tree, const QString &name)
{
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        if ((*it)->data(0, Qt::UserRole).toString() == name)
            return *it;
    }
    return nullptr;
}

int tracedCalls(const char *function)
{
    int n = 0;
    char line[512];
    for (int i = 0; i < VexoSimTraceCount(); ++i) {
        if (VexoSimTraceLine(i, line, sizeof line) == CAMERA_STATUS_SUCCESS &&
            QByteArray(line).startsWith(QByteArray(function) + '('))
            ++n;
    }
    return n;
}

} // namespace

class TestFeatureBrowser : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(CameraInitEx3(&m_handle, "DOCK-GIGE") == CAMERA_STATUS_SUCCESS);
        QCOMPARE(CameraSetAeState(m_handle, 0), CAMERA_STATUS_SUCCESS);
        QCOMPARE(CameraSetTriggerMode(m_handle, CAMERA_TRIGGER_CONTINUOUS), CAMERA_STATUS_SUCCESS);
        m_browser = std::make_unique<FeatureBrowser>();
        m_browser->resize(500, 600);
        m_browser->setCamera(m_handle);
        m_browser->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_browser.get()));
        m_tree = child<QTreeWidget>(m_browser.get(), "treeWidget_features");
    }

    void cleanup()
    {
        m_browser.reset();
        CameraUnInit(m_handle);
        m_handle = nullptr;
        VexoSimTraceEnable(0);
    }

    void treeShowsTheCamerasFeaturesUnderTheirCategories()
    {
        QTreeWidgetItem *exposure = findFeature(m_tree, QStringLiteral("ExposureTime"));
        QVERIFY(exposure);
        QCOMPARE(exposure->parent()->data(0, Qt::UserRole).toString(), QStringLiteral("AcquisitionControl"));
        double us = 0;
        QCOMPARE(CameraGetExposureTime(m_handle, &us), CAMERA_STATUS_SUCCESS);
        QCOMPARE(exposure->text(1), QString::number(us));
        QCOMPARE(exposure->text(2), QStringLiteral("us"));
        QCOMPARE(exposure->text(4), QStringLiteral("读写"));
        QVERIFY(!exposure->text(5).isEmpty());
        QVERIFY(exposure->toolTip(0).contains(QStringLiteral("ExposureTime")));
        QCOMPARE(findFeature(m_tree, QStringLiteral("DeviceSerialNumber"))->text(1),
                 QStringLiteral("DOCK-GIGE"));

        auto *search = child<QLineEdit>(m_browser.get(), "lineEdit_featureSearch");
        search->setText(QStringLiteral("expo"));
        QVERIFY(!exposure->isHidden());
        QVERIFY(findFeature(m_tree, QStringLiteral("Width"))->isHidden());
        QVERIFY(findFeature(m_tree, QStringLiteral("ImageFormatControl"))->isHidden());
        search->clear();
        QVERIFY(!findFeature(m_tree, QStringLiteral("Width"))->isHidden());
    }

    // Typing sends nothing; Enter writes once, and the tree reads back.
    void typedValueIsWrittenOnceWhenEditingIsFinished()
    {
        QSignalSpy changed(m_browser.get(), &FeatureBrowser::cameraChanged);
        VexoSimTraceClear();
        VexoSimTraceEnable(1);
        QTreeWidgetItem *exposure = findFeature(m_tree, QStringLiteral("ExposureTime"));
        m_tree->editItem(exposure, 1);
        auto *editor = m_tree->findChild<QLineEdit *>();
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, QStringLiteral("4321.5"));
        QCOMPARE(tracedCalls("CameraSetFeatureValue"), 0);
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(tracedCalls("CameraSetFeatureValue"), 1);
        double us = 0;
        QCOMPARE(CameraGetExposureTime(m_handle, &us), CAMERA_STATUS_SUCCESS);
        QCOMPARE(us, 4321.5);
        QCOMPARE(findFeature(m_tree, QStringLiteral("ExposureTime"))->text(1), QStringLiteral("4321.5"));
        QCOMPARE(changed.count(), 1);

        // An entry is written when picked.
        QCOMPARE(CameraSetMirror(m_handle, 0, 0), CAMERA_STATUS_SUCCESS);
        m_browser->refresh();
        m_tree->editItem(findFeature(m_tree, QStringLiteral("ReverseX")), 1);
        auto *box = m_tree->findChild<QComboBox *>();
        QVERIFY(box);
        const int on = box->findText(QStringLiteral("true"));
        QVERIFY(on >= 0);
        box->setCurrentIndex(on);
        emit box->activated(on);
        QTRY_COMPARE(tracedCalls("CameraSetFeatureValue"), 2);
        int mirrored = 0;
        QCOMPARE(CameraGetMirror(m_handle, 0, &mirrored), CAMERA_STATUS_SUCCESS);
        QCOMPARE(mirrored, 1);
    }

    void refusalShowsTheReasonAndKeepsTheCameraValue()
    {
        double before = 0;
        QCOMPARE(CameraGetExposureTime(m_handle, &before), CAMERA_STATUS_SUCCESS);
        ModalAnswer answer(QStringLiteral("确定"));
        QVERIFY(!m_browser->writeFeature(QStringLiteral("ExposureTime"), QStringLiteral("-3")));
        QVERIFY(answer.fired());
        QCOMPARE(answer.title(), QStringLiteral("错误"));
        QVERIFY2(answer.text().contains(QStringLiteral("outside")), qPrintable(answer.text()));
        QCOMPARE(findFeature(m_tree, QStringLiteral("ExposureTime"))->text(1), QString::number(before));
    }

    // Grey-outs follow the camera: automatic exposure owns the exposure time,
    // a software trigger exists only while the camera waits for one.
    void availabilityFollowsTheCamera()
    {
        QVERIFY(m_browser->writeFeature(QStringLiteral("ExposureAuto"), QStringLiteral("Continuous")));
        QTreeWidgetItem *exposure = findFeature(m_tree, QStringLiteral("ExposureTime"));
        QVERIFY(!(exposure->flags() & Qt::ItemIsEditable));
        QCOMPARE(exposure->text(4), QStringLiteral("只读"));

        QTreeWidgetItem *trigger = findFeature(m_tree, QStringLiteral("TriggerSoftware"));
        auto *button = qobject_cast<QPushButton *>(m_tree->itemWidget(trigger, 1));
        QVERIFY(button && !button->isEnabled());
        QVERIFY(!(trigger->flags() & Qt::ItemIsEnabled));
        // The fixed calls change the camera; the page reads it again when shown.
        QCOMPARE(CameraSetTriggerMode(m_handle, CAMERA_TRIGGER_SOFTWARE), CAMERA_STATUS_SUCCESS);
        m_browser->hide();
        m_browser->show();
        trigger = findFeature(m_tree, QStringLiteral("TriggerSoftware"));
        button = qobject_cast<QPushButton *>(m_tree->itemWidget(trigger, 1));
        QVERIFY(button && button->isEnabled());
        QCOMPARE(CameraPlay(m_handle), CAMERA_STATUS_SUCCESS);
        VexoSimTraceClear();
        VexoSimTraceEnable(1);
        button->click();
        QCOMPARE(tracedCalls("CameraExecuteFeature"), 1);
    }

    // A camera back after a loss may hold other values: the page shows them,
    // though the dock's fill gives it the same handle as before.
    void cameraBackAfterALossIsReadAgain()
    {
        ParameterDock dock;
        dock.panel()->initDeviceSetting(m_handle);
        child<QTabWidget>(&dock, "tabWidget")->setCurrentWidget(dock.featureBrowser());
        dock.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dock));
        QTreeWidget *tree = child<QTreeWidget>(dock.featureBrowser(), "treeWidget_features");
        const QString before = findFeature(tree, QStringLiteral("ExposureTime"))->text(1);
        QCOMPARE(CameraSetExposureTime(m_handle, before.toDouble() * 2), CAMERA_STATUS_SUCCESS);
        double us = 0;
        QCOMPARE(CameraGetExposureTime(m_handle, &us), CAMERA_STATUS_SUCCESS);
        dock.showCameraLost(QStringLiteral("away"));
        dock.panel()->initDeviceSetting(m_handle);
        QCOMPARE(findFeature(tree, QStringLiteral("ExposureTime"))->text(1), QString::number(us));
        QVERIFY(QString::number(us) != before);
    }

    // Limits a camera does not have (a computed value, a float without a
    // step) are shown as none, not as the ends of the number types.
    void rangeShowsOnlyTheCamerasOwnLimits()
    {
        const qint64 lowest = std::numeric_limits<qint64>::min(),
                     highest = std::numeric_limits<qint64>::max();
        const double huge = std::numeric_limits<double>::max();
        const struct
        {
            int type;
            qint64 min, max, increment;
            double fmin, fmax, fincrement;
            const char *shown;
        } cases[] = {
            {CAMERA_FEATURE_INTEGER, 1, 2048, 1, 0, 0, 0, "1 ~ 2048"},
            {CAMERA_FEATURE_INTEGER, 220, 16404, 4, 0, 0, 0, "220 ~ 16404，步长 4"},
            {CAMERA_FEATURE_INTEGER, lowest, highest, 1, 0, 0, 0, ""},
            {CAMERA_FEATURE_INTEGER, 0, highest, 1, 0, 0, 0, "0 ~ 9223372036854775807"},
            {CAMERA_FEATURE_FLOAT, 0, 0, 0, 10, 1e7, 0, "10 ~ 10000000"},
            {CAMERA_FEATURE_FLOAT, 0, 0, 0, 0, 1, 0.25, "0 ~ 1，步长 0.25"},
            {CAMERA_FEATURE_FLOAT, 0, 0, 0, -huge, huge, 0, ""},
        };
        for (const auto &c : cases) {
            FeatureRow row;
            row.type = c.type;
            row.intMin = c.min;
            row.intMax = c.max;
            row.intIncrement = c.increment;
            row.floatMin = c.fmin;
            row.floatMax = c.fmax;
            row.floatIncrement = c.fincrement;
            QCOMPARE(featuretree::rangeText(row), QString::fromUtf8(c.shown));
        }
    }

private:
    CameraHandle m_handle = nullptr;
    std::unique_ptr<FeatureBrowser> m_browser;
    QTreeWidget *m_tree = nullptr;
};

QTEST_MAIN(TestFeatureBrowser)
#include "tst_featurebrowser.moc"
