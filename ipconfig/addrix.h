#pragma once

#include <QTranslator>
#include <QWidget>

#include <memory>

namespace Ui {
class Addrix;
}

class Addrix final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Addrix)

public:
    explicit Addrix(QWidget *parent = nullptr);
    ~Addrix() override;

    // The translation file tried at start and whether it was installed.
    QString translationFile() const { return m_translationFile; }
    bool translationInstalled() const { return m_translationInstalled; }

private:
    std::unique_ptr<Ui::Addrix> ui;
    QTranslator m_translator;
    QString m_translationFile;
    bool m_translationInstalled = false;
};
