#pragma once

#include <QString>
#include <QWidget>

class QLabel;
class QLineEdit;

// Dotted-quad editor: four fields of 0..255 separated by dots. Focus moves on
// by itself after a three-digit number of 100 or more (selecting the next
// field, so typing replaces it) and on "." in a field with digits; a "."
// right after such a jump is the one the user meant for it and is dropped.
// Backspace in an (almost) empty field goes back; Home, End and the arrows
// move across the fields as in one line edit. Pasting a whole dotted address
// fills all four fields; a pasted text that is not one is refused with a
// tooltip saying why. The address read is always the one shown.
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

    // Fills the four fields from a pasted text (surrounding blanks ignored).
    // Returns the reason for refusing it, empty when taken.
    QString pasteAddress(const QString &text);

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
    QLineEdit *field(int index) const;
    // Moves to a field; cursor -1 selects the whole field.
    void focusField(int index, int cursor = -1);
    bool handleKey(int index, const QKeyEvent *key);
    void pasteFromClipboard(int index);
    void showContextMenu(int index, const QPoint &pos);

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
    bool filling = false;    // setIP is writing the fields: no focus jumps
    bool justJumped = false; // the focus moved on by itself after the last key
};
