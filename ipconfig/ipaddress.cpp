#include "ipaddress.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QToolTip>

#include <memory>

namespace {

// One field: the numbers 0 to 255.
const char *const kFieldPattern = "(2[0-5]{2}|2[0-4][0-9]|1?[0-9]{1,2})";
const char *const kAddressPattern =
    "((2[0-4]\\d|25[0-5]|[01]?\\d\\d?)\\.){3}(2[0-4]\\d|25[0-5]|[01]?\\d\\d?)";

} // namespace

IPAddress::IPAddress(QWidget *parent)
    : QWidget(parent), bgColor(QStringLiteral("#FFFFFF")), borderColor(QStringLiteral("#A6B5B8"))
{
    labDot1 = new QLabel(QStringLiteral("."), this);
    labDot2 = new QLabel(QStringLiteral("."), this);
    labDot3 = new QLabel(QStringLiteral("."), this);
    txtIP1 = new QLineEdit(this);
    txtIP2 = new QLineEdit(this);
    txtIP3 = new QLineEdit(this);
    txtIP4 = new QLineEdit(this);
    txtIP1->setObjectName(QStringLiteral("txtIP1"));
    txtIP2->setObjectName(QStringLiteral("txtIP2"));
    txtIP3->setObjectName(QStringLiteral("txtIP3"));
    txtIP4->setObjectName(QStringLiteral("txtIP4"));

    auto *validator =
        new QRegularExpressionValidator(QRegularExpression(QString::fromLatin1(kFieldPattern)), this);
    for (QLabel *dot : {labDot1, labDot2, labDot3})
        dot->setAlignment(Qt::AlignCenter);
    for (QLineEdit *edit : {txtIP1, txtIP2, txtIP3, txtIP4}) {
        edit->setAlignment(Qt::AlignCenter);
        edit->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        edit->setValidator(validator);
        edit->installEventFilter(this);
        connect(edit, &QLineEdit::textChanged, this, &IPAddress::textChanged);
        edit->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(edit, &QLineEdit::customContextMenuRequested, this,
                [this, edit](const QPoint &pos) { showContextMenu(fieldIndex(edit), pos); });
    }

    setFocusProxy(txtIP1);

    auto *frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("frameIP"));
    auto *row = new QHBoxLayout(frame);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(txtIP1);
    row->addWidget(labDot1);
    row->addWidget(txtIP2);
    row->addWidget(labDot2);
    row->addWidget(txtIP3);
    row->addWidget(labDot3);
    row->addWidget(txtIP4);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(frame);

    QStringList sheet;
    sheet << QStringLiteral("QFrame#frameIP{border:1px solid %1;border-radius:%2px;}")
                 .arg(borderColor)
                 .arg(borderRadius);
    sheet << QStringLiteral("QLabel{min-width:15px;background-color:%1;}").arg(bgColor);
    sheet << QStringLiteral("QLineEdit{background-color:%1;border:none;}").arg(bgColor);
    sheet << QStringLiteral("QLineEdit#txtIP1{border-top-left-radius:%1px;border-bottom-left-radius:%1px;}")
                 .arg(borderRadius);
    sheet << QStringLiteral("QLineEdit#txtIP4{border-top-right-radius:%1px;border-bottom-right-radius:%1px;}")
                 .arg(borderRadius);
    frame->setStyleSheet(sheet.join(QString()));
}

IPAddress::~IPAddress() = default;

QString IPAddress::getIP() const
{
    return ip;
}

bool IPAddress::isValidAddress(const QString &text)
{
    static const QRegularExpression address(
        QRegularExpression::anchoredPattern(QString::fromLatin1(kAddressPattern)));
    return address.match(text).hasMatch();
}

int IPAddress::fieldIndex(const QObject *object) const
{
    for (int i = 0; i < 4; ++i) {
        if (field(i) == object)
            return i;
    }
    return -1;
}

QLineEdit *IPAddress::field(int index) const
{
    QLineEdit *const fields[] = {txtIP1, txtIP2, txtIP3, txtIP4};
    return index >= 0 && index < 4 ? fields[index] : nullptr;
}

void IPAddress::focusField(int index, int cursor)
{
    QLineEdit *edit = field(index);
    if (!edit)
        return;
    edit->setFocus();
    if (cursor < 0)
        edit->selectAll();
    else
        edit->setCursorPosition(qMin(cursor, edit->text().size()));
}

void IPAddress::textChanged(const QString &text)
{
    const int index = fieldIndex(sender());
    if (!filling && text.size() == 3 && index >= 0 && index < 3) {
        const int value = text.toInt();
        if (value >= 100 && value <= 255 && field(index)->hasFocus()) {
            focusField(index + 1);
            justJumped = true;
        }
    }
    ip = QStringLiteral("%1.%2.%3.%4").arg(txtIP1->text(), txtIP2->text(), txtIP3->text(), txtIP4->text());
}

bool IPAddress::handleKey(int index, const QKeyEvent *key)
{
    QLineEdit *edit = field(index);
    const bool afterJump = justJumped;
    justJumped = false;
    if (key->matches(QKeySequence::Paste)) {
        pasteFromClipboard(index);
        return true;
    }
    if (key->text() == QLatin1String(".")) {
        // The dot that follows an automatic jump belongs to the field left
        // behind; in an empty field there is nothing to finish yet.
        if (!afterJump && !edit->text().isEmpty() && index < 3)
            focusField(index + 1);
        return true;
    }
    const bool plain = !(key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier));
    const int cursor = edit->cursorPosition();
    switch (key->key()) {
    case Qt::Key_Backspace:
        if (edit->text().size() <= 1 && !edit->hasSelectedText() && index > 0 && cursor == 0) {
            focusField(index - 1, field(index - 1)->text().size());
            return true;
        }
        if (edit->text().size() == 1 && cursor == 1 && index > 0) {
            edit->clear();
            focusField(index - 1, field(index - 1)->text().size());
            return true;
        }
        return false;
    case Qt::Key_Home:
        if (!plain)
            return false;
        focusField(0, 0);
        return true;
    case Qt::Key_End:
        if (!plain)
            return false;
        focusField(3, field(3)->text().size());
        return true;
    case Qt::Key_Left:
        if (plain && !edit->hasSelectedText() && cursor == 0 && index > 0) {
            focusField(index - 1, field(index - 1)->text().size());
            return true;
        }
        return false;
    case Qt::Key_Right:
        if (plain && !edit->hasSelectedText() && cursor == edit->text().size() && index < 3) {
            focusField(index + 1, 0);
            return true;
        }
        return false;
    default:
        return false;
    }
}

QString IPAddress::pasteAddress(const QString &text)
{
    const QString address = text.trimmed();
    if (!isValidAddress(address))
        return tr("粘贴的内容“%1”不是有效的IP地址（四个0到255的数字，以点分隔）").arg(address.left(40));
    filling = true;
    const QStringList parts = address.split(QLatin1Char('.'));
    for (int i = 0; i < 4; ++i)
        field(i)->setText(parts.at(i));
    filling = false;
    return QString();
}

void IPAddress::pasteFromClipboard(int index)
{
    QLineEdit *edit = field(index);
    const QString text = QApplication::clipboard()->text().trimmed();
    if (!text.contains(QLatin1Char('.'))) {
        // A single number goes into this field as a line edit would take it.
        edit->paste();
        return;
    }
    const QString problem = pasteAddress(text);
    if (problem.isEmpty()) {
        focusField(3, field(3)->text().size());
        return;
    }
    QToolTip::showText(edit->mapToGlobal(QPoint(0, edit->height())), problem, edit);
}

void IPAddress::showContextMenu(int index, const QPoint &pos)
{
    QLineEdit *edit = field(index);
    std::unique_ptr<QMenu> menu(edit->createStandardContextMenu());
    for (QAction *action : menu->actions()) {
        if (action->objectName() == QLatin1String("edit-paste")) {
            disconnect(action, &QAction::triggered, nullptr, nullptr);
            connect(action, &QAction::triggered, this, [this, index] { pasteFromClipboard(index); });
        }
    }
    menu->exec(edit->mapToGlobal(pos));
}

bool IPAddress::eventFilter(QObject *watched, QEvent *event)
{
    const int index = fieldIndex(watched);
    if (index >= 0 && event->type() == QEvent::KeyPress && handleKey(index, static_cast<QKeyEvent *>(event)))
        return true;
    return QWidget::eventFilter(watched, event);
}

void IPAddress::setIP(const QString &text)
{
    if (!isValidAddress(text) || text == ip)
        return;
    pasteAddress(text);
}

void IPAddress::clear()
{
    for (QLineEdit *edit : {txtIP1, txtIP2, txtIP3, txtIP4})
        edit->clear();
    txtIP1->setFocus();
}

void IPAddress::setBgColor(const QString &color)
{
    if (bgColor != color)
        bgColor = color;
}

void IPAddress::setBorderColor(const QString &color)
{
    if (borderColor != color)
        borderColor = color;
}

void IPAddress::setBorderRadius(int radius)
{
    if (borderRadius != radius)
        borderRadius = radius;
}
