#pragma once

#include <QString>
#include <QWidget>

class QLabel;
class QLineEdit;

// Dotted-quad editor: four fields of 0..255 separated by dots. Focus moves on
// by itself after a three-digit number of 100 or more and on ".", and back
// with Backspace in an (almost) empty field.
class IPAddress final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(IPAddress)

public:
    explicit IPAddress(QWidget *parent = nullptr);
    ~IPAddress() override;

    // The four fields joined by dots; empty fields stay empty ("192.168..1").
    QString getIP() const;

    // True for a complete dotted quad of numbers 0..255 (leading zeros allowed).
    static bool isValidAddress(const QString &text);

public slots:
    void textChanged(const QString &text);
    void setIP(const QString &text);
    void clear();
    void setBgColor(const QString &color);
    void setBorderColor(const QString &color);
    void setBorderRadius(int radius);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int fieldIndex(const QObject *object) const;
    void focusField(int index);

    QLabel *labDot1 = nullptr;
    QLabel *labDot2 = nullptr;
    QLabel *labDot3 = nullptr;
    QLineEdit *txtIP1 = nullptr;
    QLineEdit *txtIP2 = nullptr;
    QLineEdit *txtIP3 = nullptr;
    QLineEdit *txtIP4 = nullptr;
    QString ip;
    QString bgColor;
    QString borderColor;
    int borderRadius = 3;
};
