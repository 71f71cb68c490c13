#include "params/featurebrowser.h"

#include "messagebox.h"
#include "ui_featurebrowser.h"

#include <QComboBox>
#include <QHash>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QStandardItemModel>
#include <QStyledItemDelegate>
#include <QTimer>

#include <functional>

namespace {

enum Column { ColumnName, ColumnValue, ColumnUnit, ColumnType, ColumnAccess, ColumnRange };
constexpr int kNameRole = Qt::UserRole;
constexpr int kPathRole = Qt::UserRole + 1; // categories: their path

// Edits the value column: a list for enumerations and booleans, a line for
// the rest. Nothing is written while typing; the write goes to the browser
// once the editor commits (Enter, leaving it, picking an entry), after the
// editor has closed, so the tree it rebuilds is not under the editor's feet.
class FeatureValueDelegate final : public QStyledItemDelegate
{
public:
    explicit FeatureValueDelegate(FeatureBrowser *browser) : QStyledItemDelegate(browser), m_browser(browser)
    {
    }

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &,
                          const QModelIndex &index) const override
    {
        const FeatureRow *row = rowAt(index);
        if (index.column() != ColumnValue || row == nullptr || !row->editable()) {
            return nullptr;
        }
        auto *self = const_cast<FeatureValueDelegate *>(this);
        if (row->type == CAMERA_FEATURE_ENUMERATION || row->type == CAMERA_FEATURE_BOOLEAN) {
            auto *box = new QComboBox(parent);
            if (row->type == CAMERA_FEATURE_BOOLEAN) {
                box->addItems({QStringLiteral("true"), QStringLiteral("false")});
            } else {
                box->addItems(row->entries);
                auto *model = qobject_cast<QStandardItemModel *>(box->model());
                for (int i = 0; i < row->entries.size(); ++i) {
                    if (!row->entryAvailable.value(i, true) && model != nullptr) {
                        model->item(i)->setEnabled(false);
                    }
                }
            }
            box->setCurrentText(row->shownValue());
            connect(box, QOverload<int>::of(&QComboBox::activated), self, [self, box] {
                emit self->commitData(box);
                emit self->closeEditor(box);
            });
            return box;
        }
        auto *line = new QLineEdit(parent);
        line->setText(row->value);
        line->setMaxLength(CAMERA_FEATURE_VALUE_BUFFER - 1);
        return line;
    }

    void setEditorData(QWidget *, const QModelIndex &) const override {} // filled once, at creation

    void setModelData(QWidget *editor, QAbstractItemModel *, const QModelIndex &index) const override
    {
        const FeatureRow *row = rowAt(index);
        if (row == nullptr) {
            return;
        }
        QString text;
        if (auto *box = qobject_cast<QComboBox *>(editor)) {
            text = box->currentText();
        } else if (auto *line = qobject_cast<QLineEdit *>(editor)) {
            text = line->text();
        }
        if (text == row->value || text == row->shownValue()) {
            return; // nothing changed: nothing is sent
        }
        const QString name = row->name;
        QTimer::singleShot(0, m_browser,
                           [browser = m_browser, name, text] { browser->writeFeature(name, text); });
    }

private:
    const FeatureRow *rowAt(const QModelIndex &index) const
    {
        return m_browser->row(index.sibling(index.row(), ColumnName).data(kNameRole).toString());
    }

    FeatureBrowser *m_browser;
};

} // namespace

FeatureBrowser::FeatureBrowser(QWidget *parent) : QWidget(parent), ui(std::make_unique<Ui::FeatureBrowser>())
{
    ui->setupUi(this);
    ui->treeWidget_features->setItemDelegate(new FeatureValueDelegate(this));
}

FeatureBrowser::~FeatureBrowser() = default;

void FeatureBrowser::setCamera(CameraHandle handle)
{
    if (handle == m_camera && !m_rows.isEmpty() && !m_stale) {
        return; // the same camera again (the dock read it anew): the tree stands
    }
    m_camera = handle;
    m_stale = false;
    if (isVisible()) {
        refresh();
    } else {
        // Read when the page is shown: a hidden page costs the camera nothing.
        m_rows.clear();
        rebuild();
    }
}

const FeatureRow *FeatureBrowser::row(const QString &name) const
{
    for (const FeatureRow &r : m_rows) {
        if (r.name == name && !r.isCategory()) {
            return &r;
        }
    }
    return nullptr;
}

void FeatureBrowser::refresh()
{
    m_stale = false;
    m_rows.clear();
    CameraSdkStatus status = CAMERA_STATUS_SUCCESS;
    if (m_camera != nullptr) {
        status = featuretree::read(m_camera, &m_rows);
    }
    rebuild();
    if (m_camera == nullptr) {
        ui->label_featureStatus->clear();
    } else if (status != CAMERA_STATUS_SUCCESS) {
        ui->label_featureStatus->setText(tr("读取相机特性失败, 错误码:%1").arg(status));
    } else {
        int features = 0;
        for (const FeatureRow &r : m_rows) {
            features += r.isCategory() ? 0 : 1;
        }
        ui->label_featureStatus->setText(tr("共 %1 个特性").arg(features));
    }
}

void FeatureBrowser::rebuild()
{
    QTreeWidget *tree = ui->treeWidget_features;
    // What the operator had open stays open; a first tree opens entirely.
    QSet<QString> expanded;
    const bool first = tree->topLevelItemCount() == 0;
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        if ((*it)->isExpanded()) {
            expanded.insert((*it)->data(ColumnName, kPathRole).toString());
        }
    }
    tree->setUpdatesEnabled(false);
    tree->clear();
    QHash<QString, QTreeWidgetItem *> categories;
    QList<QTreeWidgetItem *> top;
    QList<QPair<QTreeWidgetItem *, const FeatureRow *>> commands;
    for (const FeatureRow &r : m_rows) {
        auto *item = new QTreeWidgetItem;
        item->setText(ColumnName, r.displayName);
        item->setData(ColumnName, kNameRole, r.name);
        const QString tip = r.description.isEmpty() ? r.name : r.name + QLatin1Char('\n') + r.description;
        item->setToolTip(ColumnName, tip);
        if (r.isCategory()) {
            const QString path = r.category.isEmpty() ? r.name : r.category + QLatin1Char('/') + r.name;
            item->setData(ColumnName, kPathRole, path);
            item->setFlags(Qt::ItemIsEnabled);
            categories.insert(path, item);
        } else {
            item->setText(ColumnValue, r.shownValue());
            item->setToolTip(ColumnValue, tip);
            item->setText(ColumnUnit, r.unit);
            item->setText(ColumnType, featuretree::typeText(r.type));
            item->setText(ColumnAccess, featuretree::accessText(r.access));
            item->setText(ColumnRange, featuretree::rangeText(r));
            Qt::ItemFlags flags = Qt::ItemIsSelectable;
            if (r.access != CAMERA_FEATURE_ACCESS_NONE) {
                flags |= Qt::ItemIsEnabled;
            }
            if (r.editable()) {
                flags |= Qt::ItemIsEditable;
            }
            item->setFlags(flags);
            if (r.type == CAMERA_FEATURE_COMMAND) {
                commands.append({item, &r});
            }
        }
        if (QTreeWidgetItem *parent = categories.value(r.category)) {
            parent->addChild(item);
        } else {
            top.append(item);
        }
    }
    tree->insertTopLevelItems(0, top);
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        const QString path = (*it)->data(ColumnName, kPathRole).toString();
        if (!path.isEmpty() && (first || expanded.contains(path))) {
            (*it)->setExpanded(true);
        }
    }
    for (const auto &[item, r] : commands) {
        auto *button = new QPushButton(tr("执行"), tree);
        button->setObjectName(QStringLiteral("pushButton_feature_") + r->name);
        button->setEnabled(r->access == CAMERA_FEATURE_ACCESS_WRITE);
        button->setToolTip(item->toolTip(ColumnName));
        const QString name = r->name;
        connect(button, &QPushButton::clicked, this, [this, name] { executeFeature(name); });
        tree->setItemWidget(item, ColumnValue, button);
    }
    applySearch();
    tree->setUpdatesEnabled(true);
    if (first && !m_rows.isEmpty()) {
        tree->resizeColumnToContents(ColumnName);
    }
}

void FeatureBrowser::applySearch()
{
    const QString search = ui->lineEdit_featureSearch->text();
    // Children first, so a category knows whether anything below it shows.
    std::function<bool(QTreeWidgetItem *)> filter = [&](QTreeWidgetItem *item) {
        bool any = false;
        for (int i = 0; i < item->childCount(); ++i) {
            any = filter(item->child(i)) || any;
        }
        const bool category = !item->data(ColumnName, kPathRole).toString().isEmpty();
        const FeatureRow *r = category ? nullptr : row(item->data(ColumnName, kNameRole).toString());
        const bool shown =
            category ? any || search.trimmed().isEmpty() : r != nullptr && featuretree::matches(*r, search);
        item->setHidden(!shown);
        if (category && any && !search.trimmed().isEmpty()) {
            item->setExpanded(true);
        }
        return shown;
    };
    QTreeWidget *tree = ui->treeWidget_features;
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        filter(tree->topLevelItem(i));
    }
}

bool FeatureBrowser::writeFeature(const QString &name, const QString &text)
{
    if (m_camera == nullptr) {
        return false;
    }
    const CameraSdkStatus status =
        CameraSetFeatureValue(m_camera, name.toUtf8().constData(), text.toUtf8().constData());
    if (status != CAMERA_STATUS_SUCCESS) {
        refused(name, status);
        return false;
    }
    refresh(); // what the camera took, and what it allows now
    const FeatureRow *r = row(name);
    ui->label_featureStatus->setText(tr("%1 已设为 %2").arg(name, r != nullptr ? r->shownValue() : text));
    emit cameraChanged();
    return true;
}

bool FeatureBrowser::executeFeature(const QString &name)
{
    if (m_camera == nullptr) {
        return false;
    }
    const CameraSdkStatus status = CameraExecuteFeature(m_camera, name.toUtf8().constData());
    if (status != CAMERA_STATUS_SUCCESS) {
        refused(name, status);
        return false;
    }
    refresh();
    ui->label_featureStatus->setText(tr("%1 已执行").arg(name));
    emit cameraChanged();
    return true;
}

void FeatureBrowser::refused(const QString &name, CameraSdkStatus status)
{
    const QString reason = featuretree::lastError(m_camera);
    refresh(); // the tree shows the camera as it is, not as typed
    ui->label_featureStatus->setText(tr("%1 设置失败, 错误码:%2").arg(name).arg(status));
    vexo::showMessage(this, QMessageBox::Critical, tr("错误"),
                      tr("%1 设置失败, 错误码:%2\n%3").arg(name).arg(status).arg(reason), tr("确定"));
}

void FeatureBrowser::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        if (m_camera != nullptr) {
            refresh(); // the columns' own texts
        }
    }
    QWidget::changeEvent(event);
}

void FeatureBrowser::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_camera != nullptr) {
        refresh();
    }
}

void FeatureBrowser::on_pushButton_featureRefresh_clicked()
{
    refresh();
}

void FeatureBrowser::on_lineEdit_featureSearch_textChanged(const QString &)
{
    applySearch();
}
