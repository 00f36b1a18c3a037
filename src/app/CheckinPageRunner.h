// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "draw/window/CheckinPageHost.h"

#include <QHostAddress>
#include <QString>

#include <functional>
#include <memory>

class CheckinService;

// Serves the check-in page of the event in an event folder, for `serve-checkin` and for the draw
// window alike: the event's secret from the file "checkin-token" beside its data (made when
// missing), the page's server on a thread of its own with a database connection of its own on
// that thread, listening on every address of the machine; the page's address, and its QR code
// written to "checkin-qr.png" in the folder.
class CheckinPageRunner final : public CheckinPageHost
{
public:
    static constexpr const char* TokenFile = "checkin-token";
    static constexpr const char* CodeFile = "checkin-qr.png";

    // Whether a machine without an address on a network may serve (the page then only opens on
    // the machine itself).
    enum class Network
    {
        Required,
        Optional
    };

    // appDirectory ends with "/"; station: the name check-ins are stored with.
    CheckinPageRunner(QString appDirectory, QString station, Network network = Network::Required);
    ~CheckinPageRunner() override;

    // The machine's address on the local network; by default the first of its interfaces.
    void SetAddressFinder(std::function<QHostAddress()> finder)
    {
        m_findAddress = std::move(finder);
    }

    bool StartPage(quint16 port, QString* errorText) override;
    void StopPage() override;
    bool IsServing() const override;
    QString PageUrl() const override { return m_url; }
    // The QR code's file, empty when it could not be written.
    QString CodeFilePath() const { return m_codeFile; }

private:
    QString m_appDirectory;
    QString m_station;
    Network m_network;
    std::function<QHostAddress()> m_findAddress;
    std::unique_ptr<CheckinService> m_service;
    QString m_url;
    QString m_codeFile;
};
