// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CheckinPageRunner.h"

#include "app/StoreCheckinAuthority.h"
#include "checkin/web/CheckinAddress.h"
#include "checkin/web/CheckinQrCode.h"
#include "checkin/web/CheckinService.h"
#include "checkin/web/CheckinToken.h"
#include "data/CAdoDatabase.h"
#include "data/DatabaseTarget.h"
#include "data/EventSettings.h"

#include <QCoreApplication>

namespace {

// The page's decisions on the server's thread, over a connection opened there. It fails
// quietly: a guest whose check-in could not be stored is told so on the phone, and nobody is
// there to close a box (in the draw program one would cover the projector).
class OwnConnectionAuthority final : public CheckinAuthority
{
public:
    explicit OwnConnectionAuthority(const QString& station)
        : m_quiet(m_database), m_store(m_database, station)
    {}

    bool Connect(const QString& appDirectory, QString* errorText)
    {
        const std::optional<DatabaseTarget> target =
            DatabaseTarget::FromConfig(appDirectory + QLatin1String(EventSettings::FileName),
                                       appDirectory + QStringLiteral("Data.db"), errorText);
        if (!target) {
            return false;
        }
        if (!m_database.ConnectDatabase(*target)) {
            *errorText = QCoreApplication::translate("CheckinPageRunner", "无法连接活动的数据库。");
            return false;
        }
        return true;
    }
    CheckinPageReply CheckInByNumberAndName(const QString& id, const QString& name) override
    {
        return m_store.CheckInByNumberAndName(id, name);
    }

private:
    CAdoDatabase m_database;
    CAdoDatabase::QuietFailures m_quiet;
    StoreCheckinAuthority m_store;
};

} // namespace

CheckinPageRunner::CheckinPageRunner(QString appDirectory, QString station, Network network)
    : m_appDirectory(std::move(appDirectory)), m_station(std::move(station)), m_network(network),
      m_findAddress(&CheckinAddress::LanIPv4)
{}

CheckinPageRunner::~CheckinPageRunner()
{
    StopPage();
}

bool CheckinPageRunner::StartPage(quint16 port, QString* errorText)
{
    StopPage();
    const auto fail = [errorText](const QString& text) {
        if (errorText) {
            *errorText = text;
        }
        return false;
    };
    const QHostAddress host = m_findAddress();
    if (m_network == Network::Required && (host.isNull() || host.isLoopback())) {
        return fail(QCoreApplication::translate(
            "CheckinPageRunner",
            "本机没有连接局域网，手机无法打开签到网页。请先连上会场的网络（Wi-Fi 或网线），"
            "再开启签到网页。"));
    }
    QString error;
    const QByteArray token =
        CheckinToken::ReadOrCreate(m_appDirectory + QLatin1String(TokenFile), &error);
    if (token.isEmpty()) {
        return fail(
            QCoreApplication::translate("CheckinPageRunner", "无法保存签到密钥：%1").arg(error));
    }
    QString connectError;
    auto service = std::make_unique<CheckinService>(
        [this, &connectError]() -> std::unique_ptr<CheckinAuthority> {
            auto authority = std::make_unique<OwnConnectionAuthority>(m_station);
            if (!authority->Connect(m_appDirectory, &connectError)) {
                return nullptr;
            }
            return authority;
        },
        token);
    if (!service->Start(QHostAddress::Any, port, &error)) {
        if (!connectError.isEmpty()) {
            return fail(QCoreApplication::translate("CheckinPageRunner", "无法打开活动的数据：%1")
                            .arg(connectError));
        }
        return fail(QCoreApplication::translate(
                        "CheckinPageRunner",
                        "端口 %1 无法使用（%2）。它可能已被其他程序占用：请关闭那个程序，"
                        "或在活动文件夹的 config.ini 中 [CHECKINPAGE] 一节把 PORT 改为其他端口。")
                        .arg(port)
                        .arg(error));
    }
    m_service = std::move(service);
    m_url = CheckinAddress::PageUrl(host, m_service->Port(), token);
    // The address as a QR code beside the event's data, to print or to show at the door.
    const QString codeFile = m_appDirectory + QLatin1String(CodeFile);
    m_codeFile = CheckinQrCode::Render(m_url, 10).save(codeFile) ? codeFile : QString();
    return true;
}

void CheckinPageRunner::StopPage()
{
    m_service.reset();
    m_url.clear();
}

bool CheckinPageRunner::IsServing() const
{
    return m_service && m_service->IsRunning();
}
