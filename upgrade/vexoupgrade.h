#pragma once

#include <QTranslator>
#include <QWidget>

#include <memory>

namespace Ui {
class VexoUpgrade;
}

class VexoUpgrade final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(VexoUpgrade)

public:
    explicit VexoUpgrade(QWidget *parent = nullptr);
    ~VexoUpgrade() override;

    // The translation file tried at start and whether it was installed.
    QString translationFile() const { return m_translationFile; }
    bool translationInstalled() const { return m_translationInstalled; }

private:
    std::unique_ptr<Ui::VexoUpgrade> ui;
    QTranslator m_translator;
    QString m_translationFile;
    bool m_translationInstalled = false;
};
