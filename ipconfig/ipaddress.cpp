#include "ipaddress.h"

#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

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
    const QObject *fields[] = {txtIP1, txtIP2, txtIP3, txtIP4};
    for (int i = 0; i < 4; ++i) {
        if (fields[i] == object)
            return i;
    }
    return -1;
}

void IPAddress::focusField(int index)
{
    QLineEdit *fields[] = {txtIP1, txtIP2, txtIP3, txtIP4};
    if (index >= 0 && index < 4)
        fields[index]->setFocus();
}

void IPAddress::textChanged(const QString &text)
{
    const int index = fieldIndex(sender());
    if (text.size() == 3) {
        const int value = text.toInt();
        if (value >= 100 && value <= 255 && index >= 0)
            focusField(index + 1);
    }
    ip = QStringLiteral("%1.%2.%3.%4").arg(txtIP1->text(), txtIP2->text(), txtIP3->text(), txtIP4->text());
}

bool IPAddress::eventFilter(QObject *watched, QEvent *event)
{
    const int index = fieldIndex(watched);
    if (index >= 0 && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->text() == QLatin1String("."))
            focusField(index + 1);
        else if (key->key() == Qt::Key_Backspace && static_cast<QLineEdit *>(watched)->text().size() <= 1)
            focusField(index - 1);
    }
    return QWidget::eventFilter(watched, event);
}

void IPAddress::setIP(const QString &text)
{
    if (!isValidAddress(text) || text == ip)
        return;
    ip = text;
    const QStringList parts = text.split(QLatin1Char('.'));
    txtIP1->setText(parts.at(0));
    txtIP2->setText(parts.at(1));
    txtIP3->setText(parts.at(2));
    txtIP4->setText(parts.at(3));
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
