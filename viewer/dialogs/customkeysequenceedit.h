#ifndef CUSTOMKEYSEQUENCEEDIT_H
#define CUSTOMKEYSEQUENCEEDIT_H

#include <QKeySequenceEdit>
#include <QString>

// A key editor that keeps one key combination and copies its text into the
// settings slot it is bound to after every key press.
class CustomKeySequenceEdit final : public QKeySequenceEdit
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CustomKeySequenceEdit)

public:
    explicit CustomKeySequenceEdit(QWidget *parent = nullptr);

    void setKeyAddres(QString *address) { keyAddress = address; }

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void showPlaceholder();

    QString *keyAddress = nullptr;
};

#endif // CUSTOMKEYSEQUENCEEDIT_H
