#ifndef ABOUTWIDGET_H
#define ABOUTWIDGET_H

#include <QWidget>

#include <memory>

namespace Ui {
class AboutWidget;
}

// The product edition and the camera SDK's version.
class AboutWidget final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AboutWidget)

public:
    explicit AboutWidget(QWidget *parent = nullptr);
    ~AboutWidget() override;

public slots:
    void on_pushButton_clicked();

protected:
    void changeEvent(QEvent *event) override;

private:
    std::unique_ptr<Ui::AboutWidget> ui;
};

#endif // ABOUTWIDGET_H
