#pragma once

#include "VexoCameraSDK.h"

#include <QString>
#include <QWidget>

#include <memory>
#include <optional>

class IPAddress;

namespace Ui {
class ipModify;
}

// The address dialog of one GigE camera: static address, mask and gateway or
// DHCP, written through the SDK by serial number. Deletes itself when closed.
class ipModify final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ipModify)

public:
    explicit ipModify(QString serial, QWidget *parent = nullptr);
    ~ipModify() override;

    QString cameraSerial() const { return serial; }

    // First and last host address of the subnet of hostIp/hostMask,
    // "192.168.10.1 - 192.168.10.254". A part that is missing, not a number
    // or outside 0..255 counts as 0.
    static QString validRange(const QString &hostIp, const QString &hostMask);

    // The record to write back: a static address takes the three typed
    // addresses and mode 1; DHCP takes mode 0 and keeps the addresses read.
    // Nothing when a typed address of a static setting is incomplete.
    static std::optional<stGigeInfo> recordToWrite(const stGigeInfo &read, bool dhcp, const QString &ip,
                                                   const QString &mask, const QString &gateway);

    // Why a static setting cannot work, in words for the user; empty when it
    // can. Refused: an incomplete address, a net mask whose ones are not
    // contiguous, an address that is its subnet's network or broadcast
    // address, a gateway outside the subnet (0.0.0.0 means "no gateway").
    static QString staticAddressProblem(const QString &ip, const QString &mask, const QString &gateway);

signals:
    void modifySucces();

public slots:
    void on_pushButton_close_clicked();
    void on_radioButton_staticIp_clicked();
    void on_radioButton_dynamicIp_clicked();
    void on_pushButton_determine_clicked();
    QString getIpValidRange();

private:
    std::unique_ptr<Ui::ipModify> ui;
    QString serial;
    stGigeInfo gigeInfo{};
    IPAddress *ipEdit = nullptr;
    IPAddress *maskEdit = nullptr;
    IPAddress *gatewayEdit = nullptr;
};
