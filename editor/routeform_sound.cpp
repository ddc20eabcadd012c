// The sound preview of the sound tab: the announcement selected in either sound list plays,
// pauses, stops and seeks, with its time, name and any error shown.

#include "routeform.h"
#include "ui_routeform.h"

#include <QIcon>
#include <QMediaPlayer>

namespace {

// Whole minutes and seconds, each at least two digits: "01:15", "100:05".
QString playTime(qint64 milliseconds)
{
    return QStringLiteral("%1:%2")
        .arg(milliseconds / 60000, 2, 10, QLatin1Char('0'))
        .arg((milliseconds / 1000) % 60, 2, 10, QLatin1Char('0'));
}

} // namespace

void RouteForm::connectPlayer()
{
    m_player->setNotifyInterval(500);
    connect(m_player, &QMediaPlayer::stateChanged, this, &RouteForm::onMediaStateChanged);
    connect(m_player, &QMediaPlayer::durationChanged, this, &RouteForm::onMediaDurationChanged);
    connect(m_player, &QMediaPlayer::positionChanged, this, &RouteForm::onMediaPositionChanged);
    connect(m_player, &QMediaPlayer::mediaChanged, this, &RouteForm::updatePlayNameLabel);
    connect(m_player, QOverload<QMediaPlayer::Error>::of(&QMediaPlayer::error), this, &RouteForm::updatePlayErrorLabel);
}

// Loads the sound file name of the route folder into the player, stopped; no name leaves it empty.
void RouteForm::loadSound(const QString &name)
{
    m_player->stop();
    m_player->setMedia(name.isEmpty() ? QMediaContent()
                                      : QMediaContent(QUrl::fromLocalFile(m_route.folder() + QLatin1Char('/') + name)));
}

void RouteForm::stopPlaying()
{
    m_player->stop();
}

void RouteForm::on_playSoundBtn_clicked()
{
    if (m_player->state() == QMediaPlayer::PlayingState)
        m_player->pause();
    else
        m_player->play();
}

void RouteForm::on_stopSoundBtn_clicked()
{
    m_player->stop();
}

void RouteForm::onMediaStateChanged(QMediaPlayer::State state)
{
    const bool playing = state == QMediaPlayer::PlayingState;
    ui->playSoundBtn->setIcon(
        QIcon(playing ? QStringLiteral(":/icons/pause.png") : QStringLiteral(":/icons/play.png")));
    ui->stopSoundBtn->setEnabled(state != QMediaPlayer::StoppedState);
}

// The slider counts tenths of a second.
void RouteForm::onMediaDurationChanged(qint64 duration)
{
    ui->playSoundSlider->setMaximum(int(duration / 100));
    showPlayTime(m_player->position(), duration);
}

void RouteForm::onMediaPositionChanged(qint64 position)
{
    // Following the player must not seek it.
    const QSignalBlocker blocker(ui->playSoundSlider);
    ui->playSoundSlider->setValue(int(position / 100));
    showPlayTime(position, m_player->duration());
}

void RouteForm::on_playSoundSlider_valueChanged(int value)
{
    m_player->setPosition(qint64(value) * 100);
}

void RouteForm::showPlayTime(qint64 position, qint64 duration)
{
    ui->playPositionLabel->setText(playTime(position) + QLatin1String(" / ") + playTime(duration));
}

void RouteForm::updatePlayNameLabel(const QMediaContent &media)
{
    const QString path = media.request().url().toLocalFile();
    ui->playNameLabel->setText(path.mid(path.lastIndexOf(QLatin1Char('/')) + 1));
    ui->playErrorLabel->clear();
}

void RouteForm::updatePlayErrorLabel(QMediaPlayer::Error error)
{
    switch (error) {
    case QMediaPlayer::NoError:
        ui->playErrorLabel->clear();
        break;
    case QMediaPlayer::ResourceError:
        ui->playErrorLabel->setText(tr("Ошибка воспроизведения!"));
        break;
    case QMediaPlayer::FormatError:
        ui->playErrorLabel->setText(tr("Формат не поддерживается!"));
        break;
    case QMediaPlayer::NetworkError:
        ui->playErrorLabel->setText(tr("Сетевая ошибка!"));
        break;
    case QMediaPlayer::AccessDeniedError:
        ui->playErrorLabel->setText(tr("Ошибка доступа!"));
        break;
    case QMediaPlayer::ServiceMissingError:
        ui->playErrorLabel->setText(tr("Нет устройства воспроизведения!"));
        break;
    default:
        break;
    }
}
