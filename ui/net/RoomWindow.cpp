#include "ui/net/RoomWindow.h"

#include "net/Client.h"
#include "platform/Platform.h"
#include "ui/net/RoomTexts.h"
#include "ui/widgets/ControlNames.h"
#include "ui/widgets/EscapeCloses.h"
#include "ui/widgets/Twips.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

RoomWindow::RoomWindow(QWidget* table, const char* name, TextInForce title)
    : QWidget(table, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QString::fromLatin1(name));
    setAttribute(Qt::WA_DeleteOnClose);
    liveWindowTitle(this, std::move(title));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(twips(240), twips(210), twips(240), twips(210));
    layout->setSpacing(twips(150));
    layout->setSizeConstraint(QLayout::SetFixedSize);
    m_grid = new QGridLayout;
    m_grid->setHorizontalSpacing(twips(120));
    m_grid->setVerticalSpacing(twips(90));
    layout->addLayout(m_grid);
    m_encryption = named(new QLabel(this), "roomEncryption");
    m_encryption->setWordWrap(true);
    layout->addWidget(m_encryption);
    m_status = named(new QLabel(this), "roomStatus");
    m_status->setWordWrap(true);
    m_status->setMinimumWidth(twips(5400));
    m_status->setStyleSheet(QStringLiteral("color: #b00000;"));
    layout->addWidget(m_status);
    new EscapeCloses(this);
}

QLabel* RoomWindow::caption(int row, const char* name, TextInForce text)
{
    QLabel* label = named(new QLabel(this), name);
    liveText(this, label, std::move(text));
    m_grid->addWidget(label, row, 0);
    return label;
}

QHBoxLayout* RoomWindow::row() const
{
    auto* row = new QHBoxLayout;
    row->setSpacing(m_grid->horizontalSpacing());
    return row;
}

void RoomWindow::showStatus(TextInForce text) { liveText(this, m_status, std::move(text)); }

void RoomWindow::showEncryption(bool encrypted)
{
    liveText(this, m_encryption, [encrypted] {
        return encrypted ? tr("暗号化された接続です（wss://）。")
                         : tr("この接続は暗号化されません（ws://）。同じネットワークの中でだけ使ってください。");
    });
}

void RoomWindow::askTrust(const QString& server, const QString& fingerprint)
{
    const QString text =
        tr("サーバー %1 の証明書は、このコンピュータが信頼する発行元のものではありません。\n\n"
           "SHA-256 指紋:\n%2\n\n"
           "サーバーの管理者から聞いた指紋と同じときだけ信頼してください。この証明書を信頼して接続しますか？")
            .arg(server, fingerprint.left(47) + QLatin1Char('\n') + fingerprint.mid(48));
    const bool trusted = platform().ask(this, text, tr("証明書の確認"));
    if (m_client)
        m_client->answerCertificate(trusted);
}

net::Client& RoomWindow::newClient()
{
    dropClient();
    m_client = new net::Client(this);
    m_client->setCertificateTrust(&m_trust);
    connect(m_client, &net::Client::certificateUnknown, this, &RoomWindow::askTrust);
    connect(m_client, &net::Client::certificateChanged, this, [this](const QString& server, const QString& fingerprint) {
        platform().warn(this, tr("サーバー %1 の証明書が、前に信頼したものから変わっています。接続をやめました。\n\n"
                                 "新しい SHA-256 指紋:\n%2\n\n"
                                 "なりすましのおそれがあります。サーバーの管理者に確かめてください。")
                                  .arg(server, fingerprint));
    });
    connect(m_client, &net::Client::refused, this, [this](net::ErrorCode code) {
        if (m_playing)
            return;  // the table's own business from now on
        showStatus([code] { return RoomTexts::refusal(code); });
        dropClient();
        failed();
    });
    connect(m_client, &net::Client::roomClosed, this, [this](net::CloseReason reason) {
        showStatus([reason] { return RoomTexts::closing(reason); });
        if (m_playing) {
            emit roomGone();
            return;
        }
        dropClient();
        failed();
    });
    return *m_client;
}

void RoomWindow::dropClient()
{
    if (m_client) {
        disconnect(m_client, nullptr, this, nullptr);
        m_client->deleteLater();
    }
    m_client = nullptr;
}

void RoomWindow::startPlaying(const net::WelcomeMessage& welcome)
{
    m_playing = true;
    showStatus([] { return QString(); });
    hide();
    emit play(*m_client, welcome);
}

void RoomWindow::closeEvent(QCloseEvent* event)
{
    if (m_playing) {
        event->ignore();
        hide();
        return;
    }
    QWidget::closeEvent(event);
}
