#include "soundplayer.h"

#include <QMediaPlayer>

#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
#include <QAudioOutput>
#endif

namespace {

#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
using PlayerState = QMediaPlayer::PlaybackState;
#else
using PlayerState = QMediaPlayer::State;
#endif

SoundPlayer::State state(PlayerState state)
{
    switch (state) {
    case QMediaPlayer::PlayingState:
        return SoundPlayer::PlayingState;
    case QMediaPlayer::PausedState:
        return SoundPlayer::PausedState;
    default:
        return SoundPlayer::StoppedState;
    }
}

SoundPlayer::Error error(QMediaPlayer::Error error)
{
    switch (error) {
    case QMediaPlayer::NoError:
        return SoundPlayer::NoError;
    case QMediaPlayer::FormatError:
        return SoundPlayer::FormatError;
    case QMediaPlayer::NetworkError:
        return SoundPlayer::NetworkError;
    case QMediaPlayer::AccessDeniedError:
        return SoundPlayer::AccessDeniedError;
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    case QMediaPlayer::ServiceMissingError:
        return SoundPlayer::ServiceMissingError;
#endif
    default:
        return SoundPlayer::ResourceError;
    }
}

} // namespace

#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)

SoundPlayer::SoundPlayer(QObject *parent)
    : QObject(parent)
    , m_player(new QMediaPlayer(this))
{
    m_player->setAudioOutput(new QAudioOutput(this));
    connect(m_player, &QMediaPlayer::playbackStateChanged, this,
            [this](QMediaPlayer::PlaybackState playing) { emit stateChanged(::state(playing)); });
    connect(m_player, &QMediaPlayer::sourceChanged, this, &SoundPlayer::sourceChanged);
    connect(m_player, &QMediaPlayer::errorOccurred, this,
            [this](QMediaPlayer::Error failure) { emit errorOccurred(::error(failure)); });
    connect(m_player, &QMediaPlayer::positionChanged, this, &SoundPlayer::positionChanged);
    connect(m_player, &QMediaPlayer::durationChanged, this, &SoundPlayer::durationChanged);
}

void SoundPlayer::setSource(const QUrl &source)
{
    m_player->setSource(source);
}

SoundPlayer::State SoundPlayer::state() const
{
    return ::state(m_player->playbackState());
}

#else

SoundPlayer::SoundPlayer(QObject *parent)
    : QObject(parent)
    , m_player(new QMediaPlayer(this))
{
    m_player->setNotifyInterval(500);
    connect(m_player, &QMediaPlayer::stateChanged, this,
            [this](QMediaPlayer::State playing) { emit stateChanged(::state(playing)); });
    connect(m_player, &QMediaPlayer::mediaChanged, this,
            [this](const QMediaContent &media) { emit sourceChanged(media.request().url()); });
    connect(m_player, QOverload<QMediaPlayer::Error>::of(&QMediaPlayer::error), this,
            [this](QMediaPlayer::Error failure) { emit errorOccurred(::error(failure)); });
    connect(m_player, &QMediaPlayer::positionChanged, this, &SoundPlayer::positionChanged);
    connect(m_player, &QMediaPlayer::durationChanged, this, &SoundPlayer::durationChanged);
}

void SoundPlayer::setSource(const QUrl &source)
{
    m_player->setMedia(source.isEmpty() ? QMediaContent() : QMediaContent(source));
}

SoundPlayer::State SoundPlayer::state() const
{
    return ::state(m_player->state());
}

#endif

qint64 SoundPlayer::position() const
{
    return m_player->position();
}

qint64 SoundPlayer::duration() const
{
    return m_player->duration();
}

void SoundPlayer::setPosition(qint64 position)
{
    m_player->setPosition(position);
}

void SoundPlayer::play()
{
    m_player->play();
}

void SoundPlayer::pause()
{
    m_player->pause();
}

void SoundPlayer::stop()
{
    m_player->stop();
}
